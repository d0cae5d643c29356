// Imports a 10 000-row payroll sheet (.xlsx written by libxlsxwriter, and the same rows as a GBK
// .csv), then writes the batch back to .xlsx and as a PDF summary, printing the time of each step.
#include "bench/client/StepTiming.h"
#include "config/GbkCodec.h"
#include "config/SharedConfig.h"
#include "files/ClientMessages.h"
#include "sheets/SheetCommands.h"
#include "sheets/SheetFile.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <xlsxwriter.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr int kRows = 10000;

QString account(int i) {
    return QStringLiteral("622200%1").arg(1000000000 + i);
}

// Amounts as doubles with a tenth of a fen of binary noise, as spreadsheets hold them.
double amount(int i) {
    return (i % 100000) + (i % 100) / 100.0;
}

bool writeSheets(const QString& xlsx, const QString& csv) {
    lxw_workbook* book = workbook_new(QFile::encodeName(xlsx).constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    const char* headers[] = {"姓名", "卡号", "实发金额", "用途"};
    QString text = QStringLiteral("姓名,卡号,实发金额,用途\r\n");
    for (lxw_col_t c = 0; c < 4; ++c)
        worksheet_write_string(sheet, 0, c, headers[c], nullptr);
    for (int i = 1; i <= kRows; ++i) {
        const auto row = static_cast<lxw_row_t>(i);
        const QByteArray name = QStringLiteral("员工%1").arg(i).toUtf8();
        worksheet_write_string(sheet, row, 0, name.constData(), nullptr);
        worksheet_write_string(sheet, row, 1, account(i).toUtf8().constData(), nullptr);
        worksheet_write_number(sheet, row, 2, amount(i), nullptr);
        worksheet_write_string(sheet, row, 3, "工资", nullptr);
        text += QStringLiteral("员工%1,%2,%3,工资\r\n")
                    .arg(i)
                    .arg(account(i))
                    .arg(QString::number(amount(i), 'f', 2));
    }
    QFile file(csv);
    const std::optional<QByteArray> gbk = encodeGbk(text);
    return workbook_close(book) == LXW_NO_ERROR && gbk && file.open(QIODevice::WriteOnly) &&
           file.write(*gbk) == gbk->size();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/");
    sharedConfig().programFolder = folder;
    const QString xlsx = folder + "batch.xlsx";
    const QString csv = folder + "batch.csv";
    if (!QFile::copy(QStringLiteral(PSD_BENCH_USERDB), folder + "userdb.db") ||
        !writeSheets(xlsx, csv)) {
        std::fprintf(stderr, "cannot prepare the sheets\n");
        return 1;
    }
    ScriptedPrompter prompter;
    DBAccess db(folder, prompter);
    ClientMessages messages(prompter);

    const Timing read = seconds([&] { readSheetFile(xlsx); });
    const Timing importXlsx = seconds(
        [&] { importSheetFile(db, messages, BatchKind::Payroll, xlsx, ImportMode::Replace); });
    const Timing importCsv = seconds(
        [&] { importSheetFile(db, messages, BatchKind::Payroll, csv, ImportMode::Replace); });
    const Timing exportXlsx = seconds([&] {
        exportBatchSheet(db, messages, BatchKind::Payroll, [&] { return folder + "out.xlsx"; });
    });
    const Timing summary = seconds([&] {
        writeBatchSummary(db, messages, BatchKind::Payroll, [&] { return folder + "out.pdf"; });
    });

    const std::optional<RecordSet> stored = db.Query(QStringLiteral(
        "select count(*), sum(cast(round(pay_amount*100) as integer)) from laborage"));
    qint64 expectedFen = 0;
    for (int i = 1; i <= kRows; ++i)
        expectedFen += (i % 100000) * 100LL + i % 100;
    const QString done = QStringLiteral("表格导入完毕，共导入%1条指令").arg(kRows);
    const bool ok = stored && stored->value(0, 0).toInt() == kRows &&
                    stored->value(0, 1).toLongLong() == expectedFen &&
                    prompter.texts().count(done) == 2;
    std::printf("payroll sheet of %d rows (%lld bytes xlsx, %lld bytes csv)\n", kRows,
                static_cast<long long>(QFile(xlsx).size()),
                static_cast<long long>(QFile(csv).size()));
    report("read xlsx sheet:", read);
    report("import xlsx (read, check, store):", importXlsx);
    report("import GBK csv:", importCsv);
    report("export xlsx:", exportXlsx);
    report("PDF summary:", summary);
    if (!ok)
        std::fprintf(stderr, "unexpected result: %s\n", qPrintable(prompter.texts().join(" / ")));
    return ok ? 0 : 1;
}
