#include "app/Markup.h"
#include "app/ConsoleMessageBoxes.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace stub;

TEST(Markup, ParagraphsTabsAndBold) {
    auto plain = ApplyMarkup("one<p>two<T>three\\nfour");
    EXPECT_EQ(plain.text, "one\r\ntwo\tthree\r\nfour");
    EXPECT_TRUE(plain.bold.empty());

    auto bold = ApplyMarkup("a <b>bold</b> word and <B>more</B>");
    EXPECT_EQ(bold.text, "a bold word and more");
    ASSERT_EQ(bold.bold.size(), 2u);
    EXPECT_EQ(bold.bold[0], (std::pair<std::size_t, std::size_t>{2, 6}));
    EXPECT_EQ(bold.bold[1], (std::pair<std::size_t, std::size_t>{16, 20}));

    EXPECT_EQ(ApplyMarkup("stray</B> close").text, "stray close");
    EXPECT_TRUE(ApplyMarkup("stray</B> close").bold.empty());
}

TEST(Markup, CaptionOnTopOfABoxWithoutOwner) {
    const std::string text = WithCaptionOnTop("Go on?", "Confirm");
    EXPECT_EQ(text, "<<b>CONFIRM</b><P><P>Go on?<P>");
    auto marked = ApplyMarkup(text);
    EXPECT_EQ(marked.text, "CONFIRM\r\n\r\nGo on?\r\n");
    ASSERT_EQ(marked.bold.size(), 1u);
    EXPECT_EQ(marked.bold[0], (std::pair<std::size_t, std::size_t>{0, 7}));
    EXPECT_EQ(WithCaptionOnTop("x", "Setup"), "<<b>Setup</b><P><P>x<P>");
}

TEST(Markup, ButtonCaptions) {
    EXPECT_EQ(ButtonCaption("", 0), "OK");
    EXPECT_EQ(ButtonCaption("", 3), "No");
    EXPECT_EQ(ButtonCaption("|&Ja|&Abbrechen|", 1), "Abbrechen");
    EXPECT_EQ(ButtonCaption("|&Ja|&Abbrechen|", 2), "Yes");
}

TEST(ConsoleMessageBoxes, RendersPlainTextAndReadsAnswers) {
    std::ostringstream out;
    std::istringstream terminal("y\nno\nOK\n");
    ConsoleMessageBoxes boxes(&terminal, out);
    EXPECT_TRUE(boxes.AskYesNo("Continue with <B>Setup</B>?", "", 0, ""));
    EXPECT_FALSE(boxes.AskYesNo("Again?", "", 0, ""));
    EXPECT_TRUE(boxes.AskOkCancel("Insert disk", "Attention", 0, ""));
    EXPECT_FALSE(boxes.AskOkCancel("At the end of input", "", 0, ""));
    const std::string text = out.str();
    EXPECT_NE(text.find("CONFIRM\n\nContinue with Setup?\n[Yes / No] "), std::string::npos) << text;
    EXPECT_NE(text.find("ATTENTION\n\nInsert disk\n[OK / Cancel] "), std::string::npos) << text;
    EXPECT_EQ(text.find("<B>"), std::string::npos);
}

TEST(ConsoleMessageBoxes, WithoutTerminalEveryQuestionCancels) {
    std::ostringstream out;
    ConsoleMessageBoxes boxes(nullptr, out);
    EXPECT_FALSE(boxes.AskYesNo("q", "", 0, ""));
    EXPECT_FALSE(boxes.AskOkCancel("q", "", 0, ""));
    boxes.ShowError("Bad CRC!<P>damaged", "", 0, "");
    boxes.ShowInfo("note", "Hinweis", 0, 0, "");
    EXPECT_NE(out.str().find("ERROR\n\nBad CRC!\ndamaged\n"), std::string::npos);
    EXPECT_NE(out.str().find("Hinweis\n\nnote\n"), std::string::npos);
}

TEST(Markup, TextFromOutsideIsShownAsItStands) {
    auto marked =
        ApplyMarkup("<b>File</b>: " + LiteralText("<img src=x> <P>a\\n<B>x</B>\x1b") + "<P>");
    EXPECT_EQ(marked.text, "File: <img src=x> <P>a\\n<B>x</B>\x1b\r\n");
    ASSERT_EQ(marked.bold.size(), 1u);
    EXPECT_EQ(marked.bold[0], (std::pair<std::size_t, std::size_t>{0, 4}));
    // Only a leading "<<b>" loses its first "<"; an unclosed bold tag is dropped.
    EXPECT_EQ(ApplyMarkup("a <<b>b").text, "a <b");
    EXPECT_EQ(ApplyMarkup("<<b>x</B> <b>open").text, "x open");
}
