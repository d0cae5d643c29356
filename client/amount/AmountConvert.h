#pragma once

#include <QString>

// The capital Chinese spelling of a plain amount text (no separators, no sign), as a payment
// voucher shows it: 10001 gives 壹万零壹元整. Zero gives the empty text.
QString convertToCapital(const QString& plain);
