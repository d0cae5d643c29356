#include "app/tests/MainWindowFixture.h"

#include "config/SysConf.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

namespace {

using MainWindowFrame = MainWindowFixture;

TEST_F(MainWindowFrame, TitleHasNoBankNameWhenSysConfIsMissing) {
    frmMain& window = open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("企业网上银行批量制单工具v1.2"));
    EXPECT_TRUE(window.windowIcon().isNull());
    EXPECT_TRUE(QFile::exists(folder() + "sysConf.ini"));
}

TEST_F(MainWindowFrame, TitleAndIconComeFromTheConfiguration) {
    {
        SysConf conf;
        ASSERT_TRUE(conf.setBankName(QStringLiteral("澄川银行")));
        ASSERT_TRUE(conf.setSysIcon(QStringLiteral("ico\\bank.ico")));
    }
    ASSERT_TRUE(QDir(folder()).mkdir("ico"));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(PSD_CLIENT_DIR "/ico/bank.ico"), folder() + "ico/bank.ico"));

    frmMain& window = open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("澄川银行企业网上银行批量制单工具v1.2"));
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(MainWindowFrame, SixTabsEachShowingAFrame) {
    open();
    auto* tabs = find<QTabWidget>("SSTabMain");
    ASSERT_EQ(tabs->count(), 6);
    const char* captions[] = {"批量支付", "代发工资/代报销", "付款账户",
                              "收款账户", "代发名册",        "备注"};
    const char* frames[] = {"PaymentB2B_Frame",   "Laborage_Frame",     "PayAccList_Frame",
                            "PayeeAccList_Frame", "EmployeeList_Frame", "UserRemarkList_Frame"};
    for (int tab = 0; tab < 6; ++tab) {
        EXPECT_EQ(tabs->tabText(tab), QString::fromUtf8(captions[tab]));
        EXPECT_NE(tabs->widget(tab)->findChild<QFrame*>(QLatin1String(frames[tab])), nullptr);
    }
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(MainWindowFrame, MenusArePresentAndTheHiddenOnesHidden) {
    open();
    for (const char* name :
         {"menuNew", "menuSave", "menuExit", "menuHelpFile", "menuAbount", "menuPasswd", "option"})
        EXPECT_TRUE(action(name)->isVisible()) << name;
    for (const char* name : {"menuAbount", "menuPasswd", "option"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    EXPECT_FALSE(action("advanced")->isVisible());
    for (const char* name : {"menuHelp", "tool", "menuLaborage"})
        EXPECT_FALSE(menu(name)->isVisible()) << name;
    EXPECT_TRUE(menu("menuPaymentB2B")->isVisible());
}

TEST_F(MainWindowFrame, ToolbarHasSixButtonsOfWhichThreeToFiveAreSeparators) {
    open();
    auto* toolbar = find<QToolBar>("mainToolbar");
    ASSERT_EQ(toolbar->actions().size(), 6);
    for (int number = 1; number <= 6; ++number) {
        QAction* button = toolbar->actions().at(number - 1);
        EXPECT_EQ(button->objectName(), QStringLiteral("mainToolbar_Button%1").arg(number));
        EXPECT_EQ(button->isSeparator(), number >= 3 && number <= 5) << number;
    }
}

TEST_F(MainWindowFrame, ToolbarButtonsThreeToFiveDoNothing) {
    addPayments(2);
    frmMain& window = open();
    auto* tabs = find<QTabWidget>("SSTabMain");
    for (const char* name : {"mainToolbar_Button3", "mainToolbar_Button4", "mainToolbar_Button5"})
        action(name)->trigger();
    EXPECT_TRUE(prompter_.boxes().empty());
    EXPECT_EQ(count("payment"), 2);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("frmHelp")), nullptr);
}

TEST_F(MainWindowFrame, StatusBarHasSixPanelsShowingTheBatchCount) {
    addPayments(2);
    open();
    auto* status = find<QStatusBar>("StatusBar1");
    EXPECT_EQ(status->findChildren<QLabel*>().size(), 6);
    EXPECT_EQ(find<QLabel>("StatusBar1_Panel1")->text(), QStringLiteral("总笔数"));
    EXPECT_EQ(find<QLabel>("StatusBar1_Panel2")->text(), QStringLiteral("2"));
}

} // namespace
