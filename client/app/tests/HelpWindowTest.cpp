#include "app/HelpWindow.h"
#include "app/tests/MainWindowFixture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextBrowser>

namespace {

class HelpWindowTest : public MainWindowFixture {
protected:
    void stageHelp() const {
        ASSERT_TRUE(QDir(folder()).mkdir("help"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PSD_CLIENT_DIR "/help/index.html"),
                                folder() + "help/index.html"));
    }
    QTextBrowser* browser() const {
        return window_->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    }
};

TEST_F(HelpWindowTest, BuildStagesTheHelpPageAndAnIcon) {
    EXPECT_TRUE(QFile::exists(QStringLiteral(PSD_CLIENT_DIR "/help/index.html")));
    const QStringList icons =
        QDir(QStringLiteral(PSD_CLIENT_DIR "/ico")).entryList({QStringLiteral("*.ico")});
    ASSERT_FALSE(icons.isEmpty());
    EXPECT_TRUE(QImageReader(QStringLiteral(PSD_CLIENT_DIR "/ico/") + icons.first()).canRead());
}

TEST_F(HelpWindowTest, HelpCommandAndToolbarButtonShowTheStartPage) {
    stageHelp();
    open();
    for (const char* name : {"menuHelpFile", "mainToolbar_Button6"}) {
        SCOPED_TRACE(name);
        action(name)->trigger();
        ASSERT_NE(browser(), nullptr);
        EXPECT_TRUE(browser()->window()->isVisible());
        EXPECT_EQ(browser()->source(), QUrl::fromLocalFile(folder() + "help/index.html"));
        EXPECT_TRUE(browser()->documentTitle().contains(QStringLiteral("使用帮助")));
        // Esc in the page closes the window.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(browser(), &escape);
        EXPECT_FALSE(browser()->window()->isVisible());
    }
    EXPECT_TRUE(prompter_.boxes().empty());
}

TEST_F(HelpWindowTest, F1OpensHelpFromAnyWindow) {
    open();
    QAction* help = action("menuHelpFile");
    EXPECT_EQ(help->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(help->shortcutContext(), Qt::ApplicationShortcut);
}

// A modal dialog blocks the main window's F1; the help must still open, over the dialog.
TEST_F(HelpWindowTest, F1InAModalDialogOpensHelpOverTheDialog) {
    stageHelp();
    open();
    QDialog dialog(window_.get());
    dialog.setWindowModality(Qt::ApplicationModal);
    auto* field = new QLineEdit(&dialog);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(field, &f1);
    const auto* help = dialog.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->window()->isVisible());
    EXPECT_EQ(help->source(), QUrl::fromLocalFile(folder() + "help/index.html"));
    EXPECT_EQ(window_->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"),
                                                Qt::FindDirectChildrenOnly),
              nullptr);
}

TEST_F(HelpWindowTest, MissingHelpFileIsReported) {
    open();
    action("menuHelpFile")->trigger();
    ASSERT_EQ(prompter_.boxes().size(), 1u);
    EXPECT_EQ(prompter_.boxes().front().title,
              QStringLiteral("澄川银行企业网上银行批量制单工具v1.2"));
    EXPECT_EQ(prompter_.boxes().front().icon, MsgIcon::Warning);
    EXPECT_TRUE(prompter_.boxes().front().text.contains(folder() + "help/index.html"));
    EXPECT_TRUE(browser() == nullptr || !browser()->window()->isVisible());
}

TEST_F(HelpWindowTest, HelpOpensInsideTheScreensAvailableArea) {
    stageHelp();
    frmMain& window = open();
    const QRect available = window.screen()->availableGeometry();
    const struct {
        QPoint at;
        QSize size;
    } owners[] = {
        {available.bottomRight() - QPoint(120, 90), {100, 80}},
        {available.topLeft(), {available.width(), available.height()}},
        {available.topLeft() + QPoint(available.width() / 3, 10), {200, 150}},
    };
    for (const auto& owner : owners) {
        SCOPED_TRACE(owner.at.x());
        window.setGeometry(QRect(owner.at, owner.size));
        window.show();
        QApplication::processEvents();
        action("menuHelpFile")->trigger();
        QApplication::processEvents();
        QWidget* help = browser()->window();
        EXPECT_TRUE(available.contains(help->frameGeometry()))
            << help->frameGeometry().x() << "," << help->frameGeometry().y() << " "
            << help->frameGeometry().width() << "x" << help->frameGeometry().height();
        help->close();
        delete help;
    }
}

struct PlacementCase {
    const char* what;
    QRect available;
    QRect owner;
    QMargins frame;
    QRect expected;
};

TEST(HelpWindowGeometry, CentredOverTheOwnerAndWhollyInsideTheAvailableArea) {
    const QSize wanted(760, 600);
    const QMargins frame(4, 28, 4, 4);
    const PlacementCase cases[] = {
        {"centred", {0, 0, 1280, 1024}, {140, 112, 1000, 800}, {}, {260, 212, 760, 600}},
        {"owner at the bottom right",
         {0, 0, 1024, 768},
         {900, 700, 300, 200},
         {},
         {264, 168, 760, 600}},
        {"small screen", {0, 0, 640, 480}, {0, 0, 640, 480}, frame, {4, 28, 632, 448}},
        {"panel on top", {0, 30, 1024, 738}, {-200, -100, 400, 300}, frame, {4, 58, 760, 600}},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect placed = helpWindowGeometry(c.available, c.owner, wanted, c.frame);
        EXPECT_EQ(placed, c.expected);
        EXPECT_TRUE(c.available.contains(placed.marginsAdded(c.frame)));
    }
}

} // namespace
