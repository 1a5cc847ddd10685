// Byte counts as the file list shows them.
#pragma once

#include <cstdint>

#include "classlib/System.h"

// Fixed-point text with exactly `decimals` decimals, rounded half away from zero,
// "." as the decimal separator whatever the locale, no thousands separators.
AnsiString FormatFixed(double value, int decimals);
// "1023 B", "1.50 kB", "150.0 kB", "1.00 MB", "5.00 GB".
AnsiString SizeToText(int64_t n);
