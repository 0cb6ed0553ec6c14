#include "sound_catalogue.h"

#include <cstdio>
#include <filesystem>

bool writeAllSounds(const std::string& dataDir) {
    const std::filesystem::path folder(dataDir);
    const struct {
        const char* file;
        StereoBuffer (*make)();
    } sounds[] = {{"ufo-sound.wav", makeShipHum},
                  {"drop.wav", makeDrop},
                  {"crunko-piece.wav", makeCandyCrunch},
                  {"quillo-theme.wav", makeTitleTheme},
                  {"assist-piece-found.wav", makePieceFound},
                  {"assist-piece-taken.wav", makePieceTaken},
                  {"assist-capture.wav", makeCapture},
                  {"assist-flower.wav", makeFlowerRevived},
                  {"assist-jorrin.wav", makeJorrinComing},
                  {"assist-ship-called.wav", makeShipCalled},
                  {"assist-win.wav", makeWin},
                  {"assist-loss.wav", makeLoss}};
    for (const auto& sound : sounds) {
        const std::string path = (folder / sound.file).string();
        if (!writeWav(path, sound.make())) {
            std::fprintf(stderr, "quillo-asset-generator: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
