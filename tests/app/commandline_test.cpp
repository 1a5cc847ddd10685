#include <gtest/gtest.h>

#include "app/commandline.h"

namespace {

struct CommandLineCase {
    std::vector<AnsiString> args;
    AnsiString path;
    bool folder;
};

TEST(CommandLine, SwitchesAndPathsAsTheyCome)
{
    const std::vector<CommandLineCase> cases = {
        {{}, "", false},
        {{"C:\\a.txt"}, "C:\\a.txt", false},
        {{"C:\\a.txt", "C:\\b.txt"}, "C:\\b.txt", false},
        {{"/F", "C:\\dir"}, "C:\\dir", true},
        {{"C:\\dir", "/f"}, "C:\\dir", true},
        {{"/f", "/x", "C:\\dir"}, "C:\\dir", false},
        {{"/x", "/F"}, "", true},
        {{"/Folder", "C:\\dir"}, "C:\\dir", true},
        {{"/"}, "/", false},
        {{"/F", "/"}, "/", true},
        {{"C:\\a.txt", "", "C:\\b.txt", "/F"}, "C:\\a.txt", false},
        {{"", "C:\\a.txt"}, "", false},
    };
    for (const CommandLineCase& c : cases) {
        const TStartRequest request = ParseCommandLine(c.args);
        AnsiString joined;
        for (const AnsiString& a : c.args)
            joined += "[" + a + "]";
        EXPECT_EQ(request.StartPath, c.path) << joined;
        EXPECT_EQ(request.StartAsFolder, c.folder) << joined;
    }
}

}  // namespace
