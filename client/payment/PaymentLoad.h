#pragma once

#include "payment/BPFile.h"

#include <QString>

class DBAccess;

// How a payment record brought in from outside (an upload file, a spreadsheet) is stored: inside
// the caller's transaction, under `serial`, its amount as the record holds it. False when the
// insert fails.
bool storeLoadedPayment(DBAccess& db, const BPRecord& record, const QString& serial);
