#include "sheets/SheetCommands.h"

#include "files/ClientMessages.h"
#include "sheets/BatchSheetWriter.h"
#include "sheets/BatchSummary.h"
#include "sheets/BatchView.h"
#include "sheets/SheetFile.h"

namespace {

using Status = FileCommandOutcome::Status;

// The batch to write, or nothing (the clerk told) when it is empty.
std::optional<BatchView> batchToWrite(DBAccess& db, ClientMessages& messages, BatchKind kind,
                                      const char* what) {
    BatchView view = loadBatchView(db, kind);
    if (view.rows.empty()) {
        messages.show(QStringLiteral("无指令需要") + QString::fromUtf8(what));
        return std::nullopt;
    }
    return view;
}

FileCommandOutcome written(ClientMessages& messages, const SheetWriteResult& result,
                           const char* what) {
    if (result.ok) {
        messages.show(QString::fromUtf8(what) + QStringLiteral("生成完毕"));
        return {Status::Done, {}};
    }
    messages.show(QStringLiteral("文件读写错误，") + QString::fromUtf8(what) +
                  QStringLiteral("生成失败"));
    return {Status::Failed, result.detail};
}

} // namespace

QString missingColumnsMessage(const QStringList& captions) {
    return QStringLiteral("表格中找不到以下列：") + captions.join(QStringLiteral("、")) +
           QStringLiteral("，请在第一行写明列名");
}

FileCommandOutcome importSheetFile(DBAccess& db, ClientMessages& messages, BatchKind kind,
                                   const QString& path, ImportMode mode, const QString& sheetName) {
    const SheetReadResult read = readSheetFile(path, sheetName);
    if (!read.ok) {
        messages.show(read.message);
        return {Status::Failed, {}};
    }
    if (read.table.rows.empty()) {
        messages.show(QStringLiteral("表格中没有可导入的指令"));
        return {Status::Failed, {}};
    }
    const ColumnMapping mapping = matchColumns(kind, read.table.rows.front());
    if (const QStringList missing = missingFields(kind, mapping); !missing.isEmpty()) {
        messages.show(missingColumnsMessage(missing));
        return {Status::Failed, {}};
    }
    return storeSheetImport(db, messages, prepareSheetImport(db, kind, read.table, mapping), mode);
}

FileCommandOutcome exportBatchSheet(DBAccess& db, ClientMessages& messages, BatchKind kind,
                                    const PathChooser& choosePath) {
    const std::optional<BatchView> view = batchToWrite(db, messages, kind, "导出表格");
    if (!view)
        return {Status::Failed, {}};
    const QString path = choosePath().trimmed();
    if (path.isEmpty())
        return {Status::Stopped, {}};
    return written(messages, writeBatchSheet(path, *view), "表格文件");
}

FileCommandOutcome writeBatchSummary(DBAccess& db, ClientMessages& messages, BatchKind kind,
                                     const PathChooser& choosePath, const QDate& date) {
    const std::optional<BatchView> view = batchToWrite(db, messages, kind, "打印汇总单");
    if (!view)
        return {Status::Failed, {}};
    const QString path = choosePath().trimmed();
    if (path.isEmpty())
        return {Status::Stopped, {}};
    return written(messages, writeBatchSummaryPdf(path, *view, date), "汇总单");
}
