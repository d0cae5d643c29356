#pragma once

#include "app/KMsgBox.h"
#include "app/ProgressWindow.h"
#include "app/SetupUi.h"

namespace stub {

// The setup run with a display: the stub's boxes and its progress window.
class QtSetupUi : public SetupUi {
public:
    QtSetupUi(const std::string& caption, const LanguageFont& font);
    MessageBoxes& Boxes() override { return boxes_; }
    void SetProgressText(const std::string& text, const LanguageFont& font) override;
    void ShowBusyBar() override { window_.ShowBusyBar(); }
    void ShowProgress(bool shown) override { window_.setVisible(shown); }
    OnProgress ProgressCallback() override;
    void Wait(int ms) override;
    bool ShowInform(const InformWindowText& inform) override;
    bool CloseAsked() const override { return window_.CloseAsked(); }

private:
    QtMessageBoxes boxes_;
    ProgressWindow window_;
};

} // namespace stub
