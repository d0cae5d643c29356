#pragma once

#include "app/BoxLayout.h"
#include "app/SetupUi.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace stub {

// The stub's main window while it extracts: a text line, the main bar and the small busy bar,
// 492 x 110 pixels, centred on the work area; mirrored for right-to-left languages.
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(const std::string& caption);

    void SetText(const std::string& text, const LanguageFont& font);
    void ShowBusyBar();
    // The progress callback of extraction: kind 0 sets the bars up, kind 1 advances them.
    void OnProgress(int kind, long long low, long long high, int step, long long position);
    const ProgressBars& Bars() const { return bars_; }
    // The user closed the window: the run is to be cancelled.
    bool CloseAsked() const { return closeAsked_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Draw();
    void Place(bool rightToLeft);

    QLabel* text_;
    QProgressBar* main_;
    QProgressBar* busy_;
    ProgressBars bars_;
    bool closeAsked_ = false;
};

} // namespace stub
