// Amount texts as typed or found in a file: every routine takes any text, and an accepted amount
// means the same in every form the client shows or sums it.
#include "amount/AmountConvert.h"
#include "amount/AmountFen.h"
#include "amount/AmountText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    insertThousandSeparators(text);
    const QString plain = removeThousandSeparators(text.trimmed());
    const std::optional<qint64> fen = amountToFen(text);
    if (!isAmountFormat(plain))
        return 0;
    const QString shown = formatAmount(plain);
    formatAmountTyped(plain);
    convertToCapital(plain);
    amountRange(plain);
    // The shown amount and the summed one are the same number.
    if (fen && fenToAmount(*fen) != removeThousandSeparators(shown))
        std::abort();
    return 0;
}
