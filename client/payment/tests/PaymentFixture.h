#pragma once

#include "testsupport/ClientFixture.h"

#include <QStringList>
#include <gtest/gtest.h>

// The client fixture with batch payment rows stored as the editor stores them.
class PaymentFixture : public ClientFixture {
protected:
    // One instruction, stored as the editor stores it.
    void addPayment(const QString& serial, const QString& kind, const QString& recAcc,
                    const QString& amount, const QString& remark = QStringLiteral("货款"),
                    const QString& remit = QStringLiteral("0")) const {
        sql(QStringLiteral("insert into payment (serial_no,pay_acc_no,pay_acc_name,rec_acc_type,"
                           "rec_acc_no,rec_acc_name,rec_bank_name,same_city_liquidate_no,province,"
                           "city,presentBankNo,pay_amt,remark,user_remark,remit_type) values "
                           "('%1','622200001111','澄川贸易有限公司','%2','%3','收款人%3',"
                           "'%4','%5','%6','%7','%8','%9','%10','','%11')")
                .arg(serial, kind, recAcc, kind == "00" ? "澄川银行" : "工商银行",
                     kind == "01" ? "102" : "", kind == "02" ? "广东省" : "",
                     kind == "02" ? "广州市" : "", kind == "02" ? "102581000013" : "", amount)
                .arg(remark, remit));
    }
};
