// Quillo Zoruri: a stranded alien, three phone pieces, and the way home.
#include "frame/startup.h"

int main(int /*argc*/, char** /*argv*/) {
    return qz::runGame();
}
