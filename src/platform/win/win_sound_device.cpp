#include "platform/sound_device.h"

namespace qz {

// Windows' sound interfaces print nothing of their own.
void quietSoundDevice() {}

}  // namespace qz
