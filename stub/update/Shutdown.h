#pragma once

#include "update/TAnalizer.h"

#include <optional>
#include <string>

namespace stub {

// The main window of the running product, on the display named ($DISPLAY when empty); nullopt
// when it does not run, shows no window worth a score, or there is no display.
std::optional<WindowId> FindMainWindow(const std::string& exePath, const std::string& display = {});

enum class ProcessMessage {
    Close, // the close button of the main window
    Quit,  // the program is asked to end
};

// Posts to the running product: Close goes to its main window (WM_DELETE_WINDOW); without any
// display it becomes SIGTERM. Quit is SIGTERM. True when something was posted.
bool PostToProcess(const std::string& exePath, ProcessMessage message,
                   const std::string& display = {});

// The shutdown methods of the update: close the main window, ask the program to end, and end
// it outright (SIGKILL). Only processes of this user are ever signalled; a path holding "/"
// matches by its path only, never another program of the same file name.
bool CloseProcess(const std::string& exePath, const std::string& display = {});
bool QuitProcess(const std::string& exePath);
bool TerminateProcess(const std::string& exePath);

} // namespace stub
