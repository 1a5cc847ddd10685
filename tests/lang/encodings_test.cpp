#include <gtest/gtest.h>

#include "lang/LangTranslations.h"
#include "lang_samples.h"
#include "tests/lang/lang_fixture.h"
#include "unicode/UniWideStrings.h"

namespace {

// The same texts, written by Python as UTF-16 LE and BE, UTF-8 (each with its
// mark) and as 8-bit text in the code page of the file's LANGID (1252 without one).
TEST(LangFileEncodings, EveryEncodingReadsToTheSameTexts)
{
    for (const TLangSample& sample : LangSamples) {
        SCOPED_TRACE(WideToAnsi(sample.File, CP_UTF8));
        TLang_CompTranslations file;
        file.ReadLanguageFile(sample.File, false);
        EXPECT_EQ(file.GetConstants()->GetValue("sOne"), sample.One);
        EXPECT_EQ(file.GetConstants()->GetValue("sTwo"), sample.Two);
        TLang_CompTranslation* section = file.FindSection("frmMain");
        ASSERT_NE(section, nullptr);
        ASSERT_EQ(section->GetCount(), 1);
        EXPECT_EQ(section->GetItem(0)->Value, sample.Caption);
    }
}

TEST(LangFileEncodings, ALangIdOnTheFirstLineIsFoundBehindAnyMark)
{
    for (const TLangSample& sample : LangSamples) {
        SCOPED_TRACE(WideToAnsi(sample.File, CP_UTF8));
        TLang_CompTranslations file;
        file.ReadLanguageFile(sample.File, true);
        EXPECT_EQ(file.GetParams()->GetValues(L"LANGID"), sample.LangID ? std::to_wstring(sample.LangID) : L"");
    }
}

}  // namespace
