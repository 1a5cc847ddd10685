#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/datafolders.h"
#include "app/settingsstore.h"
#include "classlib/SysUtils.h"
#include "lang/LangTranslations.h"
#include "form_source.h"
#include "program_driver.h"
#include "unicode/UniSystem.h"
#include "window_driver.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SettingsSandbox.h"

namespace {

constexpr DWORD StartTime = 30000;
constexpr uint16_t English = 1033;

struct TLanguage {
    const char* Name;
    uint16_t LangID;
    // The staged language file; null for the program's own English.
    const char* File;
};

const TLanguage Languages[] = {
    {"English", English, nullptr},
    {"Czech", 1029, "Czech.lng"},
    {"German", 1031, "German.lng"},
    {"Hungarian", 1038, "Hungarian.lng"},
    {"Ukrainian", 1058, "Ukrainian.lng"},
};

const TLanguage& LanguageOf(uint16_t langID)
{
    for (const TLanguage& language : Languages)
        if (language.LangID == langID)
            return language;
    throw Exception("no such language");
}

// A page the side menu shows, and the controls read on it. The controls are
// found by their class and their place in the parent, both read from the form:
// unlike their texts these do not change with the language, and unlike the
// window order they do not change when a page comes to the front. Only
// visible controls count, so the pages' controls at the same place do not mix.
struct TPage {
    int EntryTop;  // of the side-menu entry, in the left panel
    const char* Sheet;
    std::vector<const char*> Controls;
};

// Settings last: the method box is read there, and the language is picked there.
const TPage Pages[] = {
    {31, "TabSheet1", {"cbShutdown"}},
    {85, "TabSheet2", {"btnAddFiles", "btnAddFolders", "btnRemove", "btnHelpMain", "btnLogFile", "btnShred"}},
    {193, "TabSheet4", {"btnbighelp"}},
    {227, "TabSheet5", {"btnlicense"}},
    {139, "TabSheet3", {"cbSplash", "cbLicRun", "cbdellastapply", "btnOK"}},
};

// The sheets are still 8-bit windows: a heading reaches them in the language's
// code page, and they hand those bytes out read in the system's code page.
WideString SheetCaption(const WideString& text, uint16_t langID)
{
    return AnsiToWide(WideToAnsiCP(text, GetLocaleAnsiCodePage(langID)), CP_ACP);
}

// A list's entries from its text, one a line.
std::vector<WideString> ListLines(const WideString& text)
{
    std::vector<WideString> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find(L'\n', start), text.size());
        WideString line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

class Language : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Form = std::make_unique<TFormSource>("Z:" VARIRUVU_FORMS_SOURCE, "erasedlg"); }
    static void TearDownTestSuite() { Form.reset(); }

    // The main window's texts in the language, by their ID.
    static TTextsByID Texts(const TLanguage& language)
    {
        if (!language.File)
            return Form->English();
        TLang_CompTranslations file;
        file.ReadLanguageFile(AnsiToWide(DistFolder() + "languages\\" + language.File), false);
        TTextsByID texts;
        if (TLang_CompTranslation* section = file.FindSection("frmMain"))
            for (int i = 0; i < section->GetCount(); ++i)
                texts[section->GetItem(i)->ID] = section->GetItem(i)->Value;
        return texts;
    }

    void Start(uint16_t storedLangID)
    {
        run.reset();
        TSettingsSandbox::WriteQuietConfig("[Settings]\r\nLanguage=" + IntToStr(storedLangID) + "\r\n");
        run = std::make_unique<TProgramRun>(DistFolder() + "variruvu.exe");
        main = WaitForMainWindow(StartTime);
        ASSERT_TRUE(main);
        run->WaitForIdle(StartTime);
    }

    HWND Control(const AnsiString& component) const
    {
        const TFormPlace place = Form->Place(component);
        return FindPlacedChild(main, place.ClassName.c_str(), place.InParent);
    }

    // Clicks the side-menu entry until the page shows that heading.
    bool ShowPage(const TPage& page, const WideString& heading) const
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            ClickMenuEntry(main, 60, page.EntryTop + 7);
            if (WaitUntil([&] { return WideWindowText(ShownSheet(main)) == heading; }, 3000))
                return true;
        }
        return false;
    }

    // Walks the pages and reads every control of the table, the method box, the list's column headers and
    // the window's title: the wide controls hand out the language's texts exactly, whatever the code page.
    void ExpectWindowSpeaks(const TLanguage& language) const
    {
        SCOPED_TRACE(language.Name);
        const TTextsByID texts = Texts(language);
        const auto shown = [&](const AnsiString& property) {
            const auto found = texts.find(Form->ID(property));
            return found == texts.end() ? L"<no text for " + AnsiToWide(property) + L">" : found->second;
        };
        EXPECT_EQ(WideWindowText(main), shown("Caption"));
        for (const TPage& page : Pages) {
            const WideString heading = SheetCaption(shown(AnsiString(page.Sheet) + ".Caption"), language.LangID);
            if (!ShowPage(page, heading)) {
                ADD_FAILURE() << page.Sheet << " shows " << ::testing::PrintToString(WideWindowText(ShownSheet(main)))
                              << ", not " << ::testing::PrintToString(heading);
                continue;
            }
            for (const char* component : page.Controls) {
                HWND control = Control(component);
                if (!control) {
                    ADD_FAILURE() << component << " is not at its place";
                    continue;
                }
                EXPECT_EQ(WideWindowText(control), shown(AnsiString(component) + ".Caption")) << component;
            }
        }
        EXPECT_EQ(ComboItems(Control("cbAlgorithm")), ListLines(shown("cbAlgorithm.Items")));
        const TListDriver list(main, run->ProcessId());
        ASSERT_EQ(list.ColumnCount(), 4);
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(list.ColumnCaption(column), shown("lv.Columns[" + IntToStr(column) + "].Caption")) << column;
    }

    // Picks the language in the language box (on the Settings page) as a user does.
    void Pick(const TLanguage& language) const
    {
        char englishName[100] = {};
        GetLocaleInfoA(English, LOCALE_SLANGUAGE, englishName, sizeof(englishName));
        HWND box = FindComboWithItem(main, englishName);
        ASSERT_TRUE(box);
        char name[100] = {};
        GetLocaleInfoA(language.LangID, LOCALE_SLANGUAGE, name, sizeof(name));
        const LRESULT index = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
        ASSERT_NE(index, CB_ERR) << name;
        PickComboItem(box, static_cast<int>(index));
    }

    static std::unique_ptr<TFormSource> Form;
    TQuietStartSandbox sandbox;
    std::unique_ptr<TProgramRun> run;
    HWND main = nullptr;
};

std::unique_ptr<TFormSource> Language::Form;

TEST_F(Language, TheStoredLanguageIsWhatTheWholeWindowShowsFromTheStart)
{
    for (const TLanguage& language : Languages) {
        ASSERT_NO_FATAL_FAILURE(Start(language.LangID));
        ExpectWindowSpeaks(language);
    }
}

// Ukrainian picked after German brings the whole window back to Cyrillic.
TEST_F(Language, APickedLanguageRewritesTheWindowAtOnceAndEnglishComesBack)
{
    ASSERT_NO_FATAL_FAILURE(Start(1058));
    ExpectWindowSpeaks(LanguageOf(1058));
    for (uint16_t picked : {uint16_t{1031}, uint16_t{1058}, English}) {
        ASSERT_NO_FATAL_FAILURE(Pick(LanguageOf(picked)));
        ExpectWindowSpeaks(LanguageOf(picked));
    }
}

}  // namespace
