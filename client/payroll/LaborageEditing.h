#pragma once

#include "payroll/LaborageStore.h"

class ClientMessages;

// What follows the editor's form check: the statements of save, change and delete with their
// questions and messages. Number, name and remark are stored trimmed, the amount without
// separators. Each returns true when the batch was changed.

// Asks before a second instruction for the same account, then inserts with a new serial number.
bool addLaborage(LaborageStore& store, ClientMessages& messages,
                 const LaborageInstruction& instruction);

bool changeLaborage(LaborageStore& store, ClientMessages& messages, const QString& serialNo,
                    const LaborageInstruction& instruction);

// Asks first; Cancel changes nothing.
bool deleteLaborage(LaborageStore& store, ClientMessages& messages, const QString& serialNo);
