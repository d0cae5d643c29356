#include "app/frmLogin.h"

#include "app/HelpWindow.h"
#include "config/AppTitle.h"
#include "config/SharedConfig.h"
#include "login/Password.h"
#include "store/DBAccess.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

frmLogin::frmLogin(DBAccess& db, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , db_(db)
    , prompter_(prompter)
    , lblTitle_(new QLabel(this))
    , lblLabels_(new QLabel(QStringLiteral("密码(&P):"), this))
    , txtPassword_(new QLineEdit(this))
    , cmdOK_(new QPushButton(QStringLiteral("确定"), this))
    , cmdCancel_(new QPushButton(QStringLiteral("关闭"), this)) {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("用户登录"));
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    lblLabels_->setObjectName(QStringLiteral("lblLabels"));
    txtPassword_->setObjectName(QStringLiteral("txtPassword"));
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));

    // The configuration is first read by the main window, so normally no icon is known yet.
    if (!sharedConfig().iconPath.isEmpty())
        setWindowIcon(QIcon(sharedConfig().iconPath));
    db_.Connect();
    lblTitle_->setText(applicationTitle());
    QFont titleFont = lblTitle_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    lblTitle_->setFont(titleFont);
    lblTitle_->setAlignment(Qt::AlignCenter);

    lblLabels_->setBuddy(txtPassword_);
    txtPassword_->setEchoMode(QLineEdit::Password);
    cmdOK_->setDefault(true);

    auto* fields = new QHBoxLayout;
    fields->addWidget(lblLabels_);
    fields->addWidget(txtPassword_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblTitle_, 0, 0);
    layout->addLayout(fields, 1, 0);
    layout->addLayout(buttons, 2, 0);
    layout->setSpacing(14);
    layout->setContentsMargins(24, 20, 24, 16);

    connect(cmdOK_, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { showProgramHelp(this, prompter_); });
    txtPassword_->setFocus();
}

void frmLogin::cmdOK_Click() {
    const LoginResult result = CheckLogin(db_, txtPassword_->text());
    if (result == LoginResult::Accepted) {
        accept();
        return;
    }
    const LoginMessage box = loginMessage(result);
    prompter_.message(box.title, box.text, box.icon);
    if (result != LoginResult::Empty)
        txtPassword_->clear();
    txtPassword_->setFocus();
    txtPassword_->selectAll();
}

void frmLogin::cmdCancel_Click() {
    reject();
}

void frmLogin::reject() {
    db_.Disconnect();
    QDialog::reject();
}
