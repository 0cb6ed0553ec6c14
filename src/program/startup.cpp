#include "program/startup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/library_input.h"
#include "core/graphics_files.h"
#include "platform/display.h"
#include "platform/host.h"
#include "platform/presentation.h"
#include "platform/wait_schedule.h"
#include "program/assist_layer.h"
#include "program/data_lookup.h"
#include "program/message_line.h"
#include "program/pause_and_mute.h"
#include "program/session_recorder.h"
#include "program/settings_file.h"
#include "program/turn_loop.h"
#include "turn/game_turn.h"
#include "turn/new_game.h"

namespace qz {
namespace {

// The last line said, to show where there is no console if it ends the game.
std::string lastSaid;

void say(const std::string& line) {
    lastSaid = messageLine(line);
    std::fputs(lastSaid.c_str(), stderr);
}

// One line when the screen cannot hold the scale asked for: at the start,
// and at each switch of mode that makes the game smaller than it was.
void tellShrunkScale(const Presentation& presentation, int asked, int& shownBefore) {
    const int shown = presentation.shownScale();
    if (shown < asked && shown != shownBefore) {
        const ScreenSize screen = presentation.screen();
        const std::string where =
            presentation.fullscreen()
                ? "any full-screen mode"
                : "the " + std::to_string(screen.w) + "x" + std::to_string(screen.h) + " screen";
        say("--scale " + std::to_string(asked) + " does not fit " + where + "; showing scale " +
            std::to_string(shown) + " instead");
    }
    shownBefore = shown;
}

void shutDown(MixerSoundBoard& sound, Presentation& presentation, Fonts& fonts) {
    sound.close();
    presentation.close();
    stopDisplay();
    closeFonts(fonts);
    stopFontLibrary();
}

// The replay or the recording asked for, opened before the game moves into
// its data folder, so relative names mean what the player meant.
struct Session {
    std::optional<RecordedSession> replay;
    std::FILE* record = nullptr;
    ~Session() {
        if (record) {
            std::fclose(record);
        }
    }
};

int openSession(const Options& options, Session& session) {
    if (!options.replayFile.empty()) {
        LoadedSession loaded = loadSession(options.replayFile);
        if (!loaded.error.empty()) {
            say(loaded.error);
            return 2;
        }
        session.replay = std::move(loaded.session);
    }
    if (!options.recordFile.empty()) {
        // Binary: the file's lines end in \n on every system.
        session.record = openFile(options.recordFile, "wb");
        if (!session.record) {
            say("cannot write the recording " + options.recordFile + ": " + std::strerror(errno));
            return 1;
        }
    }
    return 0;
}

}  // namespace

// Everything a running game holds, from its window to its recording, in the
// order it is opened; closed in the reverse order.
struct Game::Parts {
    explicit Parts(Clock& gameClock) : clock(gameClock) {}

    Session session;
    Settings settings;
    MixerSoundBoard sound;
    Fonts fonts;
    Presentation presentation;
    std::unique_ptr<PictureStore> pictures;
    GameState state;
    std::unique_ptr<AssistLayer> assist;
    int askedScale = 1;
    int shownScale = 1;
    std::unique_ptr<LibraryInput> input;
    PadDevice pad;
    Clock& clock;
    std::unique_ptr<KeptCanvas> canvas;
    std::unique_ptr<SessionRecorder> recorder;
    std::unique_ptr<SessionPlayer> player;
    std::unique_ptr<PauseAndMute> controls;
    std::unique_ptr<Runtime> rt;
    std::unique_ptr<TurnLoop> loop;
    bool displayOpen = false;

    // The session's end: the loop and what stands between it and the
    // window, before the pictures are finished with.
    void endSession() {
        loop.reset();
        rt.reset();
        controls.reset();
        player.reset();
        recorder.reset();
        canvas.reset();
    }

