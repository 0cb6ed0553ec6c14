#include "platform/wait_schedule.h"

namespace qz {

void WaitSchedule::wake(double pageMs) {
    if (!waiting_) {
        return;
    }
    const double late = pageMs - (deadlineMs_ + baseMs_);
    if (late > CatchUpMs) {
        baseMs_ += late;
        lateMs_ = 0;
    } else {
        lateMs_ = late > 0 ? late : 0;
    }
}

WaitSchedule& pageSchedule() {
    static WaitSchedule schedule;
    return schedule;
}

}  // namespace qz
