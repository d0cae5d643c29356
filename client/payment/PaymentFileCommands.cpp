#include "payment/PaymentFileCommands.h"

#include "amount/AmountChecks.h"
#include "files/BatchFileCommand.h"
#include "files/ClientMessages.h"
#include "files/LoadCommand.h"
#include "payment/BPFile.h"
#include "payment/PaymentList.h"
#include "payment/PaymentLoad.h"
#include "store/DBAccess.h"
#include "store/MakeSerialNo.h"

namespace {

using Status = FileCommandOutcome::Status;

const QString kWriteQuery = QStringLiteral(
    "select p.serial_no as 流水号,p.pay_acc_no as 付款账号,p.pay_acc_name as "
    "付款账户户名,p.rec_acc_type as 收款账户行别,"
    "p.rec_acc_no as 收款账号,p.rec_acc_name as 收款账户户名,"
    "p.remit_type as  转账类型, p.rec_bank_name as 收款银行名称,p.same_city_liquidate_no as "
    "同城清算行号,p.province as 省份,p.city as 城市,p.presentBankNo as 现代支付行号,"
    "p.pay_amt as 付款金额,p.remark as 备注"
    " from payment p,tran_acc_type t ,remit_type rt where p.rec_acc_type = t.tran_type and "
    "rt.remit_type_no = p.remit_type order by p.serial_no");

// Instructions the write query's join leaves out; the summary would count them all the same.
const QString kUnlistedQuery = QStringLiteral(
    "select serial_no from payment p where not exists (select 1 from tran_acc_type t, "
    "remit_type rt where p.rec_acc_type = t.tran_type and rt.remit_type_no = p.remit_type) "
    "order by serial_no limit 1");

const QStringList kKindCodes = {QStringLiteral("00"), QStringLiteral("01"), QStringLiteral("02")};
const QStringList kRemitCodes = {QStringLiteral("0"), QStringLiteral("1")};

const QString kNothingToWrite = QStringLiteral("无指令需要生成批量支付文件");
const QString kLoadFileError = QStringLiteral("文件读写错误，导入批量付款文件失败");

// Reads the write query's rows by their aliases.
class WriteRows {
public:
    explicit WriteRows(const RecordSet& rows)
        : rows_(rows) {}

    BPRecord at(qsizetype index) const {
        const int row = static_cast<int>(index);
        const auto text = [&](int column) {
            return rows_.value(row, column).toString();
        };
        BPRecord record;
        record.serialNo = text(serial_);
        record.payAcc = text(payAcc_);
        record.payAccName = text(payAccName_);
        record.transferType = text(kind_);
        record.recAcc = text(recAcc_);
        record.recAccName = text(recAccName_);
        record.money = text(amount_);
        record.usage = text(remark_);
        record.remitType = text(remit_);
        record.recAccountOpenBank = text(bank_);
        record.sameCityLiquidateNo = text(clearing_);
        record.province = text(province_);
        record.city = text(city_);
        record.presentPayNo = text(modern_);
        return record;
    }

private:
    int column(const char* alias) const { return rows_.columnIndex(QString::fromUtf8(alias)); }

