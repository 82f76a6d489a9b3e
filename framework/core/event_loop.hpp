#pragma once

namespace framework {

// Long loops call this once per pass so that the windows can repaint while they run. Until a
// GUI installs its handler it does nothing.
void YieldToEventLoop();

using YieldHandler = void (*)();
void SetYieldHandler(YieldHandler handler);

}  // namespace framework
