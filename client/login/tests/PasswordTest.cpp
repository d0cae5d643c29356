#include "login/Password.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(IsPasswordText, AcceptsOneToEightAsciiLettersAndDigits) {
    for (const char* text : {"1", "a", "Z", "12345678", "aZ09zA9", "abcdefgh"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(IsPasswordText(QString::fromUtf8(text)));
    }
}

TEST(IsPasswordText, RefusesEverythingElse) {
    for (const char* text : {"", "123456789", "1234 678", " ", "abc!", "a-b", "a_b", "a'b", "a.b",
                             "密码", "ａ", "é", "/", ":", "@", "[", "`", "{"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(IsPasswordText(QString::fromUtf8(text)));
    }
}

// Expected texts worked out from the scrambling rule by hand (seed, generator, shift).
TEST(ScramblePassword, GivesTheKnownTexts) {
    const struct {
        const char* password;
        const char* scrambled;
    } cases[] = {
        {"a", "!"},
        {"A", "`"},
        {"1", "P"},
        {"abc", "qJc"},
        {"ABC", "R[*"},
        {"Zz9", "px<"},
        {"g", "'"},
        {"2x", "'y"},
        {"12345678", "pjl?8Km%"},
        {"password", "v`B*@lR6"},
        {"1234567", "Yx|uAsI"},
        {"abc123", "asTM 9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.password);
        EXPECT_EQ(ScramblePassword(QString::fromUtf8(c.password)), QString::fromUtf8(c.scrambled));
    }
}

TEST(ScramblePassword, IsDeterministic) {
    for (const char* text : {"12345678", "Zz9", "q"})
        EXPECT_EQ(ScramblePassword(text), ScramblePassword(text));
}

TEST(ScramblePassword, DifferentLengthsNeverMatch) {
    const QString full = QStringLiteral("12345678");
    QStringList seen;
    for (int length = 1; length <= 8; ++length) {
        const QString scrambled = ScramblePassword(full.left(length));
        EXPECT_EQ(scrambled.size(), length);
        EXPECT_FALSE(seen.contains(scrambled));
        seen << scrambled;
    }
}

TEST(ScramblePassword, CaseMatters) {
    const QStringList variants = {"abc123", "Abc123", "ABC123", "aBc123"};
    QStringList scrambled;
    for (const QString& text : variants)
        scrambled << ScramblePassword(text);
    scrambled.removeDuplicates();
    EXPECT_EQ(scrambled.size(), variants.size());
}

TEST(ScramblePassword, DropsCharactersOutsidePrintableAscii) {
    // The tab still counts in the seed, so the result differs from "ab".
    EXPECT_EQ(ScramblePassword(QStringLiteral("a\tb")), QStringLiteral("3j"));
    EXPECT_EQ(ScramblePassword(QStringLiteral("ab")), QStringLiteral("e "));
    EXPECT_EQ(ScramblePassword(QStringLiteral("aéb")), QStringLiteral("hL"));
}

TEST(ScramblePassword, StaysPrintableAscii) {
    const QString scrambled = ScramblePassword(QStringLiteral("~~~~~~~~"));
    for (const QChar c : scrambled) {
        EXPECT_GE(c.unicode(), 32);
        EXPECT_LE(c.unicode(), 126);
    }
}

// CheckLogin on a copy of the delivered database.
class CheckLoginTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString copy = dir.filePath(DBAccess::kFileName);
        ASSERT_TRUE(QFile::copy(qEnvironmentVariable("PSD_USERDB"), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        db = std::make_unique<DBAccess>(dir.path() + '/', prompter);
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<DBAccess> db;
};

TEST_F(CheckLoginTest, DeliveredPasswordOpens) {
    EXPECT_EQ(CheckLogin(*db, QStringLiteral("12345678")), LoginResult::Accepted);
    EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(CheckLoginTest, WrongPasswordsFindNoRow) {
    for (const char* text : {"1234567", "87654321", "1234567A", "a"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(CheckLogin(*db, QString::fromUtf8(text)), LoginResult::NoMatch);
    }
    EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(CheckLoginTest, RefusedTextsNeverReachTheDatabase) {
    // Without the table any query would show "SQL error".
    ASSERT_TRUE(db->Update(QStringLiteral("drop table logon_info")));
    EXPECT_EQ(CheckLogin(*db, QString()), LoginResult::Empty);
    for (const char* text : {"123456789", "1234 678", "1234567!", "12'45678"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(CheckLogin(*db, QString::fromUtf8(text)), LoginResult::BreaksRule);
    }
    EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(CheckLoginTest, ScrambledTextWithAQuoteStillMatches) {
    ASSERT_EQ(ScramblePassword(QStringLiteral("2x")), QStringLiteral("'y"));
    ASSERT_TRUE(
        db->Update(QStringLiteral("update logon_info set passwd=?"), {QStringLiteral("'y")}));
    EXPECT_EQ(CheckLogin(*db, QStringLiteral("2x")), LoginResult::Accepted);
    EXPECT_EQ(CheckLogin(*db, QStringLiteral("12345678")), LoginResult::NoMatch);
    EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(CheckLoginTest, FailedQueryCountsAsNoMatch) {
    ASSERT_TRUE(db->Update(QStringLiteral("drop table logon_info")));
    EXPECT_EQ(CheckLogin(*db, QStringLiteral("12345678")), LoginResult::NoMatch);
    ASSERT_EQ(prompter.boxes().size(), 1u);
    EXPECT_EQ(prompter.boxes()[0].title, QStringLiteral("SQL error"));
}

TEST(LoginMessage, NamesTheBoxOfEachRefusal) {
    const struct {
        LoginResult result;
        const char* title;
        const char* text;
        MsgIcon icon;
    } cases[] = {
        {LoginResult::Empty, "Error", "请输入密码!", MsgIcon::Warning},
        {LoginResult::BreaksRule, "Error", "密码输入错误", MsgIcon::Warning},
        {LoginResult::NoMatch, "登录", "无效的登录密码，请重试!", MsgIcon::None},
    };
    for (const auto& c : cases) {
        const LoginMessage box = loginMessage(c.result);
        EXPECT_EQ(box.title, QString::fromUtf8(c.title));
        EXPECT_EQ(box.text, QString::fromUtf8(c.text));
        EXPECT_EQ(box.icon, c.icon);
    }
}

} // namespace
