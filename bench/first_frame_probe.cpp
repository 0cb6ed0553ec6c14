// A probe preloaded into the shipped game (LD_PRELOAD) to tell, from
// outside the program, when its first frame was presented: it stands in
// front of the display library's SDL_Flip and SDL_UpdateRects, lets the
// first call through, then writes one line to the file named by
// QZ_FIRST_FRAME_FILE:
//
//   <CLOCK_MONOTONIC ns> <process CPU ns> <main thread CPU ns> <VmHWM kB>
//
// The game itself is not changed, and a build from before this probe can be
// measured the same way.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

struct SDL_Surface;
struct SDL_Rect;

namespace {

bool reported = false;

long long nanos(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long peakKb() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    long kb = -1;
    char line[256];
    while (status && std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            kb = std::atol(line + 6);
        }
    }
    if (status) {
        std::fclose(status);
    }
    return kb;
}

void reportOnce() {
    if (reported) {
        return;
    }
    reported = true;
    const long long at = nanos(CLOCK_MONOTONIC);
    const long long cpu = nanos(CLOCK_PROCESS_CPUTIME_ID);
    const long long mainCpu = nanos(CLOCK_THREAD_CPUTIME_ID);
    const char* name = std::getenv("QZ_FIRST_FRAME_FILE");
    if (std::FILE* out = name ? std::fopen(name, "w") : nullptr) {
        std::fprintf(out, "%lld %lld %lld %ld\n", at, cpu, mainCpu, peakKb());
        std::fclose(out);
    }
}

template <typename Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int SDL_Flip(SDL_Surface* screen) {
    static const auto flip = next<int (*)(SDL_Surface*)>("SDL_Flip");
    const int result = flip(screen);
    reportOnce();
    return result;
}

extern "C" void SDL_UpdateRects(SDL_Surface* screen, int count, SDL_Rect* rects) {
    static const auto update = next<void (*)(SDL_Surface*, int, SDL_Rect*)>("SDL_UpdateRects");
    update(screen, count, rects);
    reportOnce();
}
