#include "app/frmPasswd.h"
#include "app/tests/DialogFixture.h"
#include "login/Password.h"
#include "store/DBAccess.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

// The password change dialog on a copy of the delivered database (password 12345678).
class frmPasswdTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        db_ = std::make_unique<DBAccess>(folder(), prompter_);
        dialog_ = std::make_unique<frmPasswd>(*db_, prompter_);
        showActive(*dialog_);
    }

    QLineEdit* box(const char* name) const {
        return control<QLineEdit>(*dialog_, QLatin1String(name));
    }
    void fill(const char* current, const char* next, const char* repeated) const {
        box("txtCurPasswd")->setText(QString::fromUtf8(current));
        box("txtNewPasswd")->setText(QString::fromUtf8(next));
        box("txtReNewPasswd")->setText(QString::fromUtf8(repeated));
    }
    void attempt(const char* current, const char* next, const char* repeated) {
        fill(current, next, repeated);
        control<QPushButton>(*dialog_, QStringLiteral("cmdModify"))->click();
    }
    QStringList storedPasswords() const {
        return home_.rows(QStringLiteral("select passwd from logon_info"));
    }

    std::unique_ptr<DBAccess> db_;
    std::unique_ptr<frmPasswd> dialog_;
};

TEST_F(frmPasswdTest, ShowsItsControlsWithMaskedBoxes) {
    EXPECT_EQ(dialog_->windowTitle(),
              QStringLiteral("澄川银行企业网上银行批量制单工具v1.2 修改登录密码"));
    EXPECT_EQ(control<QGroupBox>(*dialog_, QStringLiteral("fraPasswd"))->title(),
              QStringLiteral("登录密码"));
    const struct {
        const char* label;
        const char* text;
        const char* box;
    } rows[] = {{"lblCurPasswd", "当前登录密码：", "txtCurPasswd"},
                {"lblNewPasswd", "新登录密码：", "txtNewPasswd"},
                {"lblReNewPasswd", "确认新登录密码：", "txtReNewPasswd"}};
    for (const auto& row : rows) {
        EXPECT_EQ(control<QLabel>(*dialog_, QLatin1String(row.label))->text(),
                  QString::fromUtf8(row.text));
        EXPECT_EQ(box(row.box)->echoMode(), QLineEdit::Password) << row.box;
    }
    EXPECT_TRUE(box("txtCurPasswd")->hasFocus());
}

// Each refused step: its message, the boxes it empties and where the focus goes.
TEST_F(frmPasswdTest, EachStepRefusesWithItsMessageClearingAndFocus) {
    const struct {
        const char* current;
        const char* next;
        const char* repeated;
        const char* message;
        const char* after[3]; // the boxes' texts afterwards
        const char* focus;
        bool selected;
    } steps[] = {
        {"", "abc", "abc", "请输入当前登录密码", {"", "abc", "abc"}, "txtCurPasswd", false},
        {"12 45",
         "abc",
         "abc",
         "当前密码中存在非数字与字母,请重新输入",
         {"", "abc", "abc"},
         "txtCurPasswd",
         false},
        {"1234567!",
         "abc",
         "abc",
         "当前密码中存在非数字与字母,请重新输入",
         {"", "abc", "abc"},
         "txtCurPasswd",
         false},
        {"12345678", "", "abc", "请输入新登录密码", {"12345678", "", "abc"}, "txtNewPasswd", false},
        {"12345678",
         "123456789",
         "123456789",
         "新登录中存在非数字与字母,请重新输入",
         {"12345678", "", ""},
         "txtNewPasswd",
         false},
        {"12345678",
         "密码",
         "密码",
         "新登录中存在非数字与字母,请重新输入",
         {"12345678", "", ""},
         "txtNewPasswd",
         false},
        {"12345678",
         "abc",
         "",
         "请输入确认新登录密码",
         {"12345678", "abc", ""},
         "txtReNewPasswd",
         false},
        {"12345678",
         "abc",
         "abC",
         "两次新登录密码不一致，请重新输入新密码",
         {"12345678", "abc", ""},
         "txtReNewPasswd",
         false},
        {"12345678",
         "12345678",
         "12345678",
         "新密码与当前登录密码一致，请重新输入新密码",
         {"12345678", "", ""},
         "txtNewPasswd",
         false},
        {"87654321",
         "abc",
         "abc",
         "当前密码错误，请从新输入当前登录密码",
         {"87654321", "abc", "abc"},
         "txtCurPasswd",
         true},
    };
    const QStringList before = storedPasswords();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.message);
        prompter_.clear();
        box("txtReNewPasswd")->setFocus();
        attempt(step.current, step.next, step.repeated);
        ASSERT_EQ(prompter_.boxes().size(), 1u);
        const ScriptedPrompter::Box& shown = prompter_.boxes().front();
        EXPECT_EQ(shown.text, QString::fromUtf8(step.message));
        EXPECT_EQ(shown.title, QStringLiteral("澄川银行企业网上银行批量制单工具v1.2"));
        EXPECT_EQ(shown.icon, MsgIcon::None);
        EXPECT_EQ(shown.buttons, MsgButtons::Ok);
        const char* names[] = {"txtCurPasswd", "txtNewPasswd", "txtReNewPasswd"};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(box(names[i])->text(), QString::fromUtf8(step.after[i])) << names[i];
        EXPECT_TRUE(box(step.focus)->hasFocus());
        EXPECT_EQ(box(step.focus)->hasSelectedText(), step.selected);
        EXPECT_TRUE(dialog_->isVisible());
    }
    EXPECT_EQ(storedPasswords(), before);
}

