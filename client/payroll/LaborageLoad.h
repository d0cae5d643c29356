#pragma once

#include "payroll/GZFile.h"

#include <QString>
#include <QtGlobal>

class DBAccess;

// What a payroll record brought in from outside (an upload file, a spreadsheet) passes before it
// is stored, and how it is stored; `n` numbers the record in the messages.

// Why record n may not be stored, or "" when it may; `money` gets its plain form.
QString laborageRefusal(const GZRecord& record, qsizetype n, QString& money);

// Adds the record's person to the roster when missing and inserts the record under `serial`,
// inside the caller's transaction: the message that stops the load, or "" when stored.
QString storeLoadedLaborage(DBAccess& db, const GZRecord& record, const QString& money,
                            const QString& serial, qsizetype n);
