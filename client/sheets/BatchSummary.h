#pragma once

#include "sheets/BatchSheetWriter.h"
#include "sheets/BatchView.h"

#include <QDate>

class QPagedPaintDevice;

// The batch's summary for signature before upload: payer, count, total in figures and in
// capitals, date, every instruction, lines for 制单, 复核 and 审批, and "第 n 页 / 共 m 页" on
// every page; A4.

// Pages the summary of `rows` instructions takes on A4 with 15 mm margins.
int summaryPageCount(BatchKind kind, qsizetype rows);

// Paints the summary on a PDF writer or a printer already set up for A4.
void paintBatchSummary(QPagedPaintDevice& device, const BatchView& view, const QDate& date);

// Writes the summary as a PDF, fonts embedded, under a temporary name renamed into place.
SheetWriteResult writeBatchSummaryPdf(const QString& path, const BatchView& view,
                                      const QDate& date);
