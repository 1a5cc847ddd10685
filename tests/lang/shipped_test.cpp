#include <gtest/gtest.h>

#include "lang/LangFormatDirectives.h"
#include "lang/LangManager.h"
#include "lang_samples.h"
#include "tests/lang/lang_fixture.h"

namespace {

size_t CountOf(const WideString& text, const WideString& part)
{
    size_t count = 0;
    for (size_t p = text.find(part); p != WideString::npos; p = text.find(part, p + 1))
        ++count;
    return count;
}

TEST(ShippedLanguages, RegisterInTheOrderTheMainWindowExpects)
{
    TLanguageManager manager;
    EXPECT_EQ(manager.AddLangFilesFromFolder(ShippedLanguagesDir, L"*.lng", false), 4);
    EXPECT_EQ(manager.CountLanguages(), 5);
    const uint16_t expected[] = {1033, 1029, 1031, 1038, 1058};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(manager.GetLanguageIDByIndex(i), expected[i]);
}

// Each file translates exactly the constants of the built-in table, keeping
// their format directives and line structure.
TEST(ShippedLanguages, EachFileTranslatesEveryBuiltInConstant)
{
    TLang_Constants builtIn([] { return uint16_t(1033); });
    ASSERT_TRUE(builtIn.ReadConstsResource(GetModuleHandleW(nullptr), L"LANG_CONSTS"));
    for (const wchar_t* name : {L"Czech.lng", L"German.lng", L"Hungarian.lng", L"Ukrainian.lng"}) {
        SCOPED_TRACE(WideToAnsi(name));
        TLang_CompTranslations file;
        file.ReadLanguageFile(WideString(ShippedLanguagesDir) + L"\\" + name, false);
        const TLang_Constants* translated = file.GetConstants();
        ASSERT_EQ(translated->GetCount(), builtIn.GetCount());
        for (int i = 0; i < builtIn.GetCount(); ++i) {
            const TLang_Constant* english = builtIn.GetItem(i);
            const TLang_Constant* own = translated->GetItem(i);
            SCOPED_TRACE(english->Name);
            EXPECT_EQ(own->Name, english->Name);
            EXPECT_EQ(CountOf(own->Value, L"%s"), CountOf(english->Value, L"%s"));
            EXPECT_TRUE(SameFormatDirectives(english->Value, own->Value));
            EXPECT_EQ(CountOf(own->Value, L"\r\n"), CountOf(english->Value, L"\r\n"));
            if (english->Name != "sDlgTitle_About") {
                EXPECT_NE(own->Value, english->Value);
            }
        }
    }
}

}  // namespace
