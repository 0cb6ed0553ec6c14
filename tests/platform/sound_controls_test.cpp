// Mute and pause on the real mixer (with the display library's silent
// driver): every channel, however the game sets its volume meanwhile.
#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

#include "platform/sound_board.h"

namespace qz::test {
namespace {

std::vector<int> volumes() {
    std::vector<int> each;
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        each.push_back(Mix_Volume(channel, -1));
    }
    return each;
}

TEST(SoundControls, MuteSilencesEveryChannelUntilUnmutedWhateverTheGameAsksMeanwhile) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    MixerSoundBoard sound;
    ASSERT_TRUE(sound.open()) << SDL_GetError();
    ASSERT_EQ(chdir(QZ_TEST_DATA_DIR), 0);
    ASSERT_EQ(sound.loadAll(), "");
    const std::size_t channels = volumes().size();
    ASSERT_GE(channels, 4u);
    sound.setVolumeAll(50);
    sound.mute(true);
    EXPECT_EQ(volumes(), std::vector<int>(channels, 0));
    sound.setVolumeAll(50);  // a cue sets the volume while muted
    EXPECT_EQ(volumes(), std::vector<int>(channels, 0));
    sound.mute(false);
    EXPECT_EQ(volumes(), std::vector<int>(channels, 50));

    // Pausing holds what is playing where it is.
    sound.play(0, Sound::Theme);
    sound.play(2, Sound::Drop);
    sound.pauseAll(true);
    EXPECT_EQ(Mix_Paused(-1), 2);
    EXPECT_TRUE(sound.playing(0));
    sound.pauseAll(false);
    EXPECT_EQ(Mix_Paused(-1), 0);
    EXPECT_TRUE(sound.playing(0));
    sound.close();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace
}  // namespace qz::test
