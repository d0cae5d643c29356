#include "app/tests/MainWindowFixture.h"

#include <QLabel>
#include <QTabWidget>

namespace {

using MainWindowTabSwitch = MainWindowFixture;

TEST_F(MainWindowTabSwitch, NewAndSaveAreEnabledOnlyOnTheBatchTabs) {
    open();
    auto* tabs = find<QTabWidget>("SSTabMain");
    for (int tab : {2, 0, 3, 1, 4, 5, 0}) {
        SCOPED_TRACE(tab);
        tabs->setCurrentIndex(tab);
        const bool batch = tab < 2;
        for (const char* name :
             {"menuNew", "menuSave", "mainToolbar_Button1", "mainToolbar_Button2"})
            EXPECT_EQ(action(name)->isEnabled(), batch) << name;
        EXPECT_TRUE(action("mainToolbar_Button6")->isEnabled());
        EXPECT_EQ(menu("menuPaymentB2B")->isVisible(), tab == 0);
        EXPECT_EQ(menu("menuLaborage")->isVisible(), tab == 1);
    }
}

TEST_F(MainWindowTabSwitch, ShowingATabReloadsItsList) {
    open();
    auto* tabs = find<QTabWidget>("SSTabMain");
    auto* panel2 = find<QLabel>("StatusBar1_Panel2");
    EXPECT_EQ(panel2->text(), QStringLiteral("0"));
    addPayroll(3);
    tabs->setCurrentIndex(1);
    EXPECT_EQ(panel2->text(), QStringLiteral("3"));
    sql(QStringLiteral(
        "insert into pay_acc (acc_no,acc_name) values ('6222000000000000000001','甲'),"
        "('6222000000000000000002','乙')"));
    tabs->setCurrentIndex(2);
    EXPECT_EQ(panel2->text(), QStringLiteral("2"));
    addPayments(1);
    tabs->setCurrentIndex(0);
    EXPECT_EQ(panel2->text(), QStringLiteral("1"));
}

TEST_F(MainWindowTabSwitch, NewAndSaveDoNothingOnReferenceTabs) {
    addPayments(2);
    addPayroll(2);
    frmMain& window = open();
    auto* tabs = find<QTabWidget>("SSTabMain");
    for (int tab = 2; tab < 6; ++tab) {
        tabs->setCurrentIndex(tab);
        window.menuNew_Click();
        window.menuSave_Click();
    }
    EXPECT_TRUE(prompter_.boxes().empty());
    EXPECT_EQ(count("payment"), 2);
    EXPECT_EQ(count("laborage"), 2);
}

} // namespace
