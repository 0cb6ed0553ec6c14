#include "program/startup.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/graphics_files.h"
#include "platform/display.h"
#include "platform/file_checks.h"
#include "platform/presentation.h"
#include "program/assist_layer.h"
#include "program/data_lookup.h"
#include "program/message_line.h"
#include "program/pause_and_mute.h"
#include "program/session_recorder.h"
#include "program/settings_file.h"
#include "turn/new_game.h"

namespace qz {
namespace {

void say(const std::string& line) {
    std::fputs(messageLine(line).c_str(), stderr);
}

const char* firstUnreadablePicture() {
    for (const Picture& picture : pic::all) {
        if (!bitmapFileIsWellFormed(picture.path)) {
            return picture.path;
        }
    }
    return nullptr;
}

// Moves into the folder with the game's data, so every file name stays
// relative: the one asked for, or the first the lookup finds.
bool enterDataFolder(const std::string& asked) {
    if (!asked.empty()) {
        std::string problem;
        if (chdir(asked.c_str()) != 0) {
            problem = std::strerror(errno);
        } else if (access("graphics", F_OK) != 0) {
            problem = "it has no graphics/ folder";
        } else if (access(FontFile, R_OK) != 0) {
            problem = std::string("it has no \"") + FontFile + "\"";
        } else if (const char* missing = firstUnreadablePicture()) {
            problem = std::string("it has no readable ") + missing;
        }
        if (!problem.empty()) {
            say("cannot use the data folder " + asked + ": " + problem);
        }
        return problem.empty();
    }
    std::vector<std::string> tried;
    const auto folder = findDataFolder(tried);
    if (folder && chdir(folder->c_str()) == 0) {
        return true;
    }
    std::string list;
    for (const auto& path : tried) {
        list += (list.empty() ? "" : ", ") + path;
    }
    say("cannot find the game's data (a graphics/ folder); looked in: " + list);
    return false;
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

void shutDown(SdlSoundBoard& sound, Presentation& presentation, Fonts& fonts) {
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
        session.record = std::fopen(options.recordFile.c_str(), "w");
        if (!session.record) {
            say("cannot write the recording " + options.recordFile + ": " + std::strerror(errno));
            return 1;
        }
    }
    return 0;
}

}  // namespace

int runGame(const Options& options) {
    Session session;
    if (const int refused = openSession(options, session)) {
        return refused;
    }
    // Read before the game moves into its data folder, as the recordings are.
    const Settings settings = loadSettings(options.settingsFile);
    for (const std::string& warning : settings.warnings) {
        say("warning: " + warning);
    }
    if (!enterDataFolder(options.dataFolder)) {
        return 1;
    }
    const unsigned seed =
        session.replay ? session.replay->seed : static_cast<unsigned>(std::time(nullptr));
    if (!startDisplay()) {
        say("cannot open a display (" + displayError() +
            "); start it from a desktop session, or without one under Xvfb: "
            "xvfb-run -s \"-screen 0 1024x768x24 -noreset\" quillo-zoruri");
        return 1;
    }
    SdlSoundBoard sound;
    if (!sound.open()) {
        say("warning: no sound device (" + displayError() + "); playing without sound");
    }
    startFontLibrary();
    Fonts fonts;
    Presentation presentation;
    if (!presentation.open(options.scale, options.fullscreen)) {
        say("cannot open an 800x600 window (" + displayError() + ")");
        shutDown(sound, presentation, fonts);
        return 1;
    }
    if (!openFonts(fonts)) {
        say(std::string("cannot read the font file \"") + FontFile + "\"");
        shutDown(sound, presentation, fonts);
        return 1;
    }
    // Every picture is read in the window's format before play: the title's
    // now, for the first frame, the others while the title shows. Their
    // headers are all checked now, so a damaged file stops the game here.
    auto pictures = std::make_unique<PictureStore>();
    const char* unreadable = firstUnreadablePicture();
    if (!unreadable) {
        unreadable = pictures->preloadFirst(pic::all, pic::titlePictureCount, presentation.frame());
    }
    if (unreadable) {
        say(std::string("cannot read the picture ") + unreadable);
        pictures.reset();
        shutDown(sound, presentation, fonts);
        return 1;
    }

    GameState state;
    state.random.seed(seed);
    randomGameSetup(state);
    state.mode = PlayMode::Title;
    if (const std::string missing = sound.loadAll(); !missing.empty()) {
        say("warning: cannot read " + missing + "; those sounds stay silent");
    }
    // The assist layer reads its own files only when the player asks for it.
    std::unique_ptr<AssistLayer> assist;
    if (options.assist || settings.assist) {
        if (const std::string missing = sound.loadAssist(); !missing.empty()) {
            say("warning: cannot read " + missing + "; those sounds stay silent");
        }
        // Each on its own: one that is missing leaves the others to be read now.
        for (const Picture& picture : pic::assistAll) {
            if (const char* missing = pictures->preload({&picture, 1}, presentation.frame())) {
                say(std::string("warning: cannot read the picture ") + missing +
                    "; the assist layer leaves it out");
            }
        }
        assist = std::make_unique<AssistLayer>(sound);
    }
    int shownScale = options.scale;
    tellShrunkScale(presentation, options.scale, shownScale);
    SdlInput input([&] {
        presentation.toggleFullscreen();
        tellShrunkScale(presentation, options.scale, shownScale);
    });
    Pad pad;
    if (pad.open()) {
        say("playing with the pad " + pad.description());
    }
    input.use(settings.bindings, &pad, [&pad] {
        say("the pad " + pad.description() + " went away; what it held is let go");
    });
    SdlClock clock;
    int status = 0;
    {
        KeptCanvas canvas(presentation, *pictures, fonts);
        std::unique_ptr<SessionRecorder> recorder;
        std::unique_ptr<SessionPlayer> player;
        std::unique_ptr<PauseAndMute> controls;
        InputSource* turnInput = &input;
        SoundBoard* turnSound = &sound;
        if (!session.replay) {
            controls = std::make_unique<PauseAndMute>(input, sound, settings.pauseOnFocusLoss);
            turnInput = controls.get();
        }
        if (session.record) {
            recorder = std::make_unique<SessionRecorder>(*turnInput, sound, session.record,
                                                         options.recordFile, seed, say);
            turnInput = recorder.get();
            turnSound = recorder.get();
        } else if (session.replay) {
            player = std::make_unique<SessionPlayer>(*session.replay, input, sound);
            turnInput = player.get();
            turnSound = player.get();
        }
        Runtime rt{state, canvas, clock, *turnInput, *turnSound};
        rt.overlay = assist.get();
        const std::string astray =
            runRecordedLoop(rt, recorder.get(), player.get(), controls.get());
        if (recorder && recorder->failed()) {
            status = 1;  // said when the first write failed
        }
        if (!astray.empty()) {
            say(astray);
            status = 3;
        } else if (const std::string apart = player ? player->endedApart(state) : "";
                   !apart.empty()) {
            say(apart);
            status = 3;
        }
    }
    if (const char* unread = pictures->finishReading()) {
        // Only a read error or a lack of memory, as its header was checked.
        say(std::string("cannot read the picture ") + unread);
        status = 1;
    }
    pictures.reset();
    pad.close();  // before the display library lets every joystick go
    shutDown(sound, presentation, fonts);
    return status;
}

}  // namespace qz