    const RecordSet& rows_;
    const int serial_ = column("流水号");
    const int payAcc_ = column("付款账号");
    const int payAccName_ = column("付款账户户名");
    const int kind_ = column("收款账户行别");
    const int recAcc_ = column("收款账号");
    const int recAccName_ = column("收款账户户名");
    const int remit_ = column("转账类型");
    const int bank_ = column("收款银行名称");
    const int clearing_ = column("同城清算行号");
    const int province_ = column("省份");
    const int city_ = column("城市");
    const int modern_ = column("现代支付行号");
    const int amount_ = column("付款金额");
    const int remark_ = column("备注");
};

// Why record k cannot enter the batch, or "": a row the list and the file leave out would
// still be counted in their totals, and an amount must add up as it is listed.
QString recordFault(const BPRecord& r, const FileAmount& amount, qsizetype k) {
    if (r.currencyType != QStringLiteral("01"))
        return QStringLiteral("第%1条记录中的币种不支持，文件导入被中止").arg(k);
    if (!kKindCodes.contains(r.transferType))
        return QStringLiteral("第%1条记录中的收款账户行别不支持，文件导入被中止").arg(k);
    if (!kRemitCodes.contains(r.remitType))
        return QStringLiteral("第%1条记录中的转账类型不支持，文件导入被中止").arg(k);
    return fileAmountRefusal(amount.check, k);
}

// Deletes the batch and inserts the file's records; the first failure is reported and rolled
// back.
bool replaceBatch(DBAccess& db, ClientMessages& messages, const BPFileDocument& file) {
    if (!clearBatch(db, messages, QStringLiteral("delete from payment")))
        return false;
    SerialSequence serials;
    return file.forEachRecord([&](const BPRecord& r, qsizetype k) {
        const FileAmount amount = checkFileAmount(r.money);
        const QString refused = recordFault(r, amount, k);
        if (!refused.isEmpty())
            return stopLoad(db, messages, refused);
        BPRecord stored = r;
        stored.money = amount.plain;
        if (!storeLoadedPayment(db, stored, serials.next()))
            return stopLoad(db, messages,
                            QStringLiteral("添加第%1条记录中时发生错误，文件导入被中止").arg(k));
        return true;
    });
}

} // namespace

FileCommandOutcome writePaymentFile(DBAccess& db, ClientMessages& messages, const PaymentList& list,
                                    const PathChooser& choosePath) {
    // The grid always shows at least one row: an empty first serial means an empty batch.
    if (list.cell(1, PaymentList::kSerialColumn).trimmed().isEmpty())
        return {Status::Stopped, kNothingToWrite};
    const std::optional<RecordSet> unlisted = db.Query(kUnlistedQuery);
    if (!unlisted)
        return {Status::Failed, {}};
    if (unlisted->rowCount() > 0) {
        messages.show(QStringLiteral("流水号%1的指令收款账户行别或转账类型无法识别，不能写入文件，"
                                     "批量支付文件未生成")
                          .arg(unlisted->value(0, 0).toString()));
        return {Status::Failed, {}};
    }
    return writeBatchFile(db, messages, choosePath, kWriteQuery,
                          {kNothingToWrite, QStringLiteral("批量支付文件生成完毕"),
                           QStringLiteral("文件读写错误，批量支付文件生成失败")},
                          [&list](const QString& path, const QString& date, const RecordSet& rows) {
                              const WriteRows source(rows);
                              BPWriteResult written = writeBPFile(
                                  path, {date, list.totalText(), list.countText()}, rows.rowCount(),
                                  [&source](qsizetype i) { return source.at(i); });
                              if (written.status == BPWriteResult::Status::FileError)
                                  written.message = QStringLiteral("无法写入文件：%1").arg(path);
                              return written;
                          });
}

FileCommandOutcome loadPaymentFile(DBAccess& db, ClientMessages& messages, const PaymentList& list,
                                   const PathChooser& choosePath,
                                   const std::function<void()>& reload) {
    const std::optional<QString> path =
        chooseFileToLoad(messages, !list.cell(1, PaymentList::kSerialColumn).isEmpty(), choosePath);
    if (!path)
        return {Status::Stopped, {}};
    BPFileDocument file;
    switch (file.load(*path)) {
    case BPFileDocument::Status::Loaded:
        break;
    case BPFileDocument::Status::NotWellFormed:
        return {Status::Stopped, QStringLiteral("文件不是格式正确的XML文件：") + *path};
    case BPFileDocument::Status::Refused:
        messages.show(file.detail());
        return {Status::Failed, {}};
    case BPFileDocument::Status::Unreadable:
        messages.show(kLoadFileError);
        return {Status::Failed, QStringLiteral("文件无法读取：%1").arg(*path)};
    case BPFileDocument::Status::NoRecordList:
        messages.show(kLoadFileError);
        return {Status::Failed, QStringLiteral("文件中没有RecordList：%1").arg(*path)};
    }
    return replaceInOneTransaction(
        db, messages, [&] { return replaceBatch(db, messages, file); }, kLoadFileError,
        QStringLiteral("导入批量付款文件完毕"), reload);
}
