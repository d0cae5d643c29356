#pragma once

namespace stub {

// Waits ms milliseconds in the Qt event loop, so that windows and endpoints go on answering;
// 0 handles what is pending and returns.
void PumpFor(int ms);

} // namespace stub
