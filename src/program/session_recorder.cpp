#include "program/session_recorder.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "turn/game_turn.h"

namespace qz {
SessionRecorder::SessionRecorder(InputSource& input, SoundBoard& sound, std::FILE* out,
                                 std::string name, unsigned seed, Say say)
    : SoundPassThrough(sound),
      input_(input),
      out_(out),
      name_(std::move(name)),
      say_(std::move(say)) {
    write(headerLine(seed));
}

void SessionRecorder::write(const std::string& line) {
    if (failed_) {
        return;
    }
    // Flushed line by line, so a game that dies still leaves its turns behind
    // and a full disk is noticed at the turn it fills up.
    errno = 0;
    if (std::fputs(line.c_str(), out_) < 0 || std::fputc('\n', out_) == EOF ||
        std::fflush(out_) != 0) {
        failed_ = true;
        say_("cannot write the recording " + name_ + ": " +
             (errno ? std::strerror(errno) : "write error") +
             "; the game goes on, but the recording stops here");
    }
}

TurnInput SessionRecorder::readTurn() {
    turn_.input = input_.readTurn();
    return turn_.input;
}

bool SessionRecorder::playing(int channel) {
    const bool busy = sound_.playing(channel);
    turn_.soundAnswers += busy ? '1' : '0';
    return busy;
}

void SessionRecorder::endTurn(const GameState& state) {
    write(turnLine(turn_));
    turn_ = RecordingLine{};
    if (++turns_ % CheckpointTurns == 0) {
        write(checkpointLine(turns_, state));
    }
}

void SessionRecorder::finish(const GameState& state) {
    write(endLine(turns_, state));
}

SessionPlayer::SessionPlayer(const RecordedSession& session, InputSource& live, SoundBoard& sound)
    : SoundPassThrough(sound), session_(session), live_(live) {}

bool SessionPlayer::nextTurn() {
    for (const InputEvent& event : live_.readTurn().events) {
        closed_ = closed_ || event.type == InputEvent::Type::Quit;
    }
    if (std::cmp_greater_equal(next_, session_.turns.size()) || (closed_ && closeSent_)) {
        return false;
    }
    turn_ = session_.turns[next_++];
    answer_ = 0;
    return true;
}

TurnInput SessionPlayer::readTurn() {
    TurnInput input = turn_.input;
    if (closed_ && !closeSent_) {
        closeSent_ = true;
        input.events.push_back(InputEvent{InputEvent::Type::Quit, input.held});
    }
    return input;
}

bool SessionPlayer::playing(int channel) {
    (void)channel;  // the recording answers for every channel
    if (answer_ >= turn_.soundAnswers.size()) {
        return false;  // asked more often than recorded: the replay has gone astray
    }
    return turn_.soundAnswers[answer_++] == '1';
}

std::string SessionPlayer::strayed(const GameState& state) {
    if (checkpoint_ >= session_.checkpoints.size() ||
        session_.checkpoints[checkpoint_].turns != next_) {
        return "";
    }
    const Checkpoint& recorded = session_.checkpoints[checkpoint_++];
    const std::string digest = stateDigestText(state);
    if (digest == recorded.digest) {
        return "";
    }
    return "the replay went astray by turn " + std::to_string(next_) + ": the state's digest is " +
           digest + ", the recording's " + recorded.digest;
}

std::string SessionPlayer::endedApart(const GameState& state) const {
    const std::string digest = stateDigestText(state);
    const std::size_t recorded = session_.turns.size();
    if (closed_ || (std::cmp_greater_equal(next_, recorded) && digest == session_.finalDigest)) {
        return "";
    }
    const std::string digests = " (digest " + digest + ", recorded " + session_.finalDigest + ")";
    if (std::cmp_less(next_, recorded)) {
        return "the replayed game ended at turn " + std::to_string(next_) +
               "; the recording goes on to turn " + std::to_string(recorded) + digests;
    }
    // Every digest checked on the way agreed, or the replay would have stopped there.
    const std::string agreed = checkpoint_ > 0
                                   ? "its digests agreed up to turn " +
                                         std::to_string(session_.checkpoints[checkpoint_ - 1].turns)
                                   : "the recording holds no digest before it";
    return "the replay ended in another state than the recording: " + agreed +
           ", and its end at turn " + std::to_string(next_) + " differs" + digests;
}

}  // namespace qz
