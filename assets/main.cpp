// quillo-asset-generator: draws every picture, synthesises every sound and
// writes the desktop icons of Quillo Zoruri into one data folder.
//
//   quillo-asset-generator <data-folder>
//   quillo-asset-generator --contact-sheet <data-folder> <out.png>

#include <cstdio>
#include <cstring>
#include <string>

#include "contact_sheet.h"
#include "desktop_icon.h"
#include "picture_catalogue.h"
#include "sound_catalogue.h"
#include "typefaces.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: quillo-asset-generator <data-folder>\n"
                 "       quillo-asset-generator --contact-sheet <data-folder> <out.png>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool ok = false;
    if (argc == 4 && std::strcmp(argv[1], "--contact-sheet") == 0) {
        ok = writeContactSheet(argv[2], argv[3]);
    } else if (argc == 2 && argv[1][0] != '-') {
        const std::string dataDir = argv[1];
        ok = writeAllPictures(dataDir) && writeAllSounds(dataDir) && writeDesktopIcons(dataDir);
    } else {
        return usage();
    }
    closeTypefaces();
    return ok ? 0 : 1;
}
