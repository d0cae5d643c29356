#include "app/BoxLayout.h"
#include "app/InformWindow.h"
#include "app/KMsgBox.h"
#include "app/Markup.h"
#include "app/ProgressWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

using namespace stub;

namespace {

bool BoldAt(QTextEdit* view, int position) {
    QTextCursor cursor(view->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().fontWeight() == QFont::Bold;
}

} // namespace

TEST(BoxLayout, LongLinesCountAsWrapped) {
    struct Case {
        std::vector<int> widths;
        int width;
        int height;
    };
    const std::vector<Case> cases = {
        {{1200}, 600, 32}, {{100}, 110, 16}, {{601, 50}, 600, 48}, {{0, 0}, 10, 32}, {{}, 10, 16},
    };
    for (const auto& c : cases) {
        const auto size = MeasureBoxText(c.widths, 16);
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
    }
}

TEST(KMsgBox, MarkupBoldCaptionButtonsAndTextFromOutside) {
    const std::string text =
        WithCaptionOnTop("Install <b>now</b>?<P>" + LiteralText("<img src=x> <B>C:\\n"), "Confirm");
    KMsgBox box(BoxKind::YesNo, text, "Confirm", "|&OK|&Abbrechen|&Ja|&Nein|", {});
    auto* view = box.findChild<QTextEdit*>("txtMessage");
    ASSERT_NE(view, nullptr);
    const QString shown = view->toPlainText();
    EXPECT_EQ(shown, "CONFIRM\n\nInstall now?\n<img src=x> <B>C:\\n\n");
    EXPECT_TRUE(BoldAt(view, 0));
    EXPECT_TRUE(BoldAt(view, static_cast<int>(shown.indexOf("now"))));
    EXPECT_FALSE(BoldAt(view, static_cast<int>(shown.indexOf("Install"))));
    EXPECT_FALSE(BoldAt(view, static_cast<int>(shown.indexOf("C:"))));

    auto* yes = box.findChild<QPushButton*>("cmdYes");
    auto* no = box.findChild<QPushButton*>("cmdNo");
    ASSERT_NE(yes, nullptr);
    ASSERT_NE(no, nullptr);
    EXPECT_EQ(yes->text(), "&Ja");
    EXPECT_EQ(no->text(), "&Nein");
    EXPECT_TRUE(yes->isDefault());
    EXPECT_EQ(box.findChild<QPushButton*>("cmdOK"), nullptr);
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    box.show();
    EXPECT_LT(yes->x(), no->x());

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&box, &escape);
    EXPECT_EQ(box.result(), QDialog::Rejected);
}

TEST(KMsgBox, ALongAddressWrapsWithinTheBoxWithoutScrolling) {
    const std::string address =
        "http://downloads.example.invalid/products/kelp/releases/2026/december/stable/channel-a/"
        "setup-files/full-setup-package-for-windows.bin";
    for (const std::string& text :
         {"Refused: only https downloads are allowed: " + address,
          "Missing signature for a.bin: " + address + " " + address + " " + address}) {
        KMsgBox box(BoxKind::Error, WithCaptionOnTop(LiteralText(text), "Error"), "Error", "", {});
        box.show();
        auto* view = box.findChild<QTextEdit*>("txtMessage");
        ASSERT_NE(view, nullptr);
        EXPECT_LE(view->document()->size().height(), view->viewport()->height()) << text;
        EXPECT_FALSE(view->verticalScrollBar()->isVisible()) << text;
    }
}

