#include "HostRun.h"

#include <gtest/gtest.h>

namespace {

// The host starts in the GUI subsystem, without a console, as an outside
// host that wants one for its output does.
TEST(Console, AGuiHostOpensWritesToAndClosesItsConsole)
{
    const HostOutcome host = RunHost({"console"});
    ASSERT_TRUE(host.Process.Started);
    EXPECT_TRUE(host.Process.Finished);
    EXPECT_EQ(host.Process.ExitCode, 0u);
    const Report expected{
        {"bound", "1"},
        {"console.before", "0"},
        {"OpenConsole", "1"},
        {"OpenConsole.again", "0"},
        {"row0", "Hello, console"},
        {"cursor.first", "0,1"},
        {"cursor.empty", "0,2"},
        {"cursor.null", "0,3"},
        {"row3", "\xC4\xE8 line three"},
        {"cursor.last", "0,4"},
        {"CloseConsole", "1"},
        {"CloseConsole.again", "0"},
        {"WriteLn.after", "survived"},
    };
    EXPECT_EQ(host.Seen, expected);
}

}
