// The page's entry. The game's main is compiled as qzGameMain; its status is
// handed to exit() here, because under ASYNCIFY a status main returns after
// its first wait is lost and the page would see 0.
#include <cstdlib>

int qzGameMain(int argc, char** argv);

int main(int argc, char** argv) {
    std::exit(qzGameMain(argc, argv));
}
