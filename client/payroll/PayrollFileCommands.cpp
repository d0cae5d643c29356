#include "payroll/PayrollFileCommands.h"

#include "files/BatchFileCommand.h"
#include "files/ClientMessages.h"
#include "files/LoadCommand.h"
#include "payroll/GZFile.h"
#include "payroll/LaborageList.h"
#include "payroll/LaborageLoad.h"
#include "store/DBAccess.h"
#include "store/MakeSerialNo.h"

namespace {

using Status = FileCommandOutcome::Status;

const QString kWriteQuery =
    QStringLiteral("select a.serial_no,a.acc_no,a.acc_name,a.pay_amount,a.remark"
                   " from laborage a order by a.serial_no");
const QString kNothingToWrite = QStringLiteral("无指令需要生成代发工资/代报销文件");
const QString kLoadFileError = QStringLiteral("文件读写错误，导入代发工资/代报销文件失败");

// Deletes the batch, then checks and stores every record; the first failure is reported and
// rolled back.
bool replaceBatch(DBAccess& db, ClientMessages& messages, const GZFileDocument& file) {
    if (!clearBatch(db, messages, QStringLiteral("delete from laborage")))
        return false;
    SerialSequence serials;
    return file.forEachRecord([&](const GZRecord& r, qsizetype n) {
        QString money;
        if (const QString refused = laborageRefusal(r, n, money); !refused.isEmpty())
            return stopLoad(db, messages, refused);
        if (const QString failed = storeLoadedLaborage(db, r, money, serials.next(), n);
            !failed.isEmpty())
            return stopLoad(db, messages, failed);
        return true;
    });
}

} // namespace

FileCommandOutcome writePayrollFile(DBAccess& db, ClientMessages& messages,
                                    const LaborageList& list, const PathChooser& choosePath) {
    if (!list.showsInstructions()) {
        messages.show(kNothingToWrite);
        return {Status::Failed, {}};
    }
    return writeBatchFile(db, messages, choosePath, kWriteQuery,
                          {kNothingToWrite, QStringLiteral("代发工资/代报销文件生成完毕"),
                           QStringLiteral("文件读写错误，代发工资/代报销文件生成失败")},
                          [&list](const QString& path, const QString& date, const RecordSet& rows) {
                              return writeGZFile(path, {date, list.totalText(), list.countText()},
                                                 rows.rowCount(), [&rows](qsizetype i) {
                                                     const int row = static_cast<int>(i);
                                                     return GZRecord{
                                                         rows.value(row, 0).toString(),
                                                         rows.value(row, 1).toString(),
                                                         rows.value(row, 2).toString(),
                                                         storedAmountText(rows.value(row, 3)),
                                                         rows.value(row, 4).toString()};
                                                 });
                          });
}

FileCommandOutcome loadPayrollFile(DBAccess& db, ClientMessages& messages, const LaborageList& list,
                                   const PathChooser& choosePath,
                                   const std::function<void()>& reload) {
    const std::optional<QString> path =
        chooseFileToLoad(messages, list.showsInstructions(), choosePath);
    if (!path)
        return {Status::Stopped, {}};
    GZFileDocument file;
    if (const auto failed =
            notLoadedOutcome(file.load(*path), file.detail(), messages, *path, kLoadFileError))
        return *failed;
    return replaceInOneTransaction(
        db, messages, [&] { return replaceBatch(db, messages, file); }, kLoadFileError,
        QStringLiteral("导入代发工资/代报销文件完毕"), reload);
}
