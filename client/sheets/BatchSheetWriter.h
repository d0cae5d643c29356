#pragma once

#include "sheets/BatchView.h"

#include <QString>

struct SheetWriteResult {
    bool ok = false;
    QString detail; // the system's word on a failed write
};

// Writes the batch as an .xlsx sheet: the grid's captions and cells, amounts as numbers shown
// "#,##0.00", a total row and the total in capitals below it. Written under a temporary name
// beside `path` and renamed into place, so a failure leaves the old file as it was.
SheetWriteResult writeBatchSheet(const QString& path, const BatchView& view);
