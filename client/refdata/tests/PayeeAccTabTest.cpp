#include "refdata/PayeeAccTab.h"
#include "refdata/tests/RefWidgetFixture.h"

#include <QRadioButton>

namespace {

class PayeeAccTabTest : public RefTabFixture<PayeeAccTab> {
protected:
    QStringList payees() const {
        return rows(QStringLiteral(
            "select acc_no,acc_name,acc_type,branch_id,area_no,net_no,rec_bank_name,"
            "same_city_liquidate_no,province,city,presentBankNo from payee_acc order by acc_type,"
            "acc_no"));
    }
    void chooseKind(int index) const {
        find<QRadioButton>(QStringLiteral("OptBankProperty_%1").arg(index).toUtf8().constData())
            ->click();
    }
    void add(const QString& no, const QString& name) const {
        setText("PayeeAccList_txtPayeeAccNo", no);
        setText("PayeeAccList_txtPayeeAccName", name);
        click("PayeeAccList_cmdAdd");
    }
    bool shown(const char* name) const { return find<QWidget>(name)->isVisibleTo(page_); }
};

TEST_F(PayeeAccTabTest, StartsOnSameBankWithTheProvinceList) {
    EXPECT_TRUE(find<QRadioButton>("OptBankProperty_0")->isChecked());
    EXPECT_EQ(find<QComboBox>("comboProvince")->itemText(0), "北京市");
    EXPECT_EQ(find<QTableView>("PayeeAccList_DataGrid")->model()->columnCount(), 3);
    EXPECT_EQ(find<QLineEdit>("PayeeAccList_txtPayeeAccNo")->maxLength(), 22);
}

TEST_F(PayeeAccTabTest, EnterMovesFromTheKindThroughTheShownFieldsTheProvinceAndCityIncluded) {
    click("OptBankProperty_2");
    setText("comboProvince", "广东省");
    expectEnterWalks({"OptBankProperty_2", "PayeeAccList_txtPayeeAccNo",
                      "PayeeAccList_txtPayeeAccName", "PayeeAccList_txtPayeeBankName",
                      "comboProvince", "comboCity", "payAccList_txtPresentPayBankNo"});
    // Leaving the typed province by Enter lists its cities, as leaving it otherwise does.
    EXPECT_EQ(find<QComboBox>("comboCity")->itemText(0), "广州市");
}

TEST_F(PayeeAccTabTest, EachKindShowsItsOwnFieldsHelpAndGrid) {
    const struct {
        int kind;
        std::vector<const char*> shown;
        std::vector<const char*> hidden;
        QStringList headers;
    } cases[] = {
        {0,
         {"PayeeAccList_txtPayeeAccNo", "PayeeAccList_txtPayeeAccName"},
         {"PayeeAccList_txtPayeeBankName", "txtSameCityLiquidateNo", "comboProvince", "comboCity",
          "payAccList_txtPresentPayBankNo", "exchangeNo_lblNotice", "unionBankNo_lblNotice",
          "PayeeAccList_txtPayeeBankID"},
         {"序号", "收款账号", "户名"}},
        {1,
         {"PayeeAccList_txtPayeeBankName", "txtSameCityLiquidateNo", "exchangeNo_lblNotice"},
         {"comboProvince", "comboCity", "payAccList_txtPresentPayBankNo", "unionBankNo_lblNotice",
          "PayeeAccList_txtPayeeNetNo"},
         {"序号", "收款账号", "户名", "收款银行名称", "同城清算行号"}},
        {2,
         {"PayeeAccList_txtPayeeBankName", "comboProvince", "comboCity",
          "payAccList_txtPresentPayBankNo", "unionBankNo_lblNotice"},
         {"txtSameCityLiquidateNo", "exchangeNo_lblNotice", "PayeeAccList_txtPayeeAreaNo"},
         {"序号", "收款账号", "户名", "省份", "城市", "收款银行名称", "现代支付行号"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        chooseKind(c.kind);
        for (const char* name : c.shown)
            EXPECT_TRUE(shown(name)) << name;
        for (const char* name : c.hidden)
            EXPECT_FALSE(shown(name)) << name;
        QStringList headers;
        const QAbstractItemModel* model = find<QTableView>("PayeeAccList_DataGrid")->model();
        for (int column = 0; column < model->columnCount(); ++column)
            headers << model->headerData(column, Qt::Horizontal).toString();
        EXPECT_EQ(headers, c.headers);
    }
}

TEST_F(PayeeAccTabTest, OneNumberUnderTwoKindsIsTwoRowsAndDeletingOneKeepsTheOther) {
    setText("PayeeAccList_txtPayeeBankName", "藏起来的银行");
    add("2001", "乙");
    chooseKind(1);
    setText("PayeeAccList_txtPayeeBankName", "工商银行");
    setText("txtSameCityLiquidateNo", "102");
    add("2001", "乙");
    add("2001", "乙");
    EXPECT_EQ(prompter_.texts(),
              (QStringList{"新增收款账号成功", "新增收款账号成功", "该收款账号已存在"}));
    EXPECT_EQ(payees(), (QStringList{"2001|乙|00||||||||", "2001|乙|01||||工商银行|102|||"}));

    chooseKind(0);
    EXPECT_EQ(status_.panel(2), "1");
    clickRow("PayeeAccList_DataGrid", 1);
    click("PayeeAccList_cmdDelete");
    EXPECT_EQ(prompter_.texts().last(), "删除收款账号成功");
    EXPECT_EQ(payees(), QStringList{"2001|乙|01||||工商银行|102|||"});
}

TEST_F(PayeeAccTabTest, DeleteRemovesTheSelectedRowNotTheTypedNumber) {
    add("2001", "甲");
    add("2002", "乙");
    prompter_.clear();
    clickRow("PayeeAccList_DataGrid", 1);
    setText("PayeeAccList_txtPayeeAccNo", "2002");
    click("PayeeAccList_cmdDelete");
    EXPECT_EQ(prompter_.boxes().at(0).text, "是否确认要删除收款账号?");
    EXPECT_EQ(payees(), QStringList{"2002|乙|00||||||||"});
}

TEST_F(PayeeAccTabTest, RenameRefusesWithoutASelectionOrWithAChangedNumber) {
    add("2001", "甲");
    prompter_.clear();
    click("PayeeAccList_cmdUpdate");
    click("PayeeAccList_cmdDelete");
    clickRow("PayeeAccList_DataGrid", 1);
    setText("PayeeAccList_txtPayeeAccNo", "2009");
    click("PayeeAccList_cmdUpdate");
    EXPECT_EQ(prompter_.texts(), (QStringList{"请先选择要修改的账户", "请先选择要删除的账户",
                                              "账号不可修改，请删除后重新添加"}));
    EXPECT_EQ(text("PayeeAccList_txtPayeeAccNo"), "2001");
    EXPECT_EQ(payees(), QStringList{"2001|甲|00||||||||"});
}

TEST_F(PayeeAccTabTest, OtherCityRowFillsProvinceThenItsCitiesAndRenames) {
    sql(QStringLiteral("insert into payee_acc values ('4001','戊','02','','','','建设银行','',"
                       "'广东省','深圳市','105')"));
    chooseKind(2);
    clickRow("PayeeAccList_DataGrid", 1);
    EXPECT_EQ(text("comboProvince"), "广东省");
    EXPECT_EQ(text("comboCity"), "深圳市");
    EXPECT_EQ(find<QComboBox>("comboCity")->itemText(0), "广州市");
    EXPECT_EQ(text("PayeeAccList_txtPayeeBankName"), "建设银行");
    EXPECT_EQ(text("payAccList_txtPresentPayBankNo"), "105");

    setText("PayeeAccList_txtPayeeAccName", "戊改");
    find<QComboBox>("comboCity")->setCurrentIndex(0);
    click("PayeeAccList_cmdUpdate");
    EXPECT_EQ(prompter_.texts(), QStringList{"修改收款账号成功"});
    EXPECT_EQ(payees(), QStringList{"4001|戊改|02||||建设银行||广东省|广州市|105"});
}

TEST_F(PayeeAccTabTest, OnlyShownFieldsAreChecked) {
    requireField(21, "收款银行名称");
    add("2001", "甲");
    EXPECT_EQ(prompter_.texts(), QStringList{"新增收款账号成功"});
    chooseKind(1);
    showActive();
    add("3001", "丁");
    EXPECT_EQ(prompter_.texts().last(), "收款银行名称不能为空，请重新输入。");
    EXPECT_EQ(count("payee_acc"), 1);
    expectBackIn("PayeeAccList_txtPayeeBankName");
}

TEST_F(PayeeAccTabTest, ExportWritesEveryKindLineForLine) {
    sql(QStringLiteral("insert into payee_acc values ('2001','乙&丙','00','','','','','','','',''),"
                       "('3001','丁','01','','','','工商银行<城东>','102','','',''),"
                       "('4001','戊','02','','','',' 建设银行 ','','广东省','广州市','105')"));
    const QString file = path("payees.xml");
    prompter_.choose(file);
    click("payAccList_cmdPayeeListExport");
    EXPECT_EQ(prompter_.texts(), QStringList{"导出收款人名册完毕"});
    EXPECT_EQ(bytes(file), fixture("payee_list.xml"));

    prompter_.clear();
    click("payAccList_cmdPayeeListExport");
    EXPECT_EQ(prompter_.texts(), QStringList{"没有记录可以导出"});
}

} // namespace
