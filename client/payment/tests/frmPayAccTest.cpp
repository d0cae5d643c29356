#include "payment/frmPayAcc.h"
#include "payment/tests/PaymentWidgetFixture.h"

namespace {

class frmPayAccTest : public PaymentWidgetFixture {
protected:
    void SetUp() override {
        PaymentWidgetFixture::SetUp();
        sql("insert into pay_acc (acc_no,acc_name) values ('1001','甲公司'),('1002','乙公司')");
    }
    void addThreeInstructions() {
        for (int i = 1; i <= 3; ++i)
            addPayment(QStringLiteral("20240101120000000%1000%1").arg(i), "00",
                       QStringLiteral("95588000000%1").arg(i), "10");
        tab_->resetPaymentB2B();
    }
    QString afterClosing(const QString& accNo) const {
        return "批量付款账号保存成功\n本次批量付款的付款账号为：" + accNo +
               "\n请点击 '新增指令' 按钮添加付款记录";
    }
};

TEST_F(frmPayAccTest, PreselectsTheBatchPayerOrTheFirstAccount) {
    BatchPayer payer;
    PaymentStore store(*db_);
    frmPayAcc chooser(store, messages_, payer);
    EXPECT_EQ(chooser.windowTitle(), "付款指令－付款账户维护");
    chooser.setAcc("");
    EXPECT_EQ(text(&chooser, "comboPayAccNo"), "1001");
    chooser.setAcc("1002");
    EXPECT_EQ(text(&chooser, "comboPayAccName"), "乙公司");
    chooser.setAcc("9999");
    EXPECT_EQ(text(&chooser, "comboPayAccNo"), "");
    EXPECT_EQ(text(&chooser, "comboPayAccName"), "");
}

TEST_F(frmPayAccTest, EmptyChoiceIsRefusedWhileTheBatchHasInstructions) {
    addThreeInstructions();
    BatchPayer payer = tab_->batchPayer();
    PaymentStore store(*db_);
    frmPayAcc chooser(store, messages_, payer);
    chooser.setAcc("9999");
    chooser.setPayCount(3);
    chooser.setParentForm(tab_.get());

    click(&chooser, "cmdOK");

    EXPECT_EQ(prompter_.texts(), QStringList{"批量付款记录已存在，付款账号不可为空"});
    EXPECT_EQ(chooser.result(), QDialog::Rejected);
    EXPECT_EQ(payer.accNo, "622200001111");
}

TEST_F(frmPayAccTest, EmptyChoiceForAnEmptyBatchClearsThePayerWithoutMessage) {
    sql("delete from pay_acc");
    onModal([this](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmPayAcc");
        click(&dialog, "cmdOK");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    tab_->cmdPayAccSetup_Click();
    EXPECT_EQ(tab_->batchPayer().accNo, "");
    EXPECT_TRUE(prompter_.boxes().empty());
}

TEST_F(frmPayAccTest, ChoosingTheCurrentPayerChangesNothing) {
    sql("insert into pay_acc (acc_no,acc_name) values ('622200001111','澄川贸易有限公司')");
    addThreeInstructions();
    sql("update payment set pay_acc_name='旧名' where serial_no like '%1'");
    const QStringList before = rows("select * from payment order by serial_no");
    onModal([this](QDialog& dialog) {
        EXPECT_EQ(text(&dialog, "comboPayAccNo"), "622200001111");
        click(&dialog, "cmdOK");
    });
    tab_->cmdPayAccSetup_Click();
    EXPECT_EQ(rows("select * from payment order by serial_no"), before);
    EXPECT_EQ(prompter_.texts(), QStringList{afterClosing("622200001111")});
}

TEST_F(frmPayAccTest, NewPayerIsWrittenIntoEveryInstruction) {
    addThreeInstructions();
    onModal([](QDialog& dialog) {
        auto* number = find<QComboBox>(&dialog, "comboPayAccNo");
        number->setCurrentIndex(1);
        emit number->activated(1);
        click(&dialog, "cmdOK");
    });
    tab_->cmdPayAccSetup_Click();

    EXPECT_EQ(rows("select distinct pay_acc_no, pay_acc_name from payment"),
              QStringList{"1002|乙公司"});
    EXPECT_EQ(tab_->batchPayer().accNo, "1002");
    EXPECT_EQ(tab_->paymentList().cell(3, 2), "1002");
    EXPECT_EQ(prompter_.texts(), QStringList{afterClosing("1002")});
}

TEST_F(frmPayAccTest, ChosenPayerOfAnEmptyBatchIsKeptWithoutStatement) {
    onModal([](QDialog& dialog) { click(&dialog, "cmdOK"); });
    tab_->cmdPayAccSetup_Click();
    EXPECT_EQ(tab_->batchPayer().accNo, "1001");
    EXPECT_EQ(tab_->batchPayer().accName, "甲公司");
    EXPECT_EQ(prompter_.texts(), QStringList{afterClosing("1001")});
}

} // namespace
