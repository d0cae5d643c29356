#include "payroll/PayrollFileCommands.h"

#include "files/ClientMessages.h"
#include "files/LoadCommand.h"
#include "payroll/GZFile.h"
#include "payroll/LaborageList.h"
#include "payroll/LaborageLoad.h"
#include "store/DBAccess.h"
#include "store/MakeSerialNo.h"

#include <QDate>

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
    if (!db.Delete(QStringLiteral("delete from laborage"))) {
        db.Rollback();
        messages.show(QStringLiteral("清除原有数据时发生错误，文件导入被中止"));
        return false;
    }
    SerialSequence serials;
    const auto stop = [&](const QString& message) {
        db.Rollback();
        messages.show(message);
        return false;
    };
    return file.forEachRecord([&](const GZRecord& r, qsizetype n) {
        QString money;
        if (const QString refused = laborageRefusal(r, n, money); !refused.isEmpty())
            return stop(refused);
        if (const QString failed = storeLoadedLaborage(db, r, money, serials.next(), n);
            !failed.isEmpty())
            return stop(failed);
        return true;
    });
}

} // namespace

FileCommandOutcome writePayrollFile(DBAccess& db, ClientMessages& messages,
                                    const LaborageList& list, const PathChooser& choosePath) {
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    if (!list.showsInstructions()) {
        messages.show(kNothingToWrite);
        return {Status::Failed, {}};
    }
    const QString path = choosePath().trimmed();
    if (path.isEmpty())
        return {Status::Stopped, {}};
    const std::optional<RecordSet> rows = db.Query(kWriteQuery);
    if (!rows || rows->rowCount() == 0) {
        messages.show(kNothingToWrite);
        return {Status::Failed, {}};
    }
    const GZSummary summary{today, list.totalText(), list.countText()};
    const GZWriteResult written =
        writeGZFile(path, summary, rows->rowCount(), [&rows](qsizetype i) {
            const int row = static_cast<int>(i);
            return GZRecord{rows->value(row, 0).toString(), rows->value(row, 1).toString(),
                            rows->value(row, 2).toString(), storedAmountText(rows->value(row, 3)),
                            rows->value(row, 4).toString()};
        });
    switch (written.status) {
    case GZWriteResult::Status::Written:
        messages.show(QStringLiteral("代发工资/代报销文件生成完毕"));
        return {Status::Done, {}};
    case GZWriteResult::Status::Unrepresentable:
        messages.show(written.message);
        return {Status::Failed, {}};
    case GZWriteResult::Status::FileError:
        break;
    }
    messages.show(QStringLiteral("文件读写错误，代发工资/代报销文件生成失败"));
    return {Status::Failed, written.message};
}

FileCommandOutcome loadPayrollFile(DBAccess& db, ClientMessages& messages, const LaborageList& list,
                                   const PathChooser& choosePath,
                                   const std::function<void()>& reload) {
    if (list.showsInstructions() && !messages.confirm(QStringLiteral(
                                        "文件导入时原有数据将被全部清空，请先用“生成上传文件”功能保"
                                        "存，请确认是否要继续?")))
        return {Status::Stopped, {}};
    const QString path = choosePath();
    if (path.trimmed().isEmpty())
        return {Status::Stopped, {}};
    GZFileDocument file;
    if (const auto failed =
            notLoadedOutcome(file.load(path), file.detail(), messages, path, kLoadFileError))
        return *failed;
    return replaceInOneTransaction(
        db, messages, [&] { return replaceBatch(db, messages, file); }, kLoadFileError,
        QStringLiteral("导入代发工资/代报销文件完毕"), reload);
}
