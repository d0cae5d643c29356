#include "sheets/SheetImport.h"

#include "amount/AmountChecks.h"
#include "files/ClientMessages.h"
#include "payment/BPFile.h"
#include "payment/PaymentLoad.h"
#include "payroll/GZFile.h"
#include "payroll/LaborageLoad.h"
#include "sheets/SheetNumber.h"
#include "store/DBAccess.h"
#include "store/MakeSerialNo.h"

#include <map>

namespace {

using Status = FileCommandOutcome::Status;

const QString kReplaceQuestion = QStringLiteral(
    "文件导入时原有数据将被全部清空，请先用“生成上传文件”功能保存，请确认是否要继续?");

QString numbered(qsizetype n, const char* text) {
    return QStringLiteral("第") + QString::number(n) + QString::fromUtf8(text);
}

// A code table read both ways: by code and by its name.
class CodeTable {
public:
    CodeTable(DBAccess& db, const char* query) {
        if (const std::optional<RecordSet> rows = db.Query(QString::fromUtf8(query)))
            for (int r = 0; r < rows->rowCount(); ++r) {
                const QString code = rows->value(r, 0).toString();
                codes_[code] = code;
                codes_[rows->value(r, 1).toString()] = code;
            }
    }
    std::optional<QString> code(const QString& text) const {
        const auto found = codes_.find(text);
        if (found == codes_.end())
            return std::nullopt;
        return found->second;
    }

private:
    std::map<QString, QString> codes_;
};

QString payrollRefusal(QStringList& values, qsizetype n) {
    const GZRecord record{{}, values[0], values[1], values[2], values[3]};
    QString money;
    QString refused = laborageRefusal(record, n, money);
    if (refused.isEmpty())
        values[2] = money;
    return refused;
}

enum PaymentField {
    PayAcc,
    PayName,
    AccKind,
    RecAcc,
    RecName,
    Remit,
    Bank,
    Clearing,
    Province,
    City,
    Modern,
    Amount,
    Remark
};

QString paymentRefusal(QStringList& values, qsizetype n, const CodeTable& kinds,
                       const CodeTable& remits) {
    const std::vector<BatchField>& fields = batchFields(BatchKind::Payment);
    for (const int f : {PayAcc, PayName, RecAcc, RecName})
        if (values[f].isEmpty())
            return numbered(n, "条记录中的") + fields[static_cast<size_t>(f)].caption +
                   QStringLiteral("为空，文件导入被中止");
    if (values[PayAcc] == values[RecAcc])
        return numbered(n, "条记录中的付款账号与收款账号相同，文件导入被中止");
    const FileAmount amount = checkFileAmount(values[Amount]);
    if (amount.check != FileAmount::Check::Ok)
        return fileAmountRefusal(amount.check, n);
    values[Amount] = amount.plain;
    // A sheet without these columns means payments within the bank, sent the ordinary way.
    const std::optional<QString> kind =
        kinds.code(values[AccKind].isEmpty() ? QStringLiteral("00") : values[AccKind]);
    if (!kind)
        return numbered(n, "条记录中的收款账户行别错误，文件导入被中止");
    const std::optional<QString> remit =
        remits.code(values[Remit].isEmpty() ? QStringLiteral("0") : values[Remit]);
    if (!remit)
        return numbered(n, "条记录中的转账类型错误，文件导入被中止");
    values[AccKind] = *kind;
    values[Remit] = *remit;
    return {};
}

BPRecord paymentRecord(const QStringList& v) {
    BPRecord r;
    r.payAcc = v[PayAcc];
    r.payAccName = v[PayName];
    r.transferType = v[AccKind];
    r.recAcc = v[RecAcc];
    r.recAccName = v[RecName];
    r.remitType = v[Remit];
    r.recAccountOpenBank = v[Bank];
    r.sameCityLiquidateNo = v[Clearing];
    r.province = v[Province];
    r.city = v[City];
    r.presentPayNo = v[Modern];
    r.money = v[Amount];
    r.usage = v[Remark];
    return r;
}

// The message that stops the store at row n, or "" when the row is stored.
QString storeRow(DBAccess& db, BatchKind kind, const ImportRow& row, const QString& serial) {
    const QStringList& v = row.values;
    if (kind == BatchKind::Payroll)
        return storeLoadedLaborage(db, GZRecord{{}, v[0], v[1], v[2], v[3]}, v[2], serial,
                                   row.sheetRow);
    if (!storeLoadedPayment(db, paymentRecord(v), serial))
        return QStringLiteral("添加第%1条记录中时发生错误，文件导入被中止").arg(row.sheetRow);
    return {};
}

// A row that sums the rows above it, as a written sheet ends: it and the rows below hold no
// instructions.
bool isTotalRow(const SheetRow& row) {
    for (const SheetCell& cell : row.cells) {
        const QString text = cell.text.trimmed().remove(QLatin1Char(' '));
        if (!text.isEmpty())
            return text == QStringLiteral("合计") || text == QStringLiteral("总计");
    }
    return false;
}

// A number of more than 15 significant digits, as a long account number typed into a number cell
// becomes: the spreadsheet has already replaced its last digits.
bool lostDigits(const QString& decimal) {
    qsizetype significant = 0;
    bool leading = true;
    for (const QChar c : decimal) {
        if (!c.isDigit() || (leading && c == QLatin1Char('0')))
            continue;
        leading = false;
        ++significant;
    }
    return significant > 15;
}

const char* tableOf(BatchKind kind) {
    return kind == BatchKind::Payroll ? "laborage" : "payment";
}

QString lastSerial(DBAccess& db, BatchKind kind) {
    const std::optional<RecordSet> rows = db.Query(
        QStringLiteral("select max(serial_no) from %1").arg(QString::fromLatin1(tableOf(kind))));
    return rows && rows->rowCount() > 0 ? rows->value(0, 0).toString() : QString();
}

// Serials sorting after `last`, so appended rows follow the batch even when its last instruction
// was stored within the same second.
SerialSequence serialsAfter(const QString& last) {
    SerialSequence serials([floor = last]() mutable {
        const QString fresh = MakeSerialNo();
        const QString first = std::max(fresh, floor);
        floor.clear();
        return first;
    });
    if (!last.isEmpty())
        serials.next();
    return serials;
}

} // namespace

