#include "PaymentFileCommands.h"

#include "BPFile.h"
#include "ClientMessages.h"
#include "DBAccess.h"
#include "MakeSerialNo.h"
#include "PaymentList.h"

#include <QDate>

namespace {

using Status = CommandOutcome::Status;

const QString kWriteQuery = QStringLiteral(
    "select p.serial_no as 流水号,p.pay_acc_no as 付款账号,p.pay_acc_name as "
    "付款账户户名,p.rec_acc_type as 收款账户行别,"
    "p.rec_acc_no as 收款账号,p.rec_acc_name as 收款账户户名,"
    "p.remit_type as  转账类型, p.rec_bank_name as 收款银行名称,p.same_city_liquidate_no as "
    "同城清算行号,p.province as 省份,p.city as 城市,p.presentBankNo as 现代支付行号,"
    "p.pay_amt as 付款金额,p.remark as 备注"
    " from payment p,tran_acc_type t ,remit_type rt where p.rec_acc_type = t.tran_type and "
    "rt.remit_type_no = p.remit_type order by p.serial_no");

const QString kInsertLoaded = QStringLiteral(
    "insert into payment (serial_no,pay_acc_no,pay_acc_name,rec_acc_type,rec_acc_no,"
    "rec_acc_name,rec_bank_id,rec_area_no,rec_net_no,rec_bank_name,same_city_liquidate_no,"
    "province,city,presentBankNo,pay_amt,remark,user_remark,remit_type) values "
    "(?,?,?,?,?,?,'','','',?,?,?,?,?,?,?,'',?)");

const QString kNothingToWrite = QStringLiteral("无指令需要生成批量支付文件");
const QString kLoadFileError = QStringLiteral("文件读写错误，导入批量付款文件失败");

std::vector<BPRecord> recordsToWrite(const RecordSet& rows) {
    std::vector<BPRecord> records;
    records.reserve(static_cast<size_t>(rows.rowCount()));
    // Columns are read by their aliases, as the query names them.
    const int serial = rows.columnIndex(QStringLiteral("流水号"));
    const int payAcc = rows.columnIndex(QStringLiteral("付款账号"));
    const int payAccName = rows.columnIndex(QStringLiteral("付款账户户名"));
    const int kind = rows.columnIndex(QStringLiteral("收款账户行别"));
    const int recAcc = rows.columnIndex(QStringLiteral("收款账号"));
    const int recAccName = rows.columnIndex(QStringLiteral("收款账户户名"));
    const int remit = rows.columnIndex(QStringLiteral("转账类型"));
    const int bank = rows.columnIndex(QStringLiteral("收款银行名称"));
    const int clearing = rows.columnIndex(QStringLiteral("同城清算行号"));
    const int province = rows.columnIndex(QStringLiteral("省份"));
    const int city = rows.columnIndex(QStringLiteral("城市"));
    const int modern = rows.columnIndex(QStringLiteral("现代支付行号"));
    const int amount = rows.columnIndex(QStringLiteral("付款金额"));
    const int remark = rows.columnIndex(QStringLiteral("备注"));
    for (int row = 0; row < rows.rowCount(); ++row) {
        BPRecord record;
        record.serialNo = rows.value(row, serial).toString();
        record.payAcc = rows.value(row, payAcc).toString();
        record.payAccName = rows.value(row, payAccName).toString();
        record.transferType = rows.value(row, kind).toString();
        record.recAcc = rows.value(row, recAcc).toString();
        record.recAccName = rows.value(row, recAccName).toString();
        record.money = rows.value(row, amount).toString();
        record.usage = rows.value(row, remark).toString();
        record.remitType = rows.value(row, remit).toString();
        record.recAccountOpenBank = rows.value(row, bank).toString();
        record.sameCityLiquidateNo = rows.value(row, clearing).toString();
        record.province = rows.value(row, province).toString();
        record.city = rows.value(row, city).toString();
        record.presentPayNo = rows.value(row, modern).toString();
        records.push_back(std::move(record));
    }
    return records;
}

void rollBackQuietly(DBAccess& db) {
    try {
        db.Rollback();
    } catch (const TransactionError&) {
        // Nothing was begun, or the connection is gone: there is nothing left to undo.
    }
}

// Deletes the batch and inserts the records; the first failure is reported and rolled back.
bool replaceBatch(DBAccess& db, ClientMessages& messages, const std::vector<BPRecord>& records) {
    if (!db.Delete(QStringLiteral("delete from payment"))) {
        db.Rollback();
        messages.show(QStringLiteral("清除原有数据时发生错误，文件导入被中止"));
        return false;
    }
    for (size_t i = 0; i < records.size(); ++i) {
        const BPRecord& r = records[i];
        const qsizetype k = static_cast<qsizetype>(i) + 1;
        if (r.currencyType != QStringLiteral("01")) {
            db.Rollback();
            messages.show(QStringLiteral("第%1条记录中的币种不支持，文件导入被中止").arg(k));
            return false;
        }
        const QVariantList values = {
            MakeSerialNo(), r.payAcc,     r.payAccName,         r.transferType,
            r.recAcc,       r.recAccName, r.recAccountOpenBank, r.sameCityLiquidateNo,
            r.province,     r.city,       r.presentPayNo,       r.money,
            r.usage,        r.remitType};
        if (!db.Insert(kInsertLoaded, values)) {
            db.Rollback();
            messages.show(QStringLiteral("添加第%1条记录中时发生错误，文件导入被中止").arg(k));
            return false;
        }
    }
    return true;
}

} // namespace

