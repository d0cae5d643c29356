#include "refdata/PayAccTab.h"
#include "refdata/tests/RefWidgetFixture.h"

namespace {

const QString kNo1 = QStringLiteral("6222000000000000000001");
const QString kNo2 = QStringLiteral("6222000000000000000002");

class PayAccTabTest : public RefTabFixture<PayAccTab> {
protected:
    QStringList payers() const {
        return rows(QStringLiteral("select acc_no,acc_name from pay_acc order by acc_no"));
    }
};

TEST_F(PayAccTabTest, ShowsTheListWithItsCountAndOneBlankRowWhenEmpty) {
    EXPECT_EQ(gridRows("PayAccList_DataGrid"), 1);
    EXPECT_EQ(cell("PayAccList_DataGrid", 1, 0), "");
    EXPECT_EQ(status_.panel(1), "总笔数");
    EXPECT_EQ(status_.panel(2), "0");
    EXPECT_EQ(text("PayAccList_comboCurrency"), "人民币");
    EXPECT_EQ(text("PayAccList_lblCurrency"), "币种：人民币");

    sql("insert into pay_acc (acc_no,acc_name) values ('" + kNo2 + "','乙'),('" + kNo1 +
        "',' 甲 ')");
    tab_->resetPayAccList();
    EXPECT_EQ(gridRows("PayAccList_DataGrid"), 2);
    EXPECT_EQ(cell("PayAccList_DataGrid", 1, 0), "1");
    EXPECT_EQ(cell("PayAccList_DataGrid", 1, 1), kNo1);
    EXPECT_EQ(cell("PayAccList_DataGrid", 1, 2), "甲");
    EXPECT_EQ(cell("PayAccList_DataGrid", 2, 3), "人民币");
    EXPECT_EQ(status_.panel(2), "2");
}

TEST_F(PayAccTabTest, AddStoresTheTrimmedAccountOnceAndResetsTheForm) {
    setText("PayAccList_txtAccNo", " " + kNo1 + " ");
    setText("PayAccList_txtAccName", " 澄川贸易 ");
    click("PayAccList_cmdAdd");
    EXPECT_EQ(prompter_.texts(), QStringList{"新增付款账号成功"});
    EXPECT_EQ(payers(), QStringList{kNo1 + "|澄川贸易"});
    EXPECT_EQ(text("PayAccList_txtAccNo"), "");
    EXPECT_EQ(cell("PayAccList_DataGrid", 1, 1), kNo1);

    prompter_.clear();
    setText("PayAccList_txtAccNo", kNo1);
    setText("PayAccList_txtAccName", "另一个");
    click("PayAccList_cmdAdd");
    EXPECT_EQ(prompter_.texts(), QStringList{"该付款账号已存在"});
    EXPECT_EQ(payers(), QStringList{kNo1 + "|澄川贸易"});
}

TEST_F(PayAccTabTest, RenameAndDeleteRefuseWithoutASelection) {
    sql("insert into pay_acc (acc_no,acc_name) values ('" + kNo1 + "','甲')");
    tab_->resetPayAccList();
    setText("PayAccList_txtAccNo", kNo1);
    setText("PayAccList_txtAccName", "改");
    click("PayAccList_cmdUpdate");
    click("PayAccList_cmdDelete");
    EXPECT_EQ(prompter_.texts(), (QStringList{"请先选择要修改的账户", "请先选择要删除的账户"}));
    EXPECT_EQ(payers(), QStringList{kNo1 + "|甲"});
}

TEST_F(PayAccTabTest, AClickSelectsTheRowForRenameAndDelete) {
    sql("insert into pay_acc (acc_no,acc_name) values ('" + kNo1 + "','甲'),('" + kNo2 + "','乙')");
    tab_->resetPayAccList();
    clickRow("PayAccList_DataGrid", 2);
    EXPECT_EQ(text("PayAccList_lblPayAccIdx"), "2");
    EXPECT_EQ(text("PayAccList_txtAccNo"), kNo2);
    EXPECT_FALSE(find<QLineEdit>("PayAccList_txtAccNo")->isEnabled());

    setText("PayAccList_txtAccName", "乙改");
    click("PayAccList_cmdUpdate");
    EXPECT_EQ(prompter_.texts(), QStringList{"修改付款账号成功"});
    EXPECT_EQ(payers(), (QStringList{kNo1 + "|甲", kNo2 + "|乙改"}));
    EXPECT_EQ(text("PayAccList_lblPayAccIdx"), "");
    EXPECT_TRUE(find<QLineEdit>("PayAccList_txtAccNo")->isEnabled());

    prompter_.clear();
    clickRow("PayAccList_DataGrid", 1);
    prompter_.answer(MsgAnswer::Cancel);
    click("PayAccList_cmdDelete");
    EXPECT_EQ(prompter_.boxes().at(0).text, "是否确认要删除付款账号?");
    EXPECT_EQ(prompter_.boxes().at(0).icon, MsgIcon::Question);
    EXPECT_EQ(payers().size(), 2);
    click("PayAccList_cmdDelete");
    EXPECT_EQ(prompter_.texts().last(), "删除付款账号成功");
    EXPECT_EQ(payers(), QStringList{kNo2 + "|乙改"});
}

TEST_F(PayAccTabTest, TheFormIsCheckedBeforeAnyStatement) {
    requireField(13, "付款账户户名");
    showActive();
    setText("PayAccList_txtAccNo", kNo1);
    setText("PayAccList_txtAccName", "  ");
    click("PayAccList_cmdAdd");
    EXPECT_EQ(prompter_.texts(), QStringList{"付款账户户名不能为空，请重新输入。"});
    EXPECT_EQ(count("pay_acc"), 0);
    expectBackIn("PayAccList_txtAccName");
}

TEST_F(PayAccTabTest, ARowWithAnEmptyNumberStaysSelectableAndDeletable) {
    sql("insert into pay_acc (acc_no,acc_name) values ('','无号'),('" + kNo1 + "','甲')");
    tab_->resetPayAccList();
    clickRow("PayAccList_DataGrid", 1);
    EXPECT_EQ(text("PayAccList_lblPayAccIdx"), "1");
    EXPECT_EQ(text("PayAccList_txtAccName"), "无号");
    click("PayAccList_cmdDelete");
    EXPECT_EQ(prompter_.texts().last(), "删除付款账号成功");
    EXPECT_EQ(payers(), QStringList{kNo1 + "|甲"});
}

TEST_F(PayAccTabTest, ExportAndImportGoThroughTheChoosers) {
    click("PayAccList_cmdExport");
    EXPECT_EQ(prompter_.texts(), QStringList{"没有记录可以导出"});

    sql("insert into pay_acc (acc_no,acc_name) values ('" + kNo1 + "','甲')");
    tab_->resetPayAccList();
    prompter_.clear();
    const QString file = path("payers.xml");
    prompter_.choose(file);
    click("PayAccList_cmdExport");
    EXPECT_EQ(prompter_.texts(), QStringList{"导出付款账号完毕"});
    EXPECT_EQ(prompter_.choosers().at(0).filter, "XML (*.XML *.xml)");

    sql(QStringLiteral("delete from pay_acc"));
    prompter_.choose(file);
    click("PayAccList_cmdImport");
    EXPECT_EQ(prompter_.texts().last(), "导入付款账号完毕");
    EXPECT_EQ(cell("PayAccList_DataGrid", 1, 1), kNo1);
    EXPECT_EQ(status_.panel(2), "1");
}

} // namespace
