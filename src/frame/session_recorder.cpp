#include "frame/session_recorder.h"

#include "frame/main_loop.h"

namespace qz {
SessionRecorder::SessionRecorder(InputSource& input, SoundBoard& sound, std::FILE* out,
                                 unsigned seed)
    : SoundPassThrough(sound), input_(input), out_(out) {
    std::fprintf(out_, "%s\n", headerLine(seed).c_str());
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

void SessionRecorder::endTurn() {
    // Written turn by turn, so a game that dies still leaves its turns behind.
    std::fprintf(out_, "%s\n", turnLine(turn_).c_str());
    std::fflush(out_);
    turn_ = RecordedTurn{};
    ++turns_;
}

void SessionRecorder::finish(const GameState& state) {
    std::fprintf(out_, "%s\n", endLine(turns_, state).c_str());
    std::fflush(out_);
}

SessionPlayer::SessionPlayer(const RecordedSession& session, InputSource& live, SoundBoard& sound)
    : SoundPassThrough(sound), session_(session), live_(live) {}

bool SessionPlayer::startTurn() {
    for (const InputEvent& event : live_.readTurn().events) {
        closed_ = closed_ || event.type == InputEvent::Type::Quit;
    }
    if (static_cast<std::size_t>(next_) >= session_.turns.size() || (closed_ && closeSent_)) {
        return false;
    }
    turn_ = &session_.turns[static_cast<std::size_t>(next_++)];
    answer_ = 0;
    return true;
}

TurnInput SessionPlayer::readTurn() {
    TurnInput input = turn_ ? turn_->input : TurnInput{};
    if (closed_ && !closeSent_) {
        closeSent_ = true;
        input.events.push_back(InputEvent{InputEvent::Type::Quit, input.held});
    }
    return input;
}

bool SessionPlayer::playing(int channel) {
    (void)channel;  // the recording answers for every channel
    if (!turn_ || answer_ >= turn_->soundAnswers.size()) {
        return false;  // asked more often than recorded: the replay has gone astray
    }
    return turn_->soundAnswers[answer_++] == '1';
}

void runRecordedLoop(Runtime& rt, SessionRecorder* recorder, SessionPlayer* player) {
    for (;;) {
        if (player && !player->startTurn()) {
            return;
        }
        const bool goOn = runTurn(rt);
        if (recorder) {
            recorder->endTurn();
        }
        if (!goOn) {
            return;
        }
    }
}

}  // namespace qz
