#pragma once

#include "update/TAnalizer.h"

#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace stub {

// The client windows on an X display, as the window manager lists them (_NET_CLIENT_LIST, else
// the windows carrying WM_STATE, else the top-level windows when no manager runs).
class X11Windows : public WindowQuery {
public:
    // Connects to the display named, or $DISPLAY when empty; check Connected().
    explicit X11Windows(const std::string& display = {});
    ~X11Windows() override;
    X11Windows(const X11Windows&) = delete;
    X11Windows& operator=(const X11Windows&) = delete;

    bool Connected() const;

    // The client windows whose _NET_WM_PID is pid, in the order the display lists them.
    std::vector<WindowId> WindowsOf(pid_t pid);

    // The main window of the process as TAnalizer picks it.
    std::optional<WindowId> MainWindowOf(pid_t pid);

    // Asks the window to close as its close button would (WM_DELETE_WINDOW).
    bool RequestClose(WindowId window);

    std::optional<WindowId> Owner(WindowId window) override;
    std::optional<WindowFacts> Facts(WindowId window) override;

private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
};

} // namespace stub
