#include <gtest/gtest.h>

#include "lang/LangConstants.h"
#include "tests/lang/lang_fixture.h"
#include "unicode/UniWideStrings.h"

namespace {

AnsiString Le16(uint16_t v)
{
    return AnsiString{char(v & 0xFF), char(v >> 8)};
}

AnsiString Le32(int32_t v)
{
    uint32_t u = uint32_t(v);
    return AnsiString{char(u & 0xFF), char(u >> 8 & 0xFF), char(u >> 16 & 0xFF), char(u >> 24)};
}

AnsiString WideEntry(const AnsiString& name, const WideString& text)
{
    AnsiString bytes = Le16(uint16_t(name.size())) + name + Le16(uint16_t(text.size()));
    for (wchar_t c : text)
        bytes += Le16(uint16_t(c));
    return bytes;
}

AnsiString AnsiEntry(const AnsiString& name, const AnsiString& text)
{
    return Le16(uint16_t(name.size())) + name + Le16(uint16_t(text.size())) + text;
}

std::vector<AnsiString> Names(const TLang_Constants& table)
{
    std::vector<AnsiString> names;
    for (int i = 0; i < table.GetCount(); ++i)
        names.push_back(table.GetItem(i)->Name);
    return names;
}

WideString MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.GetMessage();
    }
    return L"<no error>";
}

TLang_Constants EnglishTable()
{
    return TLang_Constants([] { return uint16_t(1033); });
}

