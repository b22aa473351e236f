// Numbers as text and text as numbers, in the forms shown on screen and stored in files.
#pragma once

#include <cstdint>

#include "base/Truncate.h"
#include "text/DynString.h"

namespace zentoir {

// Decimal digits with a leading '-' for negative values; no padding, no grouping.
DynString IntegerToText(int32_t value);

// General format with 10 significant digits: plain decimals while the value fits
// ("3", "2.5", "1234567890"), else the exponent form ("1.23456789e+10", "5.e-03").
DynString NumberToText(double value);

// The leading number of a text: blanks skipped, sign, digits, point, exponent; 0 when
// the text does not start with a number.
double TextToNumber(const DynString& text);

// Fixed-point text of the value: `width` characters at least, `decimals` after the point.
DynString FormatNumber(double width, double decimals, double value);

// The length of NumberToText(value).
double NumberTextLength(double value);

}  // namespace zentoir
