#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>

class Prompter;
class QTextBrowser;

// The program's own help window: shows help/index.html of the program folder and the pages it
// links to.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the start page; false when the file is missing.
    bool showStartPage(const QString& indexFile);

protected:
    // Esc closes it, as it does every other window of the program.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
};

// Where the help window opens: its wanted size, no larger than the screen's available area allows
// with the window frame, centred over its owner's frame and then moved wholly inside the area.
// The result is the window's geometry without the frame.
QRect helpWindowGeometry(const QRect& available, const QRect& ownerFrame, const QSize& wanted,
                         const QMargins& frame);

// Shows help/index.html of the program folder in the owner's help window, made on first use. A
// missing file is reported through the prompter.
void showProgramHelp(QWidget* owner, Prompter& prompter);

// F1 while a dialog holds the application modally: the main window's F1 is blocked then, so the
// key is caught here and the help opens over the dialog, where it can be used.
class ModalHelpKey : public QObject {
public:
    ModalHelpKey(Prompter& prompter, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Prompter& prompter_;
};
