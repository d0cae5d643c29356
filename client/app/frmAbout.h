#pragma once

#include <QDialog>

class Prompter;

// The about box: the program's title, version and purpose, and a button that starts the system
// information program.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Prompter& prompter, QWidget* parent = nullptr);

    void cmdSysInfo_Click();

private:
    Prompter& prompter_;
};
