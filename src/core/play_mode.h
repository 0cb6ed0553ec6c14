// The top-level modes a turn of the game dispatches on.
#pragma once

namespace qz {

// The values are stored and compared as numbers; 2 is never used.
enum class PlayMode : int { Title = 0, Arrival = 1, Play = 3, GameOver = 4 };

// Which way a character picture looks.
enum Facing : int { FacingLeft = 4, FacingRight = 6 };

}  // namespace qz
