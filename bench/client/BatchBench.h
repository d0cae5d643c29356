#pragma once

#include "bench/client/StepTiming.h"
#include "config/SharedConfig.h"
#include "files/ClientMessages.h"
#include "page/StatusPanels.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"

#include <QApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <cstdio>
#include <functional>
#include <memory>

// What the payment and payroll benchmarks share: a program folder whose delivered database holds
// a large batch, the store and the boxes on it, and the timed steps on that batch.

// Fills the database at `path` in one transaction by `fill`; false when any step fails.
inline bool fillDatabase(const QString& path, const std::function<bool(sqlite3* db)>& fill) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
        return false;
    sqlite3_exec(db, "begin", nullptr, nullptr, nullptr);
    const bool ok = fill(db) && sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
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

// Headless Qt, a temporary program folder with a copy of the delivered database filled by
// `fill`, the store on it (none, said on stderr, when the folder could not be prepared), a
// scripted prompter, the client's boxes and the status bar.
struct BatchBench {
    BatchBench(int& argc, char** argv, const std::function<bool(sqlite3* db)>& fill)
        : app(offscreen(argc), argv)
        , folder(dir.path() + QStringLiteral("/")) {
        sharedConfig().programFolder = folder;
        if (!QFile::copy(QStringLiteral(PSD_BENCH_USERDB), folder + "userdb.db") ||
            !fillDatabase(folder + "userdb.db", fill)) {
            std::fprintf(stderr, "cannot prepare the database\n");
            return;
        }
        db = std::make_unique<DBAccess>(folder, prompter);
    }

    // Prints the steps' times and, when the run did not end as expected, what it showed; the
    // exit status.
    int finish(bool ok, const BatchTimings& timings) const {
        report("tab reload:", timings.reload);
        report("write upload file:", timings.write);
        report("parse upload file (in load):", timings.parse);
        report("load upload file:", timings.load);
        report("tab reload after load:", timings.reloadAfterLoad);
        if (!ok)
            std::fprintf(stderr, "unexpected result: %s\n",
                         qPrintable(prompter.texts().join(" / ")));
        return ok ? 0 : 1;
    }

    static int& offscreen(int& argc) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    QApplication app;
    QTemporaryDir dir;
    const QString folder;
    ScriptedPrompter prompter;
    std::unique_ptr<DBAccess> db;
    ClientMessages messages{prompter};
    StatusPanels status;
};
