#include "payment/PaymentLoad.h"

#include "store/DBAccess.h"

namespace {

const QString kInsertLoaded = QStringLiteral(
    "insert into payment (serial_no,pay_acc_no,pay_acc_name,rec_acc_type,rec_acc_no,"
    "rec_acc_name,rec_bank_id,rec_area_no,rec_net_no,rec_bank_name,same_city_liquidate_no,"
    "province,city,presentBankNo,pay_amt,remark,user_remark,remit_type) values "
    "(?,?,?,?,?,?,'','','',?,?,?,?,?,?,?,'',?)");

} // namespace

bool storeLoadedPayment(DBAccess& db, const BPRecord& r, const QString& serial) {
    const QVariantList values = {
        serial,     r.payAcc,     r.payAccName,         r.transferType,
        r.recAcc,   r.recAccName, r.recAccountOpenBank, r.sameCityLiquidateNo,
        r.province, r.city,       r.presentPayNo,       r.money,
        r.usage,    r.remitType};
    return db.Insert(kInsertLoaded, values);
}
