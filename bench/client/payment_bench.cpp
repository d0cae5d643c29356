// Writes and loads a batch of 100 000 payment instructions and reloads the payment tab with them,
// printing the time of each step.
#include "bench/client/BatchBench.h"
#include "payment/BPFile.h"
#include "payment/PaymentFileCommands.h"
#include "payment/PaymentList.h"
#include "payment/PaymentTab.h"

#include <QFile>
#include <sqlite3.h>

#include <cstdio>

namespace {

constexpr int kInstructions = 100000;

bool fillBatch(sqlite3* db) {
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "insert into payment (serial_no,pay_acc_no,pay_acc_name,rec_acc_type,"
                       "rec_acc_no,rec_acc_name,rec_bank_name,same_city_liquidate_no,province,"
                       "city,presentBankNo,pay_amt,remark,user_remark,remit_type) values "
                       "(?,'622200001111','澄川贸易有限公司',?,?,?,?,?,?,?,?,?,'货款 & 运费','',?)",
                       -1, &insert, nullptr);
    for (int i = 0; i < kInstructions; ++i) {
        const int kind = i % 3;
        const QByteArray serial =
            QByteArray("20240101120000") + QByteArray::number(i).rightJustified(8, '0');
        const QByteArray account = "95588" + QByteArray::number(1000000 + i);
        const QByteArray name = QStringLiteral("收款人%1").arg(i).toUtf8();
        const QByteArray amount = QByteArray::number(i % 100000) + "." +
                                  QByteArray::number(i % 100).rightJustified(2, '0');
        const QByteArray values[] = {serial,
                                     "0" + QByteArray::number(kind),
                                     account,
                                     name,
                                     kind == 0 ? "澄川银行" : "工商银行",
                                     kind == 1 ? "102584" : "",
                                     kind == 2 ? "广东省" : "",
                                     kind == 2 ? "广州市" : "",
                                     kind == 2 ? "102581000013" : "",
                                     amount,
                                     QByteArray::number(i % 2)};
        for (int v = 0; v < 11; ++v)
            sqlite3_bind_text(insert, v + 1, values[v].constData(),
                              static_cast<int>(values[v].size()), SQLITE_TRANSIENT);
        if (sqlite3_step(insert) != SQLITE_DONE)
            return false;
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    BatchBench bench(argc, argv, fillBatch);
    if (!bench.db)
        return 1;
    DBAccess& db = *bench.db;
    PaymentTab tab(db, bench.prompter, bench.status);
    const QString file = bench.folder + "batch.plz";
    const BatchTimings timings = timeBatchSteps({
        [&] { tab.resetPaymentB2B(); },
        [&] { writePaymentFile(db, bench.messages, tab.paymentList(), [&] { return file; }); },
        [&] { BPFileDocument().load(file); },
        [&] {
            loadPaymentFile(
                db, bench.messages, tab.paymentList(), [&] { return file; }, [] {});
        },
    });

    const QStringList shown = bench.prompter.texts();
    const bool ok = bench.status.panel(2) == QString::number(kInstructions) &&
                    shown.contains(QStringLiteral("批量支付文件生成完毕")) &&
                    shown.contains(QStringLiteral("导入批量付款文件完毕"));
    std::printf("payment batch of %d instructions (%lld bytes written)\n", kInstructions,
                static_cast<long long>(QFile(file).size()));
    return bench.finish(ok, timings);
}
