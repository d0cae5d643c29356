#include "refdata/Roster.h"
#include "refdata/EmployeeTab.h"
#include "refdata/tests/RefWidgetFixture.h"

namespace {

const QString kNo1 = QStringLiteral("6217000000000000001");
const QString kNo2 = QStringLiteral("6217000000000000002");

class RosterTest : public RefTabFixture<EmployeeTab> {
protected:
    QStringList persons() const {
        return rows(QStringLiteral(
            "select acc_no,acc_name,cert_type,cert_code from person_payee_acc order by acc_no"));
    }
    void addTwo() const {
        sql("insert into person_payee_acc (acc_no,acc_name,cert_type,cert_code) values ('" + kNo1 +
            "','张三','7','E123'),('" + kNo2 + "','李四',NULL,NULL)");
        tab_->resetEmployeeList();
    }
    void fill(const QString& no, const QString& name, int kind, const QString& code) const {
        setText("EmployeeList_txtAccNo", no);
        setText("EmployeeList_txtAccName", name);
        find<QComboBox>("EmployeeList_comboCertType")->setCurrentIndex(kind - 1);
        setText("EmployeeList_txtCertCode", code);
    }
};

TEST_F(RosterTest, AddStoresTheCertificateKindByItsPosition) {
    EXPECT_EQ(text("EmployeeList_comboCertType"), "居民身份证");
    fill(kNo1, "张三", 3, " H001 ");
    click("EmployeeList_cmdAdd");
    EXPECT_EQ(prompter_.texts(), QStringList{"新增个人账号成功"});
    EXPECT_EQ(persons(), QStringList{kNo1 + "|张三|3|H001"});
    EXPECT_EQ(status_.panel(2), "1");

    fill(kNo1, "别人", 1, "X");
    click("EmployeeList_cmdAdd");
    EXPECT_EQ(prompter_.texts().last(), "该个人账号已存在");
    EXPECT_EQ(persons(), QStringList{kNo1 + "|张三|3|H001"});
}

TEST_F(RosterTest, EnterMovesThroughEveryFieldTheCertificateKindIncluded) {
    expectEnterWalks({"EmployeeList_txtAccNo", "EmployeeList_txtAccName",
                      "EmployeeList_comboCertType", "EmployeeList_txtCertCode"});
    EXPECT_EQ(persons(), QStringList{});
}

TEST_F(RosterTest, ARefusedFieldTakesTheFocusBack) {
    requireField(19, "证件号码");
    showActive();
    fill(kNo1, "张三", 1, "  ");
    click("EmployeeList_cmdAdd");
    EXPECT_EQ(prompter_.texts(), QStringList{"证件号码不能为空，请重新输入。"});
    EXPECT_EQ(persons(), QStringList{});
    expectBackIn("EmployeeList_txtCertCode");
}

TEST_F(RosterTest, RenameAndDeleteRefuseWithoutASelection) {
    addTwo();
    fill(kNo1, "改", 1, "");
    click("EmployeeList_cmdUpdate");
    click("EmployeeList_cmdDelete");
    EXPECT_EQ(prompter_.texts(), (QStringList{"请先选择要修改的账户", "请先选择要删除的账户"}));
}

TEST_F(RosterTest, AClickLoadsTheCertificateSoARenameKeepsIt) {
    addTwo();
    clickRow("EmployeeList_DataGrid", 1);
    EXPECT_EQ(text("EmployeeList_lblEmployeeIdx"), "1");
    EXPECT_EQ(text("EmployeeList_comboCertType"), "护照");
    EXPECT_EQ(text("EmployeeList_txtCertCode"), "E123");
    setText("EmployeeList_txtAccName", "张三丰");
    click("EmployeeList_cmdUpdate");
    EXPECT_EQ(prompter_.texts(), QStringList{"修改个人账号成功"});
    EXPECT_EQ(persons().at(0), kNo1 + "|张三丰|7|E123");

    // A person without a certificate selects the first kind and an empty number.
    clickRow("EmployeeList_DataGrid", 2);
    EXPECT_EQ(text("EmployeeList_comboCertType"), "居民身份证");
    EXPECT_EQ(text("EmployeeList_txtCertCode"), "");
}

TEST_F(RosterTest, TheNumberCannotBeRenamed) {
    addTwo();
    clickRow("EmployeeList_DataGrid", 1);
    setText("EmployeeList_txtAccNo", "6217000000000000009");
    click("EmployeeList_cmdUpdate");
    EXPECT_EQ(prompter_.texts(), QStringList{"个人账号不可修改，请删除后再添加"});
    EXPECT_EQ(text("EmployeeList_txtAccNo"), "6217000000000000009");
    EXPECT_EQ(persons().size(), 2);
}

TEST_F(RosterTest, DeleteRemovesTheSelectedRowsNumber) {
    addTwo();
    clickRow("EmployeeList_DataGrid", 2);
    setText("EmployeeList_txtAccNo", kNo1);
    click("EmployeeList_cmdDelete");
    EXPECT_EQ(prompter_.boxes().at(0).text, "是否确认要删除个人账号?");
    EXPECT_EQ(prompter_.texts().last(), "删除个人账号成功");
    EXPECT_EQ(persons(), QStringList{kNo1 + "|张三|7|E123"});
}

TEST_F(RosterTest, ExportWritesTheRosterLineForLine) {
    sql("insert into person_payee_acc (acc_no,acc_name,cert_type,cert_code) values ('" + kNo1 +
        "',' 张三 ','1','X'),('" + kNo2 + "','李<四>&','2','Y')");
    prompter_.choose(path("roster.xml"));
    click("EmployeeList_cmdExport");
    EXPECT_EQ(prompter_.texts(), QStringList{"导出导出代发工资/代报销名册完毕"});
    EXPECT_EQ(bytes(path("roster.xml")), fixture("person_payee_list.xml"));

    prompter_.clear();
    click("EmployeeList_cmdExport");
    EXPECT_EQ(prompter_.texts(), QStringList{"未指定导出文件没有记录可以导出"});
}

TEST_F(RosterTest, AnEmptyRosterExportsTheRootAlone) {
    const QString file = path("empty.xml");
    EXPECT_EQ(Roster::exportFile(*db_, messages_, [file] { return file; }).status,
              FileCommandOutcome::Status::Done);
    EXPECT_EQ(bytes(file), "<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n<PersonPayeeList>\r\n"
                           "</PersonPayeeList>\r\n");
}

TEST_F(RosterTest, ANameGbkCannotHoldIsRefusedBeforeWriting) {
    sql("insert into person_payee_acc (acc_no,acc_name) values ('" + kNo1 + "','笑😀')");
    const QString file = path("emoji.xml");
    EXPECT_EQ(Roster::exportFile(*db_, messages_, [file] { return file; }).status,
              FileCommandOutcome::Status::Failed);
    EXPECT_EQ(
        prompter_.texts(),
        QStringList{"个人账号[" + kNo1 +
                    "]的“户名”含有GBK编码无法表示的字符“😀”，导出导出代发工资/代报销名册失败"});
    EXPECT_FALSE(QFile::exists(file));
}

} // namespace
