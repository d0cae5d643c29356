#pragma once

namespace stub {

// SIGTERM, SIGINT and SIGHUP ask the program to close, the way closing its window would, so that
// it can remove what it made before it ends.
void WatchCloseSignals();
bool CloseRequested();

} // namespace stub
