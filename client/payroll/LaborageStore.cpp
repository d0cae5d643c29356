#include "payroll/LaborageStore.h"

#include "store/DBAccess.h"

std::vector<Person> LaborageStore::persons() {
    std::vector<Person> out;
    const std::optional<RecordSet> rows =
        db_.Query(QStringLiteral("select acc_no,acc_name from person_payee_acc order by acc_no"));
    if (!rows)
        return out;
    for (int row = 0; row < rows->rowCount(); ++row)
        out.push_back({rows->value(row, 0).toString(), rows->value(row, 1).toString()});
    return out;
}

QStringList LaborageStore::remarks() {
    QStringList out;
    const std::optional<RecordSet> rows =
        db_.Query(QStringLiteral("select remark From user_remark order by remark"));
    if (!rows)
        return out;
    for (int row = 0; row < rows->rowCount(); ++row)
        out << rows->value(row, 0).toString();
    return out;
}

bool LaborageStore::hasInstructionFor(const QString& accNo) {
    const std::optional<RecordSet> rows =
        db_.Query(QStringLiteral("select acc_no from laborage where acc_no = ?"), {accNo});
    return rows && rows->rowCount() > 0;
}

bool LaborageStore::insertInstruction(const QString& serialNo,
                                      const LaborageInstruction& instruction) {
    return db_.Insert(
        QStringLiteral("insert into laborage (serial_no,acc_no,acc_name,pay_amount,"
                       "remark) values (?,?,?,?,?)"),
        {serialNo, instruction.accNo, instruction.accName, instruction.amount, instruction.remark});
}

bool LaborageStore::updateInstruction(const QString& serialNo,
                                      const LaborageInstruction& instruction) {
    return db_.Update(
        QStringLiteral("update laborage set acc_no=?,acc_name=?,pay_amount=?,"
                       "remark=? where serial_no=?"),
        {instruction.accNo, instruction.accName, instruction.amount, instruction.remark, serialNo});
}

bool LaborageStore::deleteInstruction(const QString& serialNo) {
    return db_.Delete(QStringLiteral("delete from laborage where serial_no=?"), {serialNo});
}
