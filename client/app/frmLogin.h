#pragma once

#include <QDialog>

class DBAccess;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

// The login dialog: accepted when the password's scrambled form is in logon_info. Cancelling or
// closing it disconnects the record store.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    frmLogin(DBAccess& db, Prompter& prompter, QWidget* parent = nullptr);

    void cmdOK_Click();
    void cmdCancel_Click();
    void reject() override;

private:
    DBAccess& db_;
    Prompter& prompter_;
    QLabel* lblTitle_;
    QLabel* lblLabels_;
    QLineEdit* txtPassword_;
    QPushButton* cmdOK_;
    QPushButton* cmdCancel_;
};
