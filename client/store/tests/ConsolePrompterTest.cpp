#include "store/ConsolePrompter.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Captures what the prompter writes into a temporary stream.
class Captured {
public:
    Captured()
        : file_(std::tmpfile()) {}
    ~Captured() { std::fclose(file_); }
    std::FILE* file() { return file_; }
    QString text() {
        std::rewind(file_);
        QByteArray bytes;
        char buffer[256];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0)
            bytes.append(buffer, static_cast<qsizetype>(n));
        return QString::fromUtf8(bytes);
    }

private:
    std::FILE* file_;
};

TEST(ConsolePrompter, AnswersQuestionsFromTheFlag) {
    const struct {
        bool yes;
        MsgButtons buttons;
        MsgAnswer expected;
    } cases[] = {
        {false, MsgButtons::Ok, MsgAnswer::Ok},
        {true, MsgButtons::Ok, MsgAnswer::Ok},
        {false, MsgButtons::OkCancel, MsgAnswer::Cancel},
        {true, MsgButtons::OkCancel, MsgAnswer::Ok},
        {false, MsgButtons::YesNo, MsgAnswer::No},
        {true, MsgButtons::YesNo, MsgAnswer::Yes},
        {false, MsgButtons::YesNoCancel, MsgAnswer::No},
        {true, MsgButtons::YesNoCancel, MsgAnswer::Yes},
    };
    for (const auto& c : cases) {
        Captured out;
        ConsolePrompter prompter(c.yes, out.file());
        EXPECT_EQ(prompter.message("t", "q", MsgIcon::Question, c.buttons), c.expected);
    }
}

TEST(ConsolePrompter, PrintsEachBoxAsOneLine) {
    Captured out;
    ConsolePrompter prompter(false, out.file());
    prompter.message(QStringLiteral("Database error"), QStringLiteral("找不到数据库文件"),
                     MsgIcon::Critical, MsgButtons::Ok);
    prompter.message(QStringLiteral("确认"), QStringLiteral("继续?"), MsgIcon::Question,
                     MsgButtons::OkCancel);
    EXPECT_EQ(out.text(), QStringLiteral("Database error: 找不到数据库文件\n确认: 继续? [取消]\n"));
}

TEST(ConsolePrompter, ChoosersAreCancelled) {
    Captured out;
    ConsolePrompter prompter(true, out.file());
    EXPECT_TRUE(prompter.saveFileName("保存", "*.plz", "/tmp").isEmpty());
    EXPECT_TRUE(prompter.openFileName("打开", "*.plz", "/tmp").isEmpty());
    EXPECT_EQ(out.text().count('\n'), 2);
}

} // namespace
