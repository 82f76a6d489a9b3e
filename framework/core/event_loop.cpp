#include "framework/core/event_loop.hpp"

namespace framework {

namespace {
YieldHandler yieldHandler = nullptr;
}

void YieldToEventLoop() {
  if (yieldHandler != nullptr) yieldHandler();
}

void SetYieldHandler(YieldHandler handler) { yieldHandler = handler; }

}  // namespace framework
