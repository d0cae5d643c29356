#pragma once

namespace stub {

// A display can be reached: the X server named by DISPLAY answers on its local socket (a
// remote one is taken on trust), or the Wayland socket named by WAYLAND_DISPLAY is there.
bool DisplayReachable();

} // namespace stub
