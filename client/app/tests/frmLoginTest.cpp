#include "app/frmLogin.h"
#include "config/SharedConfig.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The login dialog on a copy of the delivered database, driven through its control names.
class frmLoginTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString copy = dir.filePath(DBAccess::kFileName);
        ASSERT_TRUE(QFile::copy(QStringLiteral(PSD_TEST_USERDB), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        sharedConfig().programFolder = dir.path() + '/';
        db = std::make_unique<DBAccess>(sharedConfig().programFolder, prompter);
        login = std::make_unique<frmLogin>(*db, prompter);
        login->show();
    }

    template <typename T> T* control(const char* name) {
        T* found = login->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* password() { return control<QLineEdit>("txtPassword"); }

    void tryPassword(const QString& text) {
        password()->setText(text);
        control<QPushButton>("cmdOK")->click();
    }

    void expectOneBox(const char* title, const char* text, MsgIcon icon) {
        ASSERT_EQ(prompter.boxes().size(), 1u);
        const ScriptedPrompter::Box& box = prompter.boxes()[0];
        EXPECT_EQ(box.title, QString::fromUtf8(title));
        EXPECT_EQ(box.text, QString::fromUtf8(text));
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<DBAccess> db;
    std::unique_ptr<frmLogin> login;
};

TEST_F(frmLoginTest, ShowsItsControlsAndTexts) {
    EXPECT_EQ(login->windowTitle(), QStringLiteral("用户登录"));
    EXPECT_EQ(control<QLabel>("lblTitle")->text(),
              QStringLiteral("澄川银行企业网上银行批量制单工具v1.2"));
    EXPECT_EQ(control<QLabel>("lblLabels")->text(), QStringLiteral("密码(&P):"));
    EXPECT_EQ(control<QPushButton>("cmdOK")->text(), QStringLiteral("确定"));
    EXPECT_EQ(control<QPushButton>("cmdCancel")->text(), QStringLiteral("关闭"));
    EXPECT_EQ(password()->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(db->isConnected());
}

TEST_F(frmLoginTest, EmptyPasswordAsksForOne) {
    tryPassword(QString());
    expectOneBox("Error", "请输入密码!", MsgIcon::Warning);
    EXPECT_NE(login->result(), QDialog::Accepted);
    EXPECT_TRUE(login->isVisible());
}

TEST_F(frmLoginTest, RuleBreakingPasswordsAreRefusedAndCleared) {
    for (const char* text : {"123456789", "1234 678", "1234567!", "密码"}) {
        SCOPED_TRACE(text);
        prompter.clear();
        tryPassword(QString::fromUtf8(text));
        expectOneBox("Error", "密码输入错误", MsgIcon::Warning);
        EXPECT_TRUE(password()->text().isEmpty());
        EXPECT_NE(login->result(), QDialog::Accepted);
    }
}

TEST_F(frmLoginTest, WrongPasswordIsRefusedAndCleared) {
    for (const char* text : {"87654321", "1234567", "1234567A"}) {
        SCOPED_TRACE(text);
        prompter.clear();
        tryPassword(QString::fromUtf8(text));
        expectOneBox("登录", "无效的登录密码，请重试!", MsgIcon::None);
        EXPECT_TRUE(password()->text().isEmpty());
        EXPECT_NE(login->result(), QDialog::Accepted);
    }
}

TEST_F(frmLoginTest, RightPasswordIsAccepted) {
    tryPassword(QStringLiteral("12345678"));
    EXPECT_TRUE(prompter.boxes().empty());
    EXPECT_EQ(login->result(), QDialog::Accepted);
    EXPECT_FALSE(login->isVisible());
    EXPECT_TRUE(db->isConnected());
}

TEST_F(frmLoginTest, PasswordWhoseScrambleHoldsAQuoteWorks) {
    // "2x" scrambles to "'y".
    ASSERT_TRUE(
        db->Update(QStringLiteral("update logon_info set passwd=?"), {QStringLiteral("'y")}));
    tryPassword(QStringLiteral("2x"));
    EXPECT_TRUE(prompter.boxes().empty());
    EXPECT_EQ(login->result(), QDialog::Accepted);
}

TEST_F(frmLoginTest, CancelDisconnectsAndCloses) {
    control<QPushButton>("cmdCancel")->click();
    EXPECT_FALSE(db->isConnected());
    EXPECT_EQ(login->result(), QDialog::Rejected);
    EXPECT_FALSE(login->isVisible());
}

TEST_F(frmLoginTest, ClosingTheWindowDisconnects) {
    login->close();
    EXPECT_FALSE(db->isConnected());
    EXPECT_EQ(login->result(), QDialog::Rejected);
}

TEST_F(frmLoginTest, F1OpensTheHelpPage) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("help"));
    QFile page(dir.filePath("help/index.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body>帮助</body></html>");
    page.close();
    auto* f1 = login->findChild<QShortcut*>();
    ASSERT_NE(f1, nullptr);
    EXPECT_EQ(f1->key(), QKeySequence(Qt::Key_F1));
    emit f1->activated();
    auto* help = login->findChild<QWidget*>(QStringLiteral("frmHelp"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(frmLoginTest, F1WithoutHelpFileSaysSo) {
    emit login->findChild<QShortcut*>()->activated();
    ASSERT_EQ(prompter.boxes().size(), 1u);
    EXPECT_TRUE(prompter.boxes()[0].text.contains(QStringLiteral("help/index.html")));
}

} // namespace
