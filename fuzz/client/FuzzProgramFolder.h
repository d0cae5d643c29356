#pragma once

#include "files/ClientMessages.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

// A program folder with a copy of the delivered database, kept for the whole fuzzing run, and
// the input written as a file in it: the loaders run on real files and a real database.
struct FuzzProgramFolder {
    FuzzProgramFolder() {
        if (!home.isValid() || !QFile::copy(QStringLiteral(PSD_FUZZ_USERDB),
                                            home.filePath(QStringLiteral("userdb.db"))))
            std::abort();
        db = std::make_unique<DBAccess>(home.path() + '/', prompter);
    }

    // The input as the file `name`; questions answered OK, earlier boxes forgotten.
    QString input(const std::uint8_t* data, std::size_t size, const char* name) {
        const QString path = home.filePath(QLatin1String(name));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
        prompter.clear();
        return path;
    }

    QTemporaryDir home;
    ScriptedPrompter prompter;
    ClientMessages messages{prompter};
    std::unique_ptr<DBAccess> db;
};
