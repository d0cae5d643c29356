// Writes and loads a payroll batch of 100 000 instructions and reloads the payroll tab with them,
// printing the time of each step beside the payment figures.
#include "bench/client/BatchBench.h"
#include "payroll/GZFile.h"
#include "payroll/LaborageTab.h"
#include "payroll/PayrollFileCommands.h"

#include <QFile>
#include <sqlite3.h>

#include <cstdio>

namespace {

constexpr int kInstructions = 100000;

// The batch, with every second person already in the roster: the load adds the other half.
bool fillBatch(sqlite3* db) {
    sqlite3_stmt* instruction = nullptr;
    sqlite3_prepare_v2(db,
                       "insert into laborage (serial_no,acc_no,acc_name,pay_amount,remark) values "
                       "(?,?,?,?,'工资 & 奖金')",
                       -1, &instruction, nullptr);
    sqlite3_stmt* person = nullptr;
    sqlite3_prepare_v2(db,
                       "insert into person_payee_acc (acc_no,acc_name,cert_type,cert_code) values "
                       "(?,?,'1','')",
                       -1, &person, nullptr);
    for (int i = 0; i < kInstructions; ++i) {
        const QByteArray serial =
            QByteArray("20240101120000") + QByteArray::number(i).rightJustified(8, '0');
        const QByteArray account = "622200" + QByteArray::number(1000000000 + i);
        const QByteArray name = QStringLiteral("员工%1").arg(i).toUtf8();
        const QByteArray amount = QByteArray::number(i % 100000) + "." +
                                  QByteArray::number(i % 100).rightJustified(2, '0');
        const QByteArray values[] = {serial, account, name, amount};
        for (int v = 0; v < 4; ++v)
            sqlite3_bind_text(instruction, v + 1, values[v].constData(),
                              static_cast<int>(values[v].size()), SQLITE_TRANSIENT);
        if (sqlite3_step(instruction) != SQLITE_DONE)
            return false;
        sqlite3_reset(instruction);
        if (i % 2 == 0) {
            sqlite3_bind_text(person, 1, account.constData(), static_cast<int>(account.size()),
                              SQLITE_TRANSIENT);
            sqlite3_bind_text(person, 2, name.constData(), static_cast<int>(name.size()),
                              SQLITE_TRANSIENT);
            if (sqlite3_step(person) != SQLITE_DONE)
                return false;
            sqlite3_reset(person);
        }
    }
    sqlite3_finalize(instruction);
    sqlite3_finalize(person);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    BatchBench bench(argc, argv, fillBatch);
    if (!bench.db)
        return 1;
    DBAccess& db = *bench.db;
    LaborageTab tab(db, bench.prompter, bench.status);
    const QString file = bench.folder + "batch.dfz";
    const BatchTimings timings = timeBatchSteps({
        [&] { tab.resetLaborage(); },
        [&] { writePayrollFile(db, bench.messages, tab.laborageList(), [&] { return file; }); },
        [&] { GZFileDocument().load(file); },
        [&] {
            loadPayrollFile(
                db, bench.messages, tab.laborageList(), [&] { return file; }, [] {});
        },
    });

    const QStringList shown = bench.prompter.texts();
    const std::optional<RecordSet> persons =
        db.Query(QStringLiteral("select count(*) from person_payee_acc"));
    const bool ok = bench.status.panel(2) == QString::number(kInstructions) && persons &&
                    persons->value(0, 0).toInt() == kInstructions &&
                    shown.contains(QStringLiteral("代发工资/代报销文件生成完毕")) &&
                    shown.contains(QStringLiteral("导入代发工资/代报销文件完毕"));
    std::printf("payroll batch of %d instructions (%lld bytes written, %d persons added)\n",
                kInstructions, static_cast<long long>(QFile(file).size()), kInstructions / 2);
    return bench.finish(ok, timings);
}
