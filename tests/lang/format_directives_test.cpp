#include <gtest/gtest.h>

#include <set>

#include "lang/LangConstants.h"
#include "lang/LangFormatDirectives.h"

namespace {

struct TMutations {
    const char* Name;
    std::vector<const wchar_t*> Refused;
};

// Every built-in constant that is a format text, with translations that must not stand for it.
const TMutations Mutations[] = {
    {"sMsg",
     {
         L"Deleting of %s failed!",                // a directive dropped
         L"Deleting of %s%s%s failed!",            // one added
         L"Deleting of %s%d failed!",              // a kind changed
         L"Deleting of %x%s failed!",
         L"%s%s%s%n%x %p %d %-99999s",             // the text that once stopped a run
         L"Deleting of %s%-99999s failed!",        // a width the built-in text does not ask for
         L"Deleting of %s%.3s failed!",            // a precision that would cut the name
         L"Deleting of %s%%s failed!",             // %% is a literal: one directive is left
         L"Deleting of %s%s failed at 100%!",      // a stray % Format refuses
         L"Deleting of %s%",                       // a directive cut off
         L"Deleting of %0:s%1:s failed!",          // index forms the class library does not read
     }},
    {"sMsg2",
     {
         L"Deleting failed!",
         L"Deleting of %s%s failed!",
         L"Deleting of %d failed!",
         L"Deleting of %-s failed!",
         L"Deleting of %5s failed!",
         L"Deleting of %*s failed!",
         L"Deleting of %p failed!",
     }},
};

class BuiltInFormats : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(table.ReadConstsResource(GetModuleHandleW(nullptr), L"LANG_CONSTS")); }

    TLang_Constants table{[] { return uint16_t(1033); }};
};

TEST_F(BuiltInFormats, EachStandsForItselfAndTheMutationsCoverEveryOne)
{
    std::set<AnsiString> formats;
    for (int i = 0; i < table.GetCount(); ++i) {
        const TLang_Constant* entry = table.GetItem(i);
        SCOPED_TRACE(entry->Name);
        auto directives = FormatDirectives(entry->DefValue);
        ASSERT_TRUE(directives);
        EXPECT_TRUE(SameFormatDirectives(entry->DefValue, entry->DefValue));
        if (!directives->empty())
            formats.insert(entry->Name);
    }
    std::set<AnsiString> covered;
    for (const TMutations& row : Mutations)
        covered.insert(row.Name);
    EXPECT_EQ(formats, covered);
}

TEST_F(BuiltInFormats, RefuseTranslationsWithOtherDirectives)
{
    for (const TMutations& row : Mutations) {
        const WideString builtIn = table.GetValue(row.Name);
        for (const wchar_t* translation : row.Refused)
            EXPECT_FALSE(SameFormatDirectives(builtIn, translation)) << row.Name << ": " << WideToAnsi(translation);
    }
}

struct TCase {
    const wchar_t* BuiltIn;
    const wchar_t* Translation;
    bool Accepted;
};

void ExpectVerdicts(const std::vector<TCase>& cases)
{
    for (const TCase& c : cases)
        EXPECT_EQ(SameFormatDirectives(c.BuiltIn, c.Translation), c.Accepted)
            << WideToAnsi(c.BuiltIn) << " <- " << WideToAnsi(c.Translation);
}

TEST(FormatDirectives, OnlyLiteralTextAndTheLettersCaseMayDiffer)
{
    const std::vector<TCase> cases = {
        {L"%d files in %s", L"In %s: %d files", false},       // order swapped
        {L"%d files in %s", L"%d Dateien in %s", true},
        {L"%d files in %s", L"%D Dateien in %S", true},
        {L"%d of %u", L"%u of %d", false},
        {L"%x", L"%X", true},
        {L"%-10s|%.2d", L"%-10s | %.2d", true},
        {L"%-10s|%.2d", L"%10s|%.2d", false},               // flag dropped
        {L"%-10s|%.2d", L"%-11s|%.2d", false},              // width changed
        {L"%-10s|%.2d", L"%-10s|%.3d", false},              // precision changed
        {L"%-10s|%.2d", L"%-10s|%d", false},                // precision dropped
        {L"%s", L"%.s", false},                             // an empty precision cuts everything
        {L"%s", L"%0s", true},                              // width 0 is no width
        {L"%s", L"%99999999999999999999s", false},          // a width past any bound
        {L"%5s", L"%005s", true},
    };
    ExpectVerdicts(cases);
}

TEST(FormatDirectives, ADoubledPercentIsLiteralText)
{
    EXPECT_EQ(FormatDirectives(L"100%% sure"), std::vector<TFormatDirective>{});
    EXPECT_EQ(FormatDirectives(L"%%s%%"), std::vector<TFormatDirective>{});
    auto directives = FormatDirectives(L"%%%s%%");
    ASSERT_TRUE(directives);
    ASSERT_EQ(directives->size(), 1u);
    EXPECT_EQ((*directives)[0].Kind, L's');

    const std::vector<TCase> cases = {
        {L"Are you sure?", L"Sicher zu 100%%?", true},
        {L"Are you sure?", L"Sicher zu 100%?", false},      // a lone % is no text Format reads
        {L"Are you sure?", L"Sicher? %s", false},
        {L"Deleting of %s failed!", L"%%%s: 100%% failed", true},
        {L"Deleting of %s failed!", L"%% failed", false},
        {L"Done: 100%%", L"Fertig", true},
    };
    ExpectVerdicts(cases);
}

}  // namespace
