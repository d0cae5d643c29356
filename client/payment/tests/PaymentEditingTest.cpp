#include "payment/PaymentEditing.h"
#include "payment/PaymentStore.h"
#include "payment/tests/PaymentFixture.h"

namespace {

using PaymentEditingTest = PaymentFixture;

PaymentInstruction toPayee(const QString& kind, const QString& name, const QString& bank) {
    PaymentInstruction p;
    p.payAccNo = QStringLiteral("622200001111");
    p.payAccName = QStringLiteral("澄川贸易有限公司");
    p.recAccType = kind;
    p.recAccNo = QStringLiteral("2001");
    p.recAccName = name;
    p.recBankName = bank;
    p.payAmt = QStringLiteral("10");
    p.remitType = QStringLiteral("0");
    return p;
}

TEST_F(PaymentEditingTest, APayeeIsStoredAndUpdatedUnderItsOwnKind) {
    PaymentStore store(*db_);
    ASSERT_TRUE(::addPayment(store, messages_, toPayee("00", "乙", "澄川银行")));
    ASSERT_TRUE(::addPayment(store, messages_, toPayee("01", "乙", "工商银行")));
    const QString query =
        QStringLiteral("select acc_type,acc_name,rec_bank_name from payee_acc order by acc_type");
    EXPECT_EQ(rows(query), (QStringList{"00|乙|澄川银行", "01|乙|工商银行"}));

    ASSERT_TRUE(::addPayment(store, messages_, toPayee("00", "乙改", "澄川银行")));
    EXPECT_EQ(rows(query), (QStringList{"00|乙改|澄川银行", "01|乙|工商银行"}));
}

} // namespace
