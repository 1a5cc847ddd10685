#include <gtest/gtest.h>

#include "classlib/Masks.h"
#include "python_expectations.h"

TEST(Masks, AgreeWithPythonsFnmatch)
{
    for (const TMaskCase& c : PythonMaskCases)
        EXPECT_EQ(MatchesMask(c.Name, c.Mask), c.Matches) << c.Mask << " on '" << c.Name << "'";
}

TEST(Masks, AnOpenSetIsAnInvalidMask)
{
    try {
        TMask mask("ab[cd");
        FAIL();
    } catch (const EMaskException& e) {
        EXPECT_STREQ(e.what(), "'ab[cd' is an invalid mask at (3)");
    }
}
