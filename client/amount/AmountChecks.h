#pragma once

#include <QString>
#include <QtGlobal>

// The checks an amount passes before it is stored: one from a loaded file, one typed in an
// editor. Each gives the plain text (every "," removed) that is stored.

struct FileAmount {
    enum class Check { Ok, Empty, Malformed, TooLarge };
    Check check;
    QString plain;
};

// A loaded record's amount: refused when empty, not an amount text or above MAX_SINGLE_AMOUNT;
// zero passes.
FileAmount checkFileAmount(const QString& text);

// The loader's message for record `recordNo` (1 for the first); "" for Check::Ok.
QString fileAmountRefusal(FileAmount::Check check, qsizetype recordNo);

// The editor's form check of a typed amount (separators and surrounding blanks allowed): the
// message that refuses it, or "" when it may be stored.
QString formAmountRefusal(const QString& typed);
