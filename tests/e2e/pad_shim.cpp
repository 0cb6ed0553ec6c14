// A game pad for machines without one, preloaded into the game by the
// end-to-end tests. The display library reads a pad's events from the file
// SDL_JOYSTICK_DEVICE names, which can be a FIFO the test writes to, but
// asks the driver through ioctl for the pad's name and how many buttons it
// has (and sdl12-compat's library also for its maps of axes and buttons);
// this answers for the FIFO named in QZ_TEST_PAD, as the Linux joystick
// driver would, and passes every other call on.
#include <dlfcn.h>
#include <linux/joystick.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr unsigned char Axes = 4;  // the stick's two, and the hat's two
constexpr unsigned char Buttons = 12;
constexpr const char* Name = "Quillo Test Pad";

bool isTestPad(int fd) {
    const char* pad = std::getenv("QZ_TEST_PAD");
    if (!pad) {
        return false;
    }
    char target[512];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    return length > 0 && std::string(target, static_cast<std::size_t>(length)) == pad;
}

}  // namespace

extern "C" int ioctl(int fd, unsigned long request, ...) {
    va_list list;
    va_start(list, request);
    void* argument = va_arg(list, void*);
    va_end(list);
    if (isTestPad(fd)) {
        if (request == JSIOCGAXES) {
            *static_cast<unsigned char*>(argument) = Axes;
            return 0;
        }
        if (request == JSIOCGBUTTONS) {
            *static_cast<unsigned char*>(argument) = Buttons;
            return 0;
        }
        if (request == JSIOCGVERSION) {
            *static_cast<unsigned*>(argument) = JS_VERSION;
            return 0;
        }
        // The maps from the pad's axes and buttons to the driver's codes,
        // which sdl12-compat's library asks: a stick, a hat and buttons.
        if (_IOC_TYPE(request) == 'j' && _IOC_NR(request) == _IOC_NR(JSIOCGAXMAP)) {
            const unsigned char map[Axes] = {ABS_X, ABS_Y, ABS_HAT0X, ABS_HAT0Y};
            std::memset(argument, 0, _IOC_SIZE(request));
            std::memcpy(argument, map, sizeof map);
            return 0;
        }
        if (_IOC_TYPE(request) == 'j' && _IOC_NR(request) == _IOC_NR(JSIOCGBTNMAP)) {
            std::memset(argument, 0, _IOC_SIZE(request));
            auto* map = static_cast<unsigned short*>(argument);
            for (unsigned short b = 0; b < Buttons; ++b) {
                map[b] = static_cast<unsigned short>(BTN_GAMEPAD + b);
            }
            return 0;
        }
        if (_IOC_TYPE(request) == 'j' && _IOC_NR(request) == _IOC_NR(JSIOCGNAME(0))) {
            const std::size_t room = _IOC_SIZE(request);
            std::strncpy(static_cast<char*>(argument), Name, room);
            return static_cast<int>(std::strlen(Name));
        }
    }
    using Ioctl = int (*)(int, unsigned long, void*);
    static const auto next = reinterpret_cast<Ioctl>(dlsym(RTLD_NEXT, "ioctl"));
    return next(fd, request, argument);
}
