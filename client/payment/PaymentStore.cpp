#include "payment/PaymentStore.h"

#include "store/DBAccess.h"

namespace {

const QString kPayeeColumns =
    QStringLiteral("select acc_no,acc_name,acc_type,branch_id,area_no,net_no,rec_bank_name,"
                   "same_city_liquidate_no,province,city,presentBankNo from payee_acc where ");

PayeeAccount payeeAt(const RecordSet& rows, int row) {
    const auto value = [&](const char* column) {
        return rows.value(row, QLatin1String(column)).toString();
    };
    return {value("acc_no"),
            value("acc_name"),
            value("acc_type"),
            value("rec_bank_name"),
            value("same_city_liquidate_no"),
            value("province"),
            value("city"),
            value("presentBankNo")};
}

QStringList firstColumn(const std::optional<RecordSet>& rows) {
    QStringList out;
    if (!rows)
        return out;
    for (int row = 0; row < rows->rowCount(); ++row)
        out << rows->value(row, 0).toString();
    return out;
}

} // namespace

std::vector<PayAccount> PaymentStore::payAccounts() {
    std::vector<PayAccount> out;
    const std::optional<RecordSet> rows =
        db_.Query(QStringLiteral("select acc_no,acc_name from pay_acc"));
    if (!rows)
        return out;
    for (int row = 0; row < rows->rowCount(); ++row)
        out.push_back({rows->value(row, QStringLiteral("acc_no")).toString(),
                       rows->value(row, QStringLiteral("acc_name")).toString()});
    return out;
}

QStringList PaymentStore::remarks() {
    return firstColumn(db_.Query(QStringLiteral("select remark from user_remark order by remark")));
}

std::vector<PayeeAccount> PaymentStore::payees(const QString& accType) {
    std::vector<PayeeAccount> out;
    const std::optional<RecordSet> rows =
        db_.Query(kPayeeColumns + QStringLiteral("acc_type=? order by acc_no"), {accType});
    if (!rows)
        return out;
    for (int row = 0; row < rows->rowCount(); ++row)
        out.push_back(payeeAt(*rows, row));
    return out;
}

QStringList PaymentStore::provinces() {
    return firstColumn(db_.Query(QStringLiteral("select provinceName from province")));
}

QStringList PaymentStore::cities(const QString& provinceName) {
    return firstColumn(db_.Query(QStringLiteral("select cityName from city a, province b where "
                                                "provinceName=? and a.provinceId = b.provinceId"),
                                 {provinceName}));
}

bool PaymentStore::hasPaymentTo(const QString& recAccType, const QString& recAccNo) {
    const std::optional<RecordSet> rows = db_.Query(
        QStringLiteral("select serial_no from payment where rec_acc_type=? and rec_acc_no =?"),
        {recAccType, recAccNo});
    return rows && rows->rowCount() > 0;
}

std::optional<PayAccount> PaymentStore::payAccount(const QString& accNo) {
    const std::optional<RecordSet> rows =
        db_.Query(QStringLiteral("select acc_no,acc_name from pay_acc where acc_no =?"), {accNo});
    if (!rows || rows->rowCount() == 0)
        return std::nullopt;
    return PayAccount{rows->value(0, QStringLiteral("acc_no")).toString(),
                      rows->value(0, QStringLiteral("acc_name")).toString()};
}

bool PaymentStore::renamePayAccount(const PayAccount& account) {
    return db_.Update(QStringLiteral("update pay_acc set acc_name = ? where acc_no = ?"),
                      {account.accName, account.accNo});
}

bool PaymentStore::insertPayAccount(const PayAccount& account) {
    return db_.Insert(QStringLiteral("insert into pay_acc (acc_no,acc_name) values (?,?)"),
                      {account.accNo, account.accName});
}

std::optional<PayeeAccount> PaymentStore::payee(const QString& accNo, const QString& accType) {
    const std::optional<RecordSet> rows =
        db_.Query(kPayeeColumns + QStringLiteral("acc_no =? and acc_type=?"), {accNo, accType});
    if (!rows || rows->rowCount() == 0)
        return std::nullopt;
    return payeeAt(*rows, 0);
}

bool PaymentStore::updatePayee(const PayeeAccount& a) {
    return db_.Update(
        QStringLiteral("update payee_acc set acc_name = ?,"
                       "rec_bank_name = ?, same_city_liquidate_no = ?,province = ?,"
                       "city = ?,presentBankNo = ? where acc_no = ? and acc_type = ?"),
        {a.accName, a.recBankName, a.sameCityLiquidateNo, a.province, a.city, a.presentBankNo,
         a.accNo, a.accType});
}

bool PaymentStore::insertPayee(const PayeeAccount& a) {
    return db_.Insert(
        QStringLiteral("insert into payee_acc (acc_no,acc_name,acc_type,branch_id,"
                       "area_no,net_no,rec_bank_name,same_city_liquidate_no,"
                       "province,city,presentBankNo)values (?,?,?,'','','',?,?,?,?,?)"),
        {a.accNo, a.accName, a.accType, a.recBankName, a.sameCityLiquidateNo, a.province, a.city,
         a.presentBankNo});
}

bool PaymentStore::insertPayment(const QString& serialNo, const PaymentInstruction& p) {
    return db_.Insert(
        QStringLiteral("insert into payment (serial_no,pay_acc_no,pay_acc_name,rec_acc_type,"
                       "rec_acc_no,rec_acc_name,rec_bank_name, same_city_liquidate_no, province, "
                       "city, presentBankNo, pay_amt,remark,user_remark,remit_type) values "
                       "(?,?,?,?,?,?,?,?,?,?,?,?,?,'',?)"),
        {serialNo, p.payAccNo, p.payAccName, p.recAccType, p.recAccNo, p.recAccName, p.recBankName,
         p.sameCityLiquidateNo, p.province, p.city, p.presentBankNo, p.payAmt, p.remark,
         p.remitType});
}

bool PaymentStore::updatePayment(const QString& serialNo, const PaymentInstruction& p) {
    return db_.Update(
        QStringLiteral("update payment set pay_acc_no=?,pay_acc_name=?,rec_acc_type=?,"
                       "rec_acc_no=?,rec_acc_name=?,rec_bank_id='',rec_area_no='',rec_net_no='',"
                       "rec_bank_name=?,same_city_liquidate_no=?,province=?,city=?,"
                       "presentBankNo=?,pay_amt=?,remark=?,remit_type = ? where serial_no=?"),
        {p.payAccNo, p.payAccName, p.recAccType, p.recAccNo, p.recAccName, p.recBankName,
         p.sameCityLiquidateNo, p.province, p.city, p.presentBankNo, p.payAmt, p.remark,
         p.remitType, serialNo});
}

bool PaymentStore::deletePayment(const QString& serialNo) {
    return db_.Delete(QStringLiteral("delete from payment where serial_no=?"), {serialNo});
}

bool PaymentStore::setPayerOfAll(const PayAccount& account) {
    return db_.Update(QStringLiteral("update payment set pay_acc_no=?,pay_acc_name=?"),
                      {account.accNo, account.accName});
}
