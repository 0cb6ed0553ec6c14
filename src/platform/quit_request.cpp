#include "platform/quit_request.h"

#include <atomic>

namespace qz {
namespace {

std::atomic<bool> asked{false};

}  // namespace

void requestQuit() {
    asked.store(true);
}

bool takeQuitRequest() {
    return asked.exchange(false);
}

}  // namespace qz
