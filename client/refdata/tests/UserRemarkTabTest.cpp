#include "refdata/UserRemarkTab.h"
#include "refdata/tests/RefWidgetFixture.h"

namespace {

class UserRemarkTabTest : public RefTabFixture<UserRemarkTab> {
protected:
    QStringList remarks() const {
        return rows(QStringLiteral("select remark from user_remark order by remark"));
    }
    void addRemarks() const {
        sql(QStringLiteral("insert into user_remark (remark) values ('货款'),('运费')"));
        tab_->resetUserRemarkList();
    }
};

TEST_F(UserRemarkTabTest, AddStoresANewPhraseOnce) {
    setText("UserRemarkList_txtUserRemark", " 货款 ");
    click("UserRemarkList_cmdAdd");
    setText("UserRemarkList_txtUserRemark", "货款");
    click("UserRemarkList_cmdAdd");
    EXPECT_EQ(prompter_.texts(), (QStringList{"新增备注成功", "该备注已存在"}));
    EXPECT_EQ(remarks(), QStringList{"货款"});
    EXPECT_EQ(cell("UserRemarkList_DataGrid", 1, 1), "货款");
    EXPECT_EQ(status_.panel(2), "1");
}

TEST_F(UserRemarkTabTest, ChangeAndDeleteRefuseWithoutASelection) {
    addRemarks();
    setText("UserRemarkList_txtUserRemark", "货款");
    click("UserRemarkList_cmdUpdate");
    click("UserRemarkList_cmdDelete");
    EXPECT_EQ(prompter_.texts(), (QStringList{"请先选择要修改的备注", "请先选择要删除的备注"}));
    EXPECT_EQ(remarks().size(), 2);
}

TEST_F(UserRemarkTabTest, ChangeReplacesTheSelectedPhrase) {
    addRemarks();
    clickRow("UserRemarkList_DataGrid", 2);
    EXPECT_EQ(text("UserRemarkList_lblUserRemarkIdx"), "2");
    EXPECT_EQ(text("UserRemarkList_txtUserRemark"), "运费");
    setText("UserRemarkList_txtUserRemark", "差旅费");
    click("UserRemarkList_cmdUpdate");
    EXPECT_EQ(prompter_.texts(), QStringList{"修改备注成功"});
    EXPECT_EQ(remarks(), (QStringList{"差旅费", "货款"}));
}

TEST_F(UserRemarkTabTest, ChangingToAnExistingPhraseKeepsBoth) {
    addRemarks();
    clickRow("UserRemarkList_DataGrid", 2);
    setText("UserRemarkList_txtUserRemark", "货款");
    click("UserRemarkList_cmdUpdate");
    EXPECT_EQ(prompter_.texts(), QStringList{"新的用途备注已存在"});
    EXPECT_EQ(text("UserRemarkList_txtUserRemark"), "运费");
    EXPECT_EQ(remarks(), (QStringList{"货款", "运费"}));
}

TEST_F(UserRemarkTabTest, DeleteRemovesTheSelectedPhraseNotTheTypedOne) {
    addRemarks();
    clickRow("UserRemarkList_DataGrid", 1);
    setText("UserRemarkList_txtUserRemark", "运费");
    click("UserRemarkList_cmdDelete");
    EXPECT_EQ(prompter_.boxes().at(0).text, "是否确认要删除备注?");
    EXPECT_EQ(prompter_.boxes().at(0).icon, MsgIcon::Question);
    EXPECT_EQ(prompter_.texts().last(), "删除备注成功");
    EXPECT_EQ(remarks(), QStringList{"运费"});
}

TEST_F(UserRemarkTabTest, AnEmptyPhraseStaysSelectable) {
    sql(QStringLiteral("insert into user_remark (remark) values (''),('货款')"));
    tab_->resetUserRemarkList();
    clickRow("UserRemarkList_DataGrid", 1);
    EXPECT_EQ(text("UserRemarkList_lblUserRemarkIdx"), "1");
    click("UserRemarkList_cmdDelete");
    EXPECT_EQ(prompter_.texts().last(), "删除备注成功");
    EXPECT_EQ(remarks(), QStringList{"货款"});
}

TEST_F(UserRemarkTabTest, ThePhraseIsCheckedFirst) {
    requireField(20, "汇款备注名称");
    showActive();
    setText("UserRemarkList_txtUserRemark", "  ");
    click("UserRemarkList_cmdAdd");
    EXPECT_EQ(prompter_.texts(), QStringList{"汇款备注名称不能为空，请重新输入。"});
    EXPECT_EQ(count("user_remark"), 0);
    expectBackIn("UserRemarkList_txtUserRemark");
}

} // namespace
