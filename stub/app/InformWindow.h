#pragma once

#include "app/SetupUi.h"

#include <QDialog>

#include <functional>

namespace stub {

// The announcement of a new version: the inform file's message as plain text and a button that
// opens the announced address and accepts. An address that is not http or https is never opened:
// the button then only accepts. Closing the window declines.
class InformWindow : public QDialog {
    Q_OBJECT
public:
    using Opener = std::function<bool(const std::string& address)>;
    InformWindow(const InformWindowText& inform, Opener opener);

private:
    void Follow();

    std::string address_;
    Opener opener_;
};

// Opens an address with the desktop's browser; refuses what IsOpenableAddress refuses.
bool OpenInformAddress(const std::string& address);

} // namespace stub
