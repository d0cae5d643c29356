#include "app/frmPasswd.h"

#include "config/AppTitle.h"
#include "config/SharedConfig.h"
#include "store/Prompter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* passwordBox(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QLabel* boxLabel(QWidget* parent, const char* name, const QString& text, QLineEdit* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

} // namespace

frmPasswd::frmPasswd(DBAccess& db, Prompter& prompter, QWidget* parent)
    : EnterMovesOn(parent)
    , db_(db)
    , prompter_(prompter)
    , txtCurPasswd_(passwordBox(this, "txtCurPasswd"))
    , txtNewPasswd_(passwordBox(this, "txtNewPasswd"))
    , txtReNewPasswd_(passwordBox(this, "txtReNewPasswd"))
    , cmdModify_(new QPushButton(QStringLiteral("修改(&M)"), this))
    , cmdClose_(new QPushButton(QStringLiteral("关闭(&C)"), this)) {
    setObjectName(QStringLiteral("frmPasswd"));
    setWindowTitle(applicationTitle() + QStringLiteral(" 修改登录密码"));
    if (!sharedConfig().iconPath.isEmpty())
        setWindowIcon(QIcon(sharedConfig().iconPath));
    cmdModify_->setObjectName(QStringLiteral("cmdModify"));
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdModify_->setDefault(true);

    auto* frame = new QGroupBox(QStringLiteral("登录密码"), this);
    frame->setObjectName(QStringLiteral("fraPasswd"));
    auto* grid = new QGridLayout(frame);
    const struct {
        const char* name;
        const char* text;
        QLineEdit* box;
    } rows[] = {
        {"lblCurPasswd", "当前登录密码：", txtCurPasswd_},
        {"lblNewPasswd", "新登录密码：", txtNewPasswd_},
        {"lblReNewPasswd", "确认新登录密码：", txtReNewPasswd_},
    };
    int row = 0;
    for (const auto& line : rows) {
        grid->addWidget(boxLabel(frame, line.name, QString::fromUtf8(line.text), line.box), row, 0);
        grid->addWidget(line.box, row++, 1);
        line.box->setMinimumWidth(180);
        moveOnEnter(line.box);
    }
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdModify_);
    buttons->addWidget(cmdClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(cmdModify_, &QPushButton::clicked, this, &frmPasswd::cmdModify_Click);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::reject);
    txtCurPasswd_->setFocus();
}

QLineEdit* frmPasswd::box(PasswdBox which) const {
    switch (which) {
    case PasswdBox::Current:
        return txtCurPasswd_;
    case PasswdBox::New:
        return txtNewPasswd_;
    case PasswdBox::ReNew:
        break;
    }
    return txtReNewPasswd_;
}

void frmPasswd::cmdModify_Click() {
    const PasswordChangeOutcome outcome =
        ChangePassword(db_, txtCurPasswd_->text(), txtNewPasswd_->text(), txtReNewPasswd_->text());
    prompter_.message(applicationTitle(), outcome.message);
    if (outcome.changed) {
        accept();
        return;
    }
    for (const PasswdBox cleared : outcome.cleared)
        box(cleared)->clear();
    if (outcome.focus) {
        box(*outcome.focus)->setFocus();
        if (outcome.selectAll)
            box(*outcome.focus)->selectAll();
    }
}
