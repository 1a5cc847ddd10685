#include <gtest/gtest.h>

#include <clocale>

#include "app/sizetext.h"
#include "classlib/Win.h"

namespace {

constexpr int64_t KiB = 1024;
constexpr int64_t MiB = 1024 * KiB;
constexpr int64_t GiB = 1024 * MiB;

struct SizeCase {
    int64_t bytes;
    const char* text;
};

const SizeCase SizeCases[] = {
    {0, "0 B"},
    {1023, "1023 B"},
    {1024, "1.00 kB"},
    {1536, "1.50 kB"},
    {100 * KiB - 1, "100.00 kB"},
    {150 * KiB, "150.0 kB"},
    {MiB - 1, "1024.0 kB"},
    {MiB, "1.00 MB"},
    {1023 * MiB + 1023 * KiB, "1024.0 MB"},
    {GiB, "1.00 GB"},
    {2 * GiB, "2.00 GB"},
    {4 * GiB + 1, "4.00 GB"},
    {5 * GiB, "5.00 GB"},
    {1536 * GiB, "1536.00 GB"},
};

struct FixedCase {
    double value;
    int decimals;
    const char* text;
};

const FixedCase FixedCases[] = {
    {0, 2, "0.00"},         {1.5, 2, "1.50"},    {1.125, 2, "1.13"},    {1.005859375, 2, "1.01"},
    {99.996, 2, "100.00"},  {1023.96, 1, "1024.0"}, {150, 1, "150.0"}, {2.5, 0, "3"},
    {-1.125, 2, "-1.13"},   {1234567.5, 1, "1234567.5"},
};

void ExpectTable()
{
    for (const SizeCase& c : SizeCases)
        EXPECT_EQ(SizeToText(c.bytes), c.text) << c.bytes;
    for (const FixedCase& c : FixedCases)
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
}

TEST(SizeText, ThresholdsDecimalsAndRounding)
{
    ExpectTable();
}

// A locale whose decimal separator is a comma changes nothing.
TEST(SizeText, ACommaDecimalLocaleKeepsThePoint)
{
    const char* german = setlocale(LC_ALL, "German_Germany.1252");
    ASSERT_NE(german, nullptr);
    ASSERT_STREQ(localeconv()->decimal_point, ",");
    const LCID savedThreadLocale = GetThreadLocale();
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT));
    ExpectTable();
    SetThreadLocale(savedThreadLocale);
    setlocale(LC_ALL, "C");
}

}  // namespace
