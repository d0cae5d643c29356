#pragma once

#include "app/ConsoleMessageBoxes.h"
#include "app/SetupUi.h"

namespace stub {

// The setup run on a console: boxes and the progress text on the error stream.
class ConsoleSetupUi : public SetupUi {
public:
    ConsoleSetupUi();
    MessageBoxes& Boxes() override { return boxes_; }
    void SetProgressText(const std::string& text, const LanguageFont& font) override;
    void ShowBusyBar() override {}
    void ShowProgress(bool shown) override;
    OnProgress ProgressCallback() override { return {}; }
    void Wait(int ms) override;
    bool ShowInform(const InformWindowText& inform) override;
    bool CloseAsked() const override { return false; }

private:
    ConsoleMessageBoxes boxes_;
    std::string text_;
    bool shown_ = false;
};

} // namespace stub
