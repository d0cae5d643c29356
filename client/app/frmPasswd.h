#pragma once

#include "login/PasswordChange.h"

#include <QDialog>

class DBAccess;
class Prompter;
class QLineEdit;
class QPushButton;

// The password change dialog: the current password, the new one twice, checked step by step;
// closes after a successful change.
class frmPasswd : public QDialog {
    Q_OBJECT
public:
    frmPasswd(DBAccess& db, Prompter& prompter, QWidget* parent = nullptr);

    void cmdModify_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

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