CommandOutcome writePaymentFile(DBAccess& db, ClientMessages& messages, const PaymentList& list,
                                const PathChooser& choosePath) {
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    // The grid always shows at least one row: an empty first serial means an empty batch.
    if (list.cell(1, PaymentList::kSerialColumn).trimmed().isEmpty())
        return {Status::Stopped, kNothingToWrite};
    const QString path = choosePath().trimmed();
    if (path.isEmpty())
        return {Status::Stopped, {}};
    const std::optional<RecordSet> rows = db.Query(kWriteQuery);
    if (!rows || rows->rowCount() == 0) {
        messages.show(kNothingToWrite);
        return {Status::Failed, {}};
    }
    const BPSummary summary{today, list.totalText(), list.countText()};
    const BPWriteResult written = writeBPFile(path, summary, recordsToWrite(*rows));
    switch (written.status) {
    case BPWriteResult::Status::Written:
        messages.show(QStringLiteral("批量支付文件生成完毕"));
        return {Status::Done, {}};
    case BPWriteResult::Status::Unrepresentable:
        messages.show(written.message);
        return {Status::Failed, {}};
    case BPWriteResult::Status::FileError:
        break;
    }
    messages.show(QStringLiteral("文件读写错误，批量支付文件生成失败"));
    return {Status::Failed, written.message};
}

CommandOutcome loadPaymentFile(DBAccess& db, ClientMessages& messages, const PaymentList& list,
                               const PathChooser& choosePath, const std::function<void()>& reload) {
    if (!list.cell(1, PaymentList::kSerialColumn).isEmpty() &&
        !messages.confirm(
            QStringLiteral("文件导入时原有数据将被全部清空，请先用“生成上传文件”功能保"
                           "存，请确认是否要继续?")))
        return {Status::Stopped, {}};
    const QString path = choosePath();
    if (path.trimmed().isEmpty())
        return {Status::Stopped, {}};
    const BPReadResult read = readBPFile(path);
    switch (read.status) {
    case BPReadResult::Status::Read:
        break;
    case BPReadResult::Status::NotWellFormed:
        return {Status::Stopped, QStringLiteral("文件不是格式正确的XML文件：") + path};
    case BPReadResult::Status::Unreadable:
    case BPReadResult::Status::NoRecordList:
        messages.show(kLoadFileError);
        return {Status::Failed, read.detail};
    }
    try {
        db.BeginTrans();
        if (!replaceBatch(db, messages, read.records))
            return {Status::Failed, {}};
        db.Commit();
    } catch (const TransactionError& error) {
        rollBackQuietly(db);
        messages.show(kLoadFileError);
        return {Status::Failed, QString::fromUtf8(error.what())};
    }
    reload();
    messages.show(QStringLiteral("导入批量付款文件完毕"));
    return {Status::Done, {}};
}