TEST(LangConstants, KeepsNamesSortedInCompareTextOrderAndFindsThemInAnyCase)
{
    TLang_Constants table = EnglishTable();
    for (const char* name : {"b", "_x", "A_", "Z", "a", "AB"})
        table.Add(name, AnsiToWide(name) + L" text");
    EXPECT_EQ(Names(table), (std::vector<AnsiString>{"a", "AB", "A_", "b", "Z", "_x"}));
    int index = -1;
    EXPECT_TRUE(table.FindIndex("ab", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(table.FindIndex("AA", index));
    EXPECT_EQ(index, 1);
    EXPECT_EQ(table.GetValue("_X"), L"_x text");
    EXPECT_EQ(table.GetItem(index)->DefValue, L"AB text");
}

TEST(LangConstants, RefusesBadAndRepeatedNames)
{
    TLang_Constants table = EnglishTable();
    table.Add("sOne", L"1");
    for (const char* name : {"", "1abc", "a-b", "a b", "\xE4"})
        EXPECT_EQ(MessageOf([&] { table.Add(name, L"x"); }), L"Invalid constant name (\"" + AnsiToWide(name) + L"\")");
    EXPECT_EQ(MessageOf([&] { table.Add("SONE", L"x"); }), L"Duplicate constant name (\"SONE\")");
    EXPECT_EQ(MessageOf([&] { table.GetValue("sTwo"); }), L"Constant \"sTwo\" not found");
    EXPECT_THROW(table.GetValue("sTwo"), ELangError);
    EXPECT_EQ(table.GetCount(), 1);
}

TEST(LangConstants, TranslateFromKeepsWhatTheOtherTableLacksAndNullRestoresDefaults)
{
    TLang_Constants table = EnglishTable();
    table.Add("sA", L"A");
    table.Add("sB", L"B");
    TLang_Constants german = EnglishTable();
    german.Add("sa", L"A de");
    german.Add("sB", L"B de");
    TLang_Constants partial = EnglishTable();
    partial.Add("sB", L"B hu");

    table.TranslateFrom(&german);
    table.TranslateFrom(&partial);
    EXPECT_EQ(table.GetValue("sA"), L"A de");
    EXPECT_EQ(table.GetValue("sB"), L"B hu");
    table.TranslateFrom(nullptr);
    EXPECT_EQ(table.GetValue("sA"), L"A");
    EXPECT_EQ(table.GetValue("sB"), L"B");
}

TEST(LangConstants, ReadsEveryTableVersion)
{
    // Version 0 and 1 texts are 8 bits in the code page of the source's language (1251 for 1058).
    uint16_t sourceLang = 1058;
    TLang_Constants table([&] { return sourceLang; });

    table.ReadConstsStream(StreamOf("\x02\x01" + Le32(2) + WideEntry("sB", L"\x0411\x00E9") + WideEntry("sA", L"a")).get());
    EXPECT_EQ(Names(table), (std::vector<AnsiString>{"sA", "sB"}));
    EXPECT_EQ(table.GetValue("sB"), L"\x0411\x00E9");
    EXPECT_TRUE(table.GetFlag());

    table.ReadConstsStream(StreamOf(AnsiString(1, '\0') + Le32(1) + AnsiEntry("sC", "\xC1\xE0")).get());
    EXPECT_EQ(Names(table), (std::vector<AnsiString>{"sC"}));
    EXPECT_EQ(table.GetValue("sC"), L"\x0411\x0430");
    EXPECT_FALSE(table.GetFlag());

    sourceLang = 1038;
    table.ReadConstsStream(StreamOf("\x01" + Le32(1) + AnsiEntry("sD", "\xF5") + "trailing bytes").get());
    EXPECT_EQ(table.GetValue("sD"), L"\x0151");
    EXPECT_TRUE(table.GetFlag());
}

TEST(LangConstants, RefusesNewerVersionsBadCountsAndCutTables)
{
    TLang_Constants table = EnglishTable();
    EXPECT_EQ(MessageOf([&] { table.ReadConstsStream(StreamOf("\x03\x01" + Le32(0)).get()); }),
              L"Stream version (3) is greater than the current one (2)");

    const AnsiString badTables[] = {
        "\x02\x01" + Le32(-1),
        "\x02\x01" + Le32(0x7FFFFFFF),
        "\x02\x01" + Le32(6) + WideEntry("sA", L"a"),  // fewer entries than counted, but more bytes than entries
        "\x02\x01" + Le32(1) + Le16(10) + "sA",
        "\x02",
        AnsiString(),
    };
    for (const AnsiString& bytes : badTables) {
        EXPECT_EQ(MessageOf([&] { table.ReadConstsStream(StreamOf(bytes).get()); }), L"Stream read error");
        EXPECT_THROW(table.ReadConstsStream(StreamOf(bytes).get()), EReadError);
    }
}

TEST(LangConstants, ABadNameStopsTheReadingAndKeepsTheEntriesBefore)
{
    TLang_Constants table = EnglishTable();
    AnsiString bytes = "\x02\x01" + Le32(3) + WideEntry("sA", L"a") + WideEntry("sa", L"again") + WideEntry("sB", L"b");
    EXPECT_EQ(MessageOf([&] { table.ReadConstsStream(StreamOf(bytes).get()); }), L"Duplicate constant name (\"sa\")");
    EXPECT_EQ(Names(table), (std::vector<AnsiString>{"sA"}));
}

TEST(LangConstants, TheBuiltInTableIsEmbeddedInTheProgram)
{
    TLang_Constants table = EnglishTable();
    ASSERT_TRUE(table.ReadConstsResource(GetModuleHandleW(nullptr), L"LANG_CONSTS"));
    EXPECT_EQ(table.GetCount(), 26);
    EXPECT_TRUE(table.GetFlag());
    for (int i = 1; i < table.GetCount(); ++i)
        EXPECT_LT(CompareText(table.GetItem(i - 1)->Name, table.GetItem(i)->Name), 0);
    EXPECT_EQ(table.GetItem(0)->Name, "sAdministratorrightsneededtousethisprogram");
    EXPECT_EQ(table.GetValue("sDlgTitle_About"), L"Clearvane");
    EXPECT_EQ(table.GetValue("sMsg"), L"Deleting of %s%s failed!");
    EXPECT_EQ(table.GetValue("sShred_Info"),
              L"All selected files and folders will be erased permanently.\r\n"
              L"After this, it will be impossible to recover them.\r\n\r\nAre you sure to continue?");
    EXPECT_EQ(table.GetValue("sTheprogramupdatercouldconnecttotheupdaterserver"),
              L"The program updater could not connect to the update server.\r\n"
              L"Please check Internet connection and try again!");
    EXPECT_EQ(table.GetValue("sTurnoff"),
              L"Please make sure all your data were \r\nsaved before the computer will be shutdown automatically.");
    EXPECT_EQ(table.GetValue("sDonate").substr(0, 38), L"Direct Bank Transfer Account Info:\r\n\r\n");
}

TEST(LangConstants, AMissingResourceLeavesTheTableAsItWas)
{
    TLang_Constants table = EnglishTable();
    table.Add("sKept", L"kept");
    EXPECT_FALSE(table.ReadConstsResource(GetModuleHandleW(nullptr), L"NO_SUCH_TABLE"));
    EXPECT_EQ(table.GetValue("sKept"), L"kept");
}

TEST(LangConstants, WritesTheLanguageSourceInTableOrder)
{
    TLang_Constants table = EnglishTable();
    table.Add("sTwo", L"two\r\nlines");
    table.Add("sOne", L"back\\slash");
    TUniStringList lines;
    table.WriteLangSource(&lines);
    EXPECT_EQ(lines.GetTextStr(), L"sOne=back\\\\slash\r\nsTwo=two\\nlines\r\n");
}

}  // namespace