    ~Parts() {
        endSession();
        pictures.reset();
        pad.close();  // before the display library lets every joystick go
        if (displayOpen) {
            shutDown(sound, presentation, fonts);
        }
    }
};

Game::Game(Clock& clock) : parts_(std::make_unique<Parts>(clock)) {}
Game::~Game() = default;

int Game::open(const Options& options) {
    Parts& p = *parts_;
    if (const int refused = openSession(options, p.session)) {
        return refused;
    }
    // Read before the game moves into its data folder, as the recordings are.
    p.settings = loadSettings(options.settingsFile);
    for (const std::string& warning : p.settings.warnings) {
        say("warning: " + warning);
    }
    if (const std::string problem = enterDataFolder(options.dataFolder); !problem.empty()) {
        say(problem);
        return 1;
    }
    const unsigned seed =
        p.session.replay ? p.session.replay->seed : static_cast<unsigned>(std::time(nullptr));
    if (!startDisplay()) {
        const std::string advice = hostWords().noDisplay;
        say("cannot open a display (" + displayError() + ")" +
            (advice.empty() ? "" : "; " + advice));
        return 1;
    }
    p.displayOpen = true;
    if (!p.sound.open()) {
        say("warning: no sound device (" + displayError() + "); playing without sound");
    }
    startFontLibrary();
    if (!p.presentation.open(options.scale, options.fullscreen)) {
        say("cannot open an 800x600 window (" + displayError() + ")");
        return 1;
    }
    if (!openFonts(p.fonts)) {
        say(std::string("cannot read the font file \"") + FontFile + "\"");
        return 1;
    }
    // Every picture is read in the window's format before play: the title's
    // now, for the first frame, the others while the title shows. Their
    // headers are all checked now, so a damaged file stops the game here.
    p.pictures = std::make_unique<PictureStore>();
    const char* unreadable = firstUnreadablePicture();
    if (!unreadable) {
        unreadable =
            p.pictures->preloadFirst(pic::all, pic::titlePictureCount, p.presentation.frame());
    }
    if (unreadable) {
        say(std::string("cannot read the picture ") + unreadable);
        return 1;
    }

    p.state.random.seed(seed);
    randomGameSetup(p.state);
    p.state.mode = PlayMode::Title;
    if (const std::string missing = p.sound.loadAll(); !missing.empty()) {
        say("warning: cannot read " + missing + "; those sounds stay silent");
    }
    // The assist layer reads its own files only when the player asks for it.
    if (options.assist || p.settings.assist) {
        if (const std::string missing = p.sound.loadAssist(); !missing.empty()) {
            say("warning: cannot read " + missing + "; those sounds stay silent");
        }
        // Each on its own: one that is missing leaves the others to be read now.
        for (const Picture& picture : pic::assistAll) {
            if (const char* missing = p.pictures->preload({&picture, 1}, p.presentation.frame())) {
                say(std::string("warning: cannot read the picture ") + missing +
                    "; the assist layer leaves it out");
            }
        }
        p.assist = std::make_unique<AssistLayer>(p.sound);
    }
    p.askedScale = options.scale;
    p.shownScale = options.scale;
    tellShrunkScale(p.presentation, p.askedScale, p.shownScale);
    p.input = std::make_unique<LibraryInput>([&p] {
        p.presentation.toggleFullscreen();
        tellShrunkScale(p.presentation, p.askedScale, p.shownScale);
    });
    const auto sayPlaying = [&p] { say("playing with the pad " + p.pad.description()); };
    if (p.pad.open()) {
        sayPlaying();
    }
    p.input->use(
        p.settings.bindings, &p.pad,
        [&p] { say("the pad " + p.pad.description() + " went away; what it held is let go"); },
        sayPlaying);
    p.canvas = std::make_unique<KeptCanvas>(p.presentation, *p.pictures, p.fonts);
    InputSource* turnInput = p.input.get();
    SoundBoard* turnSound = &p.sound;
    if (!p.session.replay) {
        p.controls = std::make_unique<PauseAndMute>(*p.input, p.sound, p.settings.pauseOnFocusLoss);
        turnInput = p.controls.get();
    }
    if (p.session.record) {
        p.recorder = std::make_unique<SessionRecorder>(*turnInput, p.sound, p.session.record,
                                                       options.recordFile, seed, say);
        turnInput = p.recorder.get();
        turnSound = p.recorder.get();
    } else if (p.session.replay) {
        p.player = std::make_unique<SessionPlayer>(*p.session.replay, *p.input, p.sound);
        turnInput = p.player.get();
        turnSound = p.player.get();
    }
    p.rt = std::make_unique<Runtime>(Runtime{p.state, *p.canvas, p.clock, *turnInput, *turnSound});
    p.rt->overlay = p.assist.get();
    p.loop = std::make_unique<TurnLoop>(*p.rt, p.recorder.get(), p.player.get(), p.controls.get());
    return 0;
}

std::optional<Wait> Game::advance() {
    return parts_->loop->advance();
}

int Game::close() {
    Parts& p = *parts_;
    int status = 0;
    if (p.recorder && p.recorder->failed()) {
        status = 1;  // said when the first write failed
    }
    if (const std::string& astray = p.loop->astray(); !astray.empty()) {
        say(astray);
        status = 3;
    } else if (const std::string apart = p.player ? p.player->endedApart(p.state) : "";
               !apart.empty()) {
        say(apart);
        status = 3;
    }
    p.endSession();
    if (const char* unread = p.pictures->finishReading()) {
        // Only a read error or a lack of memory, as its header was checked.
        say(std::string("cannot read the picture ") + unread);
        status = 1;
    }
    parts_.reset();
    return status;
}

int runGame(const Options& options, SleepingClock& host) {
    ScheduledClock clock(host);
    Game game(clock);
    if (const int refused = game.open(options)) {
        showProblem(lastSaid);
        return refused;
    }
    while (const auto wait = game.advance()) {
        sleepOnSchedule(clock, host, wait->us);
    }
    return game.close();
}

}  // namespace qz
