#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "classlib/TypInfo.h"
#include "lang/quonoslanguage.h"
#include "tests/lang/lang_fixture.h"
#include "tests/support/OutsideTools.h"

namespace {

// Wine fixes a process's system language from the Unix locale it starts
// with, and a Windows child inherits its parent's whatever its environment
// block says. A Unix child, though, gets its environment from the block: so
// each locale runs a copy of this program through a shell with LC_ALL set,
// and the copy writes what it sees into a report file.
const char* const ReportVariable = "VARIRUVU_OSLANG_REPORT";

// The child's report lines (identifier, hexadecimal form, name), or empty when none came.
std::vector<std::string> RunChild(const WideString& locale, const WideString& reportFile)
{
    const AnsiString report = WideToAnsi(reportFile);
    if (!RunSelfFromHost("QuonoslangChild.*", {"LC_ALL=" + WideToAnsi(locale), AnsiString(ReportVariable) + "=" + report},
                         report))
        return {};
    std::vector<std::string> lines;
    std::ifstream in(report);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(Quonoslang, ReportsTheSystemLanguageOfEachLocale)
{
    TScratchFolder folder;
    const struct {
        const wchar_t* Locale;
        const char* ID;
        const char* Hex;
    } cases[] = {{L"de_DE.UTF-8", "1031", "$0407"}, {L"hu_HU.UTF-8", "1038", "$040E"}, {L"cs_CZ.UTF-8", "1029", "$0405"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(WideToAnsi(c.Locale));
        std::vector<std::string> report = RunChild(c.Locale, folder.File(WideString(c.Locale) + L".txt"));
        ASSERT_EQ(report.size(), 3u);
        EXPECT_EQ(report[0], c.ID);
        EXPECT_EQ(report[1], c.Hex);
        char name[100] = "";
        VerLanguageNameA(WORD(std::atoi(c.ID)), name, sizeof(name));
        EXPECT_EQ(report[2], name);
        EXPECT_FALSE(report[2].empty());
    }
}

// Runs only in the child started above.
TEST(QuonoslangChild, WritesTheReport)
{
    const char* reportFile = std::getenv(ReportVariable);
    if (!reportFile)
        GTEST_SKIP() << "started by Quonoslang.ReportsTheSystemLanguageOfEachLocale";
    Tquonoslang oslang(nullptr);
    std::string partial = std::string(reportFile) + ".part";
    {
        std::ofstream report(partial);
        report << oslang.GetLangID() << "\n" << oslang.GetLangIDHex() << "\n" << oslang.GetLanguage() << "\n";
    }
    ASSERT_TRUE(MoveFileA(partial.c_str(), reportFile));
}

TEST(Quonoslang, PropertiesIgnoreWhatIsWrittenIntoThem)
{
    Tquonoslang oslang(nullptr);
    const uint16_t id = GetSystemDefaultLangID();
    const AnsiString hex = oslang.GetLangIDHex();
    const AnsiString language = oslang.GetLanguage();
    EXPECT_EQ(oslang.GetLangID(), id);
    EXPECT_EQ(StrToInt(hex), id);
    EXPECT_EQ(hex, UpperCase(hex));
    EXPECT_EQ(hex.size(), 5u);
    EXPECT_FALSE(language.empty());

    // As a form resource or a language change would write them.
    SetOrdProp(&oslang, *GetPropInfo(&oslang, "LangID"), 1038);
    SetStrProp(&oslang, *GetPropInfo(&oslang, "LangIDHex"), "$040E");
    SetStrProp(&oslang, *GetPropInfo(&oslang, "Language"), "Magyar");
    EXPECT_EQ(GetOrdProp(&oslang, *GetPropInfo(&oslang, "LangID")), id);
    EXPECT_EQ(GetStrProp(&oslang, *GetPropInfo(&oslang, "LangIDHex")), hex);
    EXPECT_EQ(GetStrProp(&oslang, *GetPropInfo(&oslang, "Language")), language);
}

}  // namespace
