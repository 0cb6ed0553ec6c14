#include <dlfcn.h>

#include "platform/sound_device.h"

namespace qz {
namespace {

// ALSA's own error handler prints several lines on a machine without a sound
// card before our one warning, which reads like a crash. The display library
// loads ALSA at run time, so ours does the same, and the process shares one copy.
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void quietSoundDevice() {
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (!alsa) {
        return;
    }
    using SetHandler = int (*)(AlsaErrorHandler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
        set(ignoreAlsaError);
    }
    // Kept loaded: the handler must stay in place while the device is open.
}

}  // namespace qz
