#pragma once

#include "files/FileCommandOutcome.h"
#include "files/RecordFile.h"

#include <QString>

#include <functional>
#include <optional>

class ClientMessages;
class DBAccess;

// What a load or import command does with a file that did not load: one that cannot be read
// shows `readError`, one refused before reading (not a regular file, too large) shows why, one
// that is not well formed stops the command without a message. Nothing when the file loaded.
std::optional<FileCommandOutcome> notLoadedOutcome(RecordFile::Status status, const QString& detail,
                                                   ClientMessages& messages, const QString& path,
                                                   const QString& readError);

// Replaces a batch by a loaded file's records in one transaction. `replace` stores them; when it
// refuses a record it rolls back, shows why and returns false. A failing transaction is rolled
// back and shows `readError`. Only when all is committed does `reload` run and `done` show.
FileCommandOutcome replaceInOneTransaction(DBAccess& db, ClientMessages& messages,
                                           const std::function<bool()>& replace,
                                           const QString& readError, const QString& done,
                                           const std::function<void()>& reload);
