#pragma once

#include <QString>

// An amount read from a record of a loaded file, as every file loader checks it.
struct FileAmount {
    enum class Fault { None, Empty, Format, Range };
    QString plain; // every "," removed: the text to store
    Fault fault = Fault::None;
};

// Removes every ",", then refuses, in this order, an empty amount, one that fails
// isAmountFormat and one above MAX_SINGLE_AMOUNT. Zero passes.
FileAmount readFileAmount(const QString& text);

// The loader's message for a refused amount of record `record` (1 for the first).
QString fileAmountMessage(FileAmount::Fault fault, qsizetype record);