qsizetype SheetImport::refusedCount() const {
    qsizetype refused = 0;
    for (const ImportRow& row : rows)
        refused += row.refusal.isEmpty() ? 0 : 1;
    return refused;
}

SheetImport prepareSheetImport(DBAccess& db, BatchKind kind, const SheetTable& table,
                               const ColumnMapping& mapping) {
    const std::vector<BatchField>& fields = batchFields(kind);
    const CodeTable kinds(db, "select tran_type,tran_desc from tran_acc_type");
    const CodeTable remits(db, "select remit_type_no,remit_type from remit_type");
    SheetImport import{kind, {}};
    for (size_t r = 1; r < table.rows.size(); ++r) {
        const SheetRow& sheetRow = table.rows[r];
        if (isTotalRow(sheetRow))
            break;
        ImportRow row{sheetRow.number, {}, {}};
        QString damaged;
        for (size_t f = 0; f < fields.size(); ++f) {
            const qsizetype column = f < mapping.size() ? mapping[f] : -1;
            SheetCell cell;
            if (column >= 0 && static_cast<size_t>(column) < sheetRow.cells.size())
                cell = sheetRow.cells[static_cast<size_t>(column)];
            QString value = cell.text.trimmed();
            if (fields[f].amount && cell.number)
                value = roundToFen(value);
            else if (cell.number && damaged.isEmpty() && lostDigits(value))
                damaged = fields[f].caption;
            row.values << value;
        }
        if (!damaged.isEmpty())
            row.refusal = numbered(row.sheetRow, "条记录中的") + damaged +
                          QStringLiteral("在表格中存为数字，超过15位的部分已丢失，文件导入被中止");
        else
            row.refusal = kind == BatchKind::Payroll
                              ? payrollRefusal(row.values, row.sheetRow)
                              : paymentRefusal(row.values, row.sheetRow, kinds, remits);
        import.rows.push_back(std::move(row));
    }
    return import;
}

bool batchHasInstructions(DBAccess& db, BatchKind kind) {
    const std::optional<RecordSet> rows =
        db.Query(QStringLiteral("select count(*) from %1").arg(QString::fromLatin1(tableOf(kind))));
    return !rows || (rows->rowCount() > 0 && rows->value(0, 0).toLongLong() > 0);
}

FileCommandOutcome storeSheetImport(DBAccess& db, ClientMessages& messages,
                                    const SheetImport& import, ImportMode mode) {
    if (import.rows.empty()) {
        messages.show(QStringLiteral("表格中没有可导入的指令"));
        return {Status::Failed, {}};
    }
    if (const qsizetype refused = import.refusedCount(); refused > 0) {
        QStringList others;
        bool first = true;
        for (const ImportRow& row : import.rows) {
            if (row.refusal.isEmpty())
                continue;
            if (first)
                messages.show(row.refusal);
            else
                others << row.refusal;
            first = false;
        }
        return {Status::Failed, others.join(QLatin1Char('\n'))};
    }
    if (mode == ImportMode::Replace && batchHasInstructions(db, import.kind) &&
        !messages.confirm(kReplaceQuestion))
        return {Status::Stopped, {}};
    const auto fail = [&](const QString& message) {
        try {
            db.Rollback();
        } catch (const TransactionError&) {
            // Nothing was begun, or the connection is gone: there is nothing left to undo.
        }
        messages.show(message);
        return FileCommandOutcome{Status::Failed, {}};
    };
    try {
        db.BeginTrans();
        if (mode == ImportMode::Replace &&
            !db.Delete(QStringLiteral("delete from ") + QString::fromLatin1(tableOf(import.kind))))
            return fail(QStringLiteral("清除原有数据时发生错误，文件导入被中止"));
        SerialSequence serials =
            serialsAfter(mode == ImportMode::Append ? lastSerial(db, import.kind) : QString());
        for (const ImportRow& row : import.rows)
            if (const QString failed = storeRow(db, import.kind, row, serials.next());
                !failed.isEmpty())
                return fail(failed);
        db.Commit();
    } catch (const TransactionError& error) {
        fail(QStringLiteral("表格导入失败，原有数据未改变"));
        return {Status::Failed, QString::fromUtf8(error.what())};
    }
    messages.show(QStringLiteral("表格导入完毕，共导入%1条指令").arg(import.rows.size()));
    return {Status::Done, {}};
}
