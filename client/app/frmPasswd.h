#pragma once

#include "app/EnterMovesOn.h"
#include "login/PasswordChange.h"

class DBAccess;
class Prompter;
class QLineEdit;
class QPushButton;

// The password change dialog: the current password, the new one twice, checked step by step;
// closes after a successful change.
class frmPasswd : public EnterMovesOn {
    Q_OBJECT
public:
    frmPasswd(DBAccess& db, Prompter& prompter, QWidget* parent = nullptr);

    void cmdModify_Click();

private:
    QLineEdit* box(PasswdBox which) const;

    DBAccess& db_;
    Prompter& prompter_;
    QLineEdit* txtCurPasswd_;
    QLineEdit* txtNewPasswd_;
    QLineEdit* txtReNewPasswd_;
    QPushButton* cmdModify_;
    QPushButton* cmdClose_;
};
