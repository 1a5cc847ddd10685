#include <gtest/gtest.h>

#include "lang/LangTranslations.h"
#include "tests/lang/lang_fixture.h"
#include "unicode/UniWideStrings.h"

namespace {

WideString ReadError(TLang_CompTranslations& file, const WideString& text, bool headerOnly = false)
{
    try {
        file.ReadLanguageStream(StreamOf(text).get(), headerOnly);
    } catch (const ELangError& e) {
        return e.GetMessage();
    }
    return L"<no error>";
}

WideString ValueOf(const TLang_CompTranslation* section, int32_t id)
{
    int index = 0;
    return section && section->FindID(id, index) ? section->GetItem(index)->Value : L"<none>";
}

TEST(LangFile, ParsesHeaderConstantsAndSections)
{
    TLang_CompTranslations file;
    file.ReadLanguageStream(StreamOf(WideString(L"; a comment\r\n"
                                                L"  LANGID = 1031  \r\n"
                                                L"Author=first\r\n"
                                                L"Author=second\r\n"
                                                L"Escaped=a\\nb\r\n"
                                                L"Gone=x\r\n"
                                                L"Gone=\r\n"
                                                L"no equals sign\r\n"
                                                L"=no key\r\n"
                                                L"[$constants]\r\n"
                                                L"sHello = Hallo\\tWelt  \r\n"
                                                L"[ frmMain ]\r\n"
                                                L"00000007 = Text\r\n"
                                                L"0=zero\r\n"
                                                L"-3=negative\r\n"
                                                L"abc=letters\r\n"
                                                L"7x=mixed\r\n"
                                                L"[]\r\n"
                                                L"[frmOther\r\n"
                                                L"00000002=still frmMain\r\n"
                                                L"[frmOther]\r\n"
                                                L"7=other\r\n"
                                                L"[FRMMAIN]\r\n"
                                                L"00000001=first\r\n"))
                                .get(),
                            false);
    TUniStringList* params = file.GetParams();
    EXPECT_EQ(params->GetValues(L"langid"), L"1031");
    EXPECT_EQ(params->GetValues(L"Author"), L"second");
    EXPECT_EQ(params->GetValues(L"Escaped"), L"a\\nb");
    EXPECT_EQ(params->IndexOfName(L"Gone"), -1);
    EXPECT_EQ(params->GetCount(), 3);

    EXPECT_EQ(file.GetConstants()->GetCount(), 1);
    EXPECT_EQ(file.GetConstants()->GetValue("SHELLO"), L"Hallo\tWelt");

    ASSERT_EQ(file.GetCount(), 2);
    TLang_CompTranslation* main = file.GetItem(0);
    EXPECT_EQ(main->GetComponentName(), "frmMain");
    EXPECT_EQ(file.FindSection("FrmMain"), main);
    EXPECT_EQ(file.FindSection("frmNone"), nullptr);
    ASSERT_EQ(main->GetCount(), 3);
    EXPECT_EQ(main->GetItem(0)->ID, 1);
    EXPECT_EQ(ValueOf(main, 1), L"first");
    EXPECT_EQ(ValueOf(main, 2), L"still frmMain");
    EXPECT_EQ(ValueOf(main, 7), L"Text");
    EXPECT_EQ(ValueOf(file.GetItem(1), 7), L"other");
}

TEST(LangFile, ReadingStartsAfresh)
{
    TLang_CompTranslations file;
    file.ReadLanguageStream(StreamOf(WideString(L"LANGID=1031\r\n[$CONSTANTS]\r\nsA=a\r\n[frm]\r\n1=x\r\n")).get(), false);
    file.ReadLanguageStream(StreamOf(WideString(L"LANGID=1038\r\n")).get(), false);
    EXPECT_EQ(file.GetParams()->GetTextStr(), L"LANGID=1038\r\n");
    EXPECT_EQ(file.GetConstants()->GetCount(), 0);
    EXPECT_EQ(file.GetCount(), 0);
}

TEST(LangFile, HeaderOnlyStopsAtTheFirstSectionLine)
{
    WideString text = L"LANGID=1038\r\n[$CONSTANTS]\r\nnot-a-name=x\r\n";
    TLang_CompTranslations file;
    EXPECT_EQ(ReadError(file, text, true), L"<no error>");
    EXPECT_EQ(file.GetParams()->GetValues(L"LANGID"), L"1038");
    EXPECT_EQ(file.GetConstants()->GetCount(), 0);
    EXPECT_EQ(ReadError(file, text, false),
              L"Loading translations failed.\r\nLine 2: Invalid constant name (\"not-a-name\")");
}

TEST(LangFile, ErrorsNameTheZeroBasedLineAndKeepWhatWasRead)
{
    TLang_CompTranslations file;
    EXPECT_EQ(ReadError(file, L"LANGID=1031\r\n[frmA]\r\n7=one\r\n[frmB]\r\n7=same ID, other section\r\n[frmA]\r\n"
                              L"\r\n00000007=again\r\n"),
              L"Loading translations failed.\r\nLine 7: Duplicate property value translation ID (7)");
    ASSERT_EQ(file.GetCount(), 2);
    EXPECT_EQ(ValueOf(file.GetItem(0), 7), L"one");
    EXPECT_EQ(ValueOf(file.GetItem(1), 7), L"same ID, other section");

    EXPECT_EQ(ReadError(file, L"[$CONSTANTS]\r\nsA=1\r\nSA=2\r\n"),
              L"Loading translations failed.\r\nLine 2: Duplicate constant name (\"SA\")");
    EXPECT_EQ(file.GetConstants()->GetValue("sA"), L"1");
}

TEST(LangFile, SectionRecordsStaySortedAndRefuseRepeatedIDs)
{
    TLang_CompTranslation section("frm");
    for (int32_t id : {30, 10, 20})
        section.Add(id, std::to_wstring(id));
    EXPECT_EQ(section.GetItem(0)->ID, 10);
    EXPECT_EQ(section.GetItem(2)->ID, 30);
    int index = -1;
    EXPECT_FALSE(section.FindID(25, index));
    EXPECT_EQ(index, 2);
    EXPECT_THROW(section.Add(20, L"again"), ELangError);
}

TEST(LangFile, OpeningErrorsPassOn)
{
    TScratchFolder folder;
    TLang_CompTranslations file;
    EXPECT_THROW(file.ReadLanguageFile(folder.File(L"missing.lng"), false), EStreamError);
}

}  // namespace
