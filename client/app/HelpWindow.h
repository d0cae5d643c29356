#pragma once

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

private:
    QTextBrowser* browser_;
};

// Shows help/index.html of the program folder in the owner's help window, made on first use. A
// missing file is reported through the prompter.
void showProgramHelp(QWidget* owner, Prompter& prompter);
