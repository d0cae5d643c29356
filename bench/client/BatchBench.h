#pragma once

#include "bench/client/StepTiming.h"
#include "config/SharedConfig.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

// What the payment and payroll benchmarks share: a program folder with the delivered database
// filled with a large batch, and the timed steps on that batch.

// Copies the delivered database into `dir`, fills it by `fill` and makes it the program folder:
// the folder, or "" (said on stderr) when it could not be prepared.
inline QString prepareBenchFolder(const QTemporaryDir& dir,
                                  const std::function<bool(const QString& database)>& fill) {
    const QString folder = dir.path() + QStringLiteral("/");
    sharedConfig().programFolder = folder;
    if (!QFile::copy(QStringLiteral(PSD_BENCH_USERDB), folder + "userdb.db") ||
        !fill(folder + "userdb.db")) {
        std::fprintf(stderr, "cannot prepare the database\n");
        return {};
    }
    return folder;
}

// The steps on the batch: its tab reloaded, its upload file written, parsed and loaded back.
struct BatchSteps {
    std::function<void()> reload;
    std::function<void()> write;
    std::function<void()> parse;
    std::function<void()> load;
};

struct BatchTimings {
    Timing reload;
    Timing write;
    Timing parse;
    Timing load;
    Timing reloadAfterLoad;
};

inline BatchTimings timeBatchSteps(const BatchSteps& steps) {
    BatchTimings timings;
    timings.reload = seconds(steps.reload);
    timings.write = seconds(steps.write);
    timings.parse = seconds(steps.parse);
    timings.load = seconds(steps.load);
    timings.reloadAfterLoad = seconds(steps.reload);
    return timings;
}

inline void reportBatchSteps(const BatchTimings& timings) {
    report("tab reload:", timings.reload);
    report("write upload file:", timings.write);
    report("parse upload file (in load):", timings.parse);
    report("load upload file:", timings.load);
    report("tab reload after load:", timings.reloadAfterLoad);
}
