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
        browser()->window()->close();
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

} // namespace