TEST(KMsgBox, KindsGetTheirButtonsAndRightToLeftCharsets) {
    struct Case {
        BoxKind kind;
        std::vector<const char*> buttons;
    };
    for (const auto& c : std::vector<Case>{{BoxKind::Error, {"cmdOK"}},
                                           {BoxKind::Info, {"cmdOK"}},
                                           {BoxKind::OkCancel, {"cmdOK", "cmdCancel"}}}) {
        KMsgBox box(c.kind, "x", "", "", {});
        EXPECT_EQ(box.findChildren<QPushButton*>().size(),
                  static_cast<qsizetype>(c.buttons.size()));
        for (const char* name : c.buttons)
            EXPECT_NE(box.findChild<QPushButton*>(name), nullptr) << name;
    }
    KMsgBox hebrew(BoxKind::Info, "line", "", "", {"Tahoma", 8, 177});
    EXPECT_EQ(hebrew.layoutDirection(), Qt::RightToLeft);
    auto* view = hebrew.findChild<QTextEdit*>("txtMessage");
    EXPECT_EQ(view->document()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    KMsgBox plain(BoxKind::Info, "line", "", "", {"Tahoma", 8, 134});
    EXPECT_EQ(plain.layoutDirection(), Qt::LeftToRight);
}

TEST(ProgressWindow, BarsFollowTheProgressCallback) {
    ProgressWindow window("Kelpset Installation Suite");
    EXPECT_EQ(window.size(), QSize(492, 110));
    auto* main = window.findChild<QProgressBar*>("barMain");
    auto* busy = window.findChild<QProgressBar*>("barBusy");
    ASSERT_NE(main, nullptr);
    ASSERT_NE(busy, nullptr);
    EXPECT_TRUE(busy->isHidden());
    window.ShowBusyBar();
    EXPECT_FALSE(busy->isHidden());
    window.OnProgress(0, 0, 3, 1, 0);
    for (int i = 0; i < 7; ++i)
        window.OnProgress(1, 0, 0, 0, 0);
    EXPECT_EQ(main->maximum(), 3);
    EXPECT_EQ(main->value(), 3);
    EXPECT_EQ(busy->value(), 1); // 1 2 3 4 5 0 1
    window.OnProgress(0, 0, 10, 1, 0);
    EXPECT_EQ(busy->value(), 0);
    EXPECT_EQ(main->value(), 0);

    // Closing the window asks the run to cancel; the run ends it.
    window.show();
    EXPECT_FALSE(window.CloseAsked());
    window.close();
    EXPECT_TRUE(window.CloseAsked());
    EXPECT_TRUE(window.isVisible());

    window.SetText("<b>正在解压</b>文件...", {"Tahoma", 9, 177});
    auto* text = window.findChild<QLabel*>("lblProgress");
    EXPECT_EQ(text->text(), "正在解压文件...");
    EXPECT_EQ(text->x(), 122);
    EXPECT_EQ(busy->x(), 70);
}

TEST(QtMessageBoxes, AnswersComeFromTheButtonPressed) {
    QtMessageBoxes boxes;
    std::vector<QString> shown;
    const auto press = [&shown](const char* button) {
        QTimer::singleShot(0, [&shown, button] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<KMsgBox*>(window); box && box->isVisible()) {
                    shown.push_back(box->findChild<QTextEdit*>("txtMessage")->toPlainText());
                    box->findChild<QPushButton*>(button)->click();
                }
        });
    };
    press("cmdYes");
    EXPECT_TRUE(boxes.AskYesNo("Go on?", "", 0, ""));
    press("cmdNo");
    EXPECT_FALSE(boxes.AskYesNo("Go on?", "", 0, ""));
    press("cmdCancel");
    EXPECT_FALSE(boxes.AskOkCancel("Insert", "Attention", 0, ""));
    press("cmdOK");
    boxes.ShowError("Bad CRC!", "", 0, "");
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], "CONFIRM\n\nGo on?\n");
    EXPECT_EQ(shown[2], "ATTENTION\n\nInsert\n");
    EXPECT_EQ(shown[3], "ERROR\n\nBad CRC!\n");
}

TEST(InformWindow, ItsButtonOpensOnlyHttpAndHttpsAddresses) {
    const struct {
        const char* address;
        bool opened;
    } cases[] = {
        {"https://updates.example.com/kelp", true},
        {"http://updates.example.com/kelp", true},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"kelp.html", false},
        {"", false},
    };
    for (const auto& c : cases) {
        InformWindowText text;
        text.caption = "New Version";
        text.button = "Download";
        text.address = c.address;
        text.message = "<b>Version 4</b> is out.";
        text.height = 300;
        std::vector<std::string> opened;
        InformWindow window(text, [&opened](const std::string& address) {
            opened.push_back(address);
            return true;
        });
        QTimer::singleShot(0, [&window] {
            EXPECT_EQ(window.findChild<QTextBrowser*>("informText")->toPlainText(),
                      "<b>Version 4</b> is out.")
                << "the message is shown as it stands";
            EXPECT_EQ(window.width(), 360);
            EXPECT_EQ(window.height(), 300);
            window.findChild<QPushButton*>("informButton")->click();
        });
        EXPECT_EQ(window.exec(), QDialog::Accepted) << c.address;
        EXPECT_EQ(opened,
                  c.opened ? std::vector<std::string>{c.address} : std::vector<std::string>{})
            << c.address;
    }
}

TEST(InformWindow, ClosingItDeclinesAndOpensNothing) {
    InformWindowText text;
    text.address = "https://updates.example.com/kelp";
    bool opened = false;
    InformWindow window(text, [&opened](const std::string&) { return opened = true; });
    QTimer::singleShot(0, [&window] { window.close(); });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_FALSE(opened);
}

TEST(InformWindow, TheDesktopOpenerRefusesWhatTheButtonRefuses) {
    EXPECT_FALSE(OpenInformAddress("file:///etc/passwd"));
    EXPECT_FALSE(OpenInformAddress("javascript:alert(1)"));
}
