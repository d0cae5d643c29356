#pragma once

#include "package/MessageBoxes.h"
#include "package/Progress.h"

#include <string>

namespace stub {

// The font of the package's language.
struct LanguageFont {
    std::string face = "Tahoma";
    int size = 8;
    int charset = 0;
};

// The announcement of a new version: its message, and a button leading to the address.
struct InformWindowText {
    std::string caption;
    std::string button;
    std::string address; // opened only when IsOpenableAddress accepts it
    std::string message; // from the inform file: shown as plain text
    int width = 360;
    int height = 0; // 0: as the message needs
    LanguageFont font;
};

// What a setup run shows: its message boxes, the progress window with its busy bar, and waits
// that keep the windows alive. A window form with a display, a console form without one.
class SetupUi {
public:
    virtual ~SetupUi() = default;
    virtual MessageBoxes& Boxes() = 0;
    virtual void SetProgressText(const std::string& text, const LanguageFont& font) = 0;
    virtual void ShowBusyBar() = 0;
    virtual void ShowProgress(bool shown) = 0;
    virtual OnProgress ProgressCallback() = 0;
    // Waits ms milliseconds while window events go on.
    virtual void Wait(int ms) = 0;
    // True when the user accepted the announcement (closed it with its button or OK).
    virtual bool ShowInform(const InformWindowText& inform) = 0;
    // The user asked to close the run (closed its window).
    virtual bool CloseAsked() const = 0;
};

} // namespace stub