TEST_F(frmPasswdTest, EnterInABoxMovesOnInsteadOfChanging) {
    fill("12345678", "abc", "abc");
    box("txtCurPasswd")->setFocus();
    for (const char* next : {"txtNewPasswd", "txtReNewPasswd"}) {
        pressEnter();
        EXPECT_TRUE(box(next)->hasFocus()) << next;
    }
    EXPECT_TRUE(prompter_.boxes().empty());
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(storedPasswords(), QStringList{ScramblePassword(QStringLiteral("12345678"))});
}

TEST_F(frmPasswdTest, ANewPasswordReplacesTheOldOneAtTheNextLogin) {
    home_.sql(QStringLiteral("insert into logon_info(passwd) values('second row')"));
    attempt("12345678", "Abc123", "Abc123");
    EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("密码修改成功")});
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(storedPasswords(), QStringList(2, ScramblePassword(QStringLiteral("Abc123"))));

    DBAccess next(folder(), prompter_);
    EXPECT_EQ(CheckLogin(next, QStringLiteral("12345678")), LoginResult::NoMatch);
    EXPECT_EQ(CheckLogin(next, QStringLiteral("Abc123")), LoginResult::Accepted);
}

TEST_F(frmPasswdTest, NewPasswordDifferingOnlyInCaseIsAccepted) {
    home_.sql(QStringLiteral("update logon_info set passwd='") + ScramblePassword("abcdef") + "'");
    attempt("abcdef", "ABCDEF", "ABCDEF");
    EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("密码修改成功")});
}

TEST_F(frmPasswdTest, AFailedUpdateKeepsTheDialogOpenAndThePassword) {
    home_.sql(QStringLiteral("create trigger refuse before update on logon_info begin "
                             "select raise(abort, 'locked'); end"));
    attempt("12345678", "abc", "abc");
    ASSERT_EQ(prompter_.boxes().size(), 2u);
    EXPECT_EQ(prompter_.boxes()[0].title, QStringLiteral("SQL error"));
    EXPECT_EQ(prompter_.boxes()[1].text, QStringLiteral("修改密码失败"));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(storedPasswords(), QStringList{ScramblePassword(QStringLiteral("12345678"))});
}

TEST_F(frmPasswdTest, CloseChangesNothing) {
    fill("12345678", "abc", "abc");
    control<QPushButton>(*dialog_, QStringLiteral("cmdClose"))->click();
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_TRUE(prompter_.boxes().empty());
    EXPECT_EQ(storedPasswords(), QStringList{ScramblePassword(QStringLiteral("12345678"))});
}

} // namespace
