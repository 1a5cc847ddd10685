#include "BuiltFiles.h"
#include "HostRun.h"
#include "ScratchFolder.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

struct PeTables {
    std::string DllName;
    std::map<std::string, int> Exports;  // name -> ordinal
    std::set<std::string> Imports;       // DLL names in lower case
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Reads the export names with their ordinals and the imported DLLs out of
// the text that objdump -p prints.
PeTables ParseObjdump(const std::string& dump)
{
    static const std::regex ordinalBase(R"(^Ordinal Base\s+(\d+))");
    static const std::regex exportName(R"(^\s*\[\s*(\d+)\]\s+(\S+)\s*$)");
    static const std::regex dllName(R"(^\s*DLL Name:\s*(\S+))");
    static const std::regex ownName(R"(^Name\s+[0-9a-fA-F]+\s+(\S+))");
    PeTables tables;
    int base = 0;
    bool inNameTable = false;
    std::istringstream lines(dump);
    std::string line;
    std::smatch match;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (std::regex_search(line, match, ordinalBase))
            base = std::stoi(match[1]);
        else if (std::regex_search(line, match, ownName))
            tables.DllName = match[1];
        else if (std::regex_search(line, match, dllName))
            tables.Imports.insert(Lower(match[1]));
        else if (line.rfind("[Ordinal/Name Pointer] Table", 0) == 0)
            inNameTable = true;
        else if (inNameTable && std::regex_match(line, match, exportName))
            tables.Exports[match[2]] = base + std::stoi(match[1]);
        else if (inNameTable && line.empty())
            inNameTable = false;
    }
    return tables;
}

TEST(Exports, TheDllExportsExactlyTheFourNamesWithTheirOrdinalsAndImportsOnlySystemDlls)
{
    const std::string dump = ReadTextFile(ObjdumpTextPath());
    ASSERT_FALSE(dump.empty()) << "no objdump text at " << ObjdumpTextPath();
    const PeTables tables = ParseObjdump(dump);
    EXPECT_EQ(tables.DllName, "Lumisplash.dll");
    const std::map<std::string, int> expected{
        {"CloseConsole", 1}, {"OpenConsole", 2}, {"SplashScreen", 3}, {"WriteLn", 4}};
    EXPECT_EQ(tables.Exports, expected) << dump.substr(0, 4000);

    const std::set<std::string> system{"kernel32.dll", "user32.dll", "gdi32.dll", "gdiplus.dll",
                                       "comctl32.dll", "msvcrt.dll"};
    ASSERT_FALSE(tables.Imports.empty()) << dump.substr(0, 4000);
    for (const std::string& imported : tables.Imports)
        EXPECT_TRUE(system.count(imported)) << imported << " is no system DLL";
}

TEST(Exports, ASeparateHostBindsTheFourByNameAndShowsTheSplashOverItsOwnWindow)
{
    ScratchFolder scratch;
    const std::string image = scratch.File("splash.png");
    WriteSplashImage(image, 160, 100);
    const HostOutcome host = RunHost({"splash", image, "300"});
    ASSERT_TRUE(host.Process.Started);
    EXPECT_TRUE(host.Process.Finished);
    EXPECT_EQ(host.Process.ExitCode, 0u);
    EXPECT_EQ(host.Seen.at("bound"), "1") << (host.Seen.count("error") ? host.Seen.at("error") : "");
    EXPECT_EQ(host.Seen.at("SplashScreen"), "0");
    const int elapsed = std::stoi(host.Seen.at("elapsed"));
    EXPECT_GE(elapsed, 250);
    EXPECT_LE(elapsed, 3000);
}

}
