#pragma once

#include "testsupport/ClientFixture.h"

#include <QStringList>
#include <gtest/gtest.h>

// The client fixture with payroll rows and persons stored as the editor stores them.
class PayrollFixture : public ClientFixture {
protected:
    QStringList batch() const {
        return rows("select acc_no,acc_name,pay_amount,remark from laborage order by serial_no");
    }
    QStringList roster() const {
        return rows("select acc_no,acc_name,cert_type from person_payee_acc order by acc_no");
    }

    // One instruction, stored as the editor stores it.
    void addInstruction(const QString& serial, const QString& accNo, const QString& accName,
                        const QString& amount,
                        const QString& remark = QStringLiteral("工资")) const {
        sql(QStringLiteral("insert into laborage (serial_no,acc_no,acc_name,pay_amount,remark) "
                           "values ('%1','%2','%3','%4','%5')")
                .arg(serial, accNo, accName, amount, remark));
    }
    void addPerson(const QString& accNo, const QString& accName) const {
        sql(QStringLiteral("insert into person_payee_acc (acc_no,acc_name,cert_type,cert_code) "
                           "values ('%1','%2','1','110101199001011234')")
                .arg(accNo, accName));
    }
};
