#pragma once
// Exact conversions between decimal text and 80-bit extended floats, as the object text form
// needs them: parsing rounds correctly to nearest, formatting gives the classic texts and falls
// back to more digits only where the classic text would not read back to the same bits.
#include <cstdint>
#include <string>
#include <string_view>

#include "classlib/core/Extended80.h"

// Decimal syntax: optional sign, digits with an optional "." and fraction, optional exponent
// ("E", optional sign, digits). False for other texts and for values beyond the extended range.
bool TryTextToExtended(std::string_view text, TExtended80& value);

// Rounded to the nearest integer, ties to even; false for values outside the 64-bit range.
bool TryExtendedToInt64(const TExtended80& value, int64_t& result);

// An extended value of a component stream as the text form writes it: 16 significant digits with
// 18 decimals ("474.000000000000000000"), or the shortest longer text that reads back exactly.
std::string ExtendedToStreamText(const TExtended80& value);

// The single, date and currency (in ten-thousandths) values of a component stream without their
// suffix: 15 significant digits in the runtime's general format ("0.8", "474", "1E20", "1.5E-7"),
// more where 15 would not read back exactly. NAN, INF and -INF for the special values.
std::string SingleToStreamText(float value);
std::string DoubleToStreamText(double value);
std::string CurrencyToStreamText(int64_t scaled);
