#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/formclasses.h"
#include "classlib/Filers.h"
#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "classlib/TypInfo.h"
#include "lang/LangCompTree.h"
#include "lang/LangManager.h"
#include "lang/LanguageController.h"
#include "lang/LangTranslations.h"
#include "tests/support/UnixSide.h"
#include "unicode/UniWideStrings.h"
#include "unicode_controls/UniComCtrls.h"

namespace {

// The translated windows, by their form resources; the texts each holds in 8 bits
// (the window's title, and on the main window the sheets too).
struct TTranslatedForm {
    const char* Resource;
    std::set<AnsiString> EightBit;
};

std::set<AnsiString> MainWindowEightBit()
{
    std::set<AnsiString> eightBit{".Caption"};
    for (int page = 1; page <= 11; ++page)
        eightBit.insert("TabSheet" + IntToStr(page) + ".Caption");
    return eightBit;
}

const TTranslatedForm TranslatedForms[] = {
    {"TFRMMAIN", MainWindowEightBit()},
    {"TFRMLICENSEDLG", {".Caption"}},
    {"TFRMPROGRESS", {".Caption"}},
};

// A window's form as designed: read from its resource, no handler bound, nothing run.
std::unique_ptr<TForm> DesignedForm(const char* resource)
{
    RegisterFormClasses();
    auto form = std::make_unique<TForm>(nullptr);
    form->SetDesigning(true);
    ReadComponentRes(resource, form.get());
    return form;
}

TLanguageController& Controller(TForm& form)
{
    auto* controller = dynamic_cast<TLanguageController*>(form.FindComponent("icMain"));
    if (!controller)
        throw Exception(L"the window has no language controller");
    return *controller;
}

// ID -> full property name.
std::map<int32_t, AnsiString> ListedTexts(const TLanguageController& controller)
{
    std::map<int32_t, AnsiString> listed;
    controller.GetRootEntry()->ForEach([&](TLang_CompEntry& node) {
        if (const TLang_PropEntries* entries = node.GetPropEntries())
            for (int i = 0; i < entries->GetCount(); ++i)
                listed[entries->GetItem(i)->ID] = node.GetComponentPath() + "." + entries->GetItem(i)->Path;
    });
    return listed;
}

TEST(FormTexts, EachFormsIDsAreUpToDate)
{
    for (const TTranslatedForm& translated : TranslatedForms) {
        SCOPED_TRACE(translated.Resource);
        std::unique_ptr<TForm> form = DesignedForm(translated.Resource);
        TLanguageController& controller = Controller(*form);
        const auto stored = ListedTexts(controller);
        EXPECT_GT(stored.size(), 2u);
        controller.RefreshLangData();
        EXPECT_EQ(ListedTexts(controller), stored) << "the form changed: run `make langdata` and translate the new texts";
    }
}

TEST(FormTexts, EveryShippedLanguageTranslatesExactlyEachFormsTexts)
{
    const WideString folder = AnsiToWide(ExtractFilePath(WindowsPathOfUnix(VARIRUVU_EXE_PATH))) + L"languages\\";
    for (const TTranslatedForm& window : TranslatedForms) {
        std::unique_ptr<TForm> form = DesignedForm(window.Resource);
        const auto listed = ListedTexts(Controller(*form));
        for (const wchar_t* name : {L"Czech.lng", L"German.lng", L"Hungarian.lng", L"Ukrainian.lng"}) {
            SCOPED_TRACE(AnsiString(window.Resource) + ", " + WideToAnsi(name));
            TLang_CompTranslations file;
            file.ReadLanguageFile(folder + name, false);
            const TLang_CompTranslation* section = file.FindSection(form->GetName());
            ASSERT_NE(section, nullptr);
            std::set<int32_t> translated;
            for (int i = 0; i < section->GetCount(); ++i) {
                translated.insert(section->GetItem(i)->ID);
                EXPECT_TRUE(listed.count(section->GetItem(i)->ID)) << "no text of the form has the ID "
                                                                    << section->GetItem(i)->ID;
                EXPECT_FALSE(section->GetItem(i)->Value.empty()) << section->GetItem(i)->ID;
            }
            for (const auto& [id, property] : listed)
                EXPECT_TRUE(translated.count(id)) << property << " (" << id << ") is not translated";
        }
    }
}

// A translatable property as the control holds it, and whether it holds it in UTF-16.
struct THeldText {
    WideString Value;
    bool Wide = false;
};

// `path` is a property path of the language controller: "Caption", "Items", "Columns[2].Caption".
THeldText HeldText(TObject* instance, AnsiString path)
{
    for (size_t dot; (dot = path.find('.')) != AnsiString::npos; path = path.substr(dot + 1)) {
        AnsiString name = path.substr(0, dot);
        const size_t bracket = name.find('[');
        instance = GetObjectProp(instance, *GetPropInfo(instance, name.substr(0, bracket)));
        if (bracket != AnsiString::npos)
            instance = static_cast<TCollection*>(instance)->GetItem(
                StrToInt(name.substr(bracket + 1, name.size() - bracket - 2)));
    }
    // A word-wrapped rich edit's lines are the lines it shows; its text is what was set.
    if (auto* richEdit = dynamic_cast<TUniCustomRichEdit*>(instance); richEdit && path == "Lines")
        return {richEdit->GetText(), true};
    const TPropInfo& prop = *GetPropInfo(instance, path);
    if (prop.Kind() == tkWString)
        return {GetWideStrProp(instance, prop), true};
    if (prop.Kind() == tkLString)
        return {AnsiToWide(GetStrProp(instance, prop)), false};
    TObject* list = GetObjectProp(instance, prop);
    if (auto* wide = dynamic_cast<TWideStrings*>(list))
        return {wide->GetTextStr(), true};
    return {AnsiToWide(dynamic_cast<TStrings*>(list)->GetTextStr()), false};
}

// A list's lines joined by LF, no break after the last.
WideString JoinedLines(WideString text)
{
    for (size_t at; (at = text.find(L"\r\n")) != WideString::npos;)
        text.erase(at, 1);
    if (!text.empty() && text.back() == L'\n')
        text.pop_back();
    return text;
}

class FormLanguage : public ::testing::Test {
protected:
    void TearDown() override { LangManager()->SelectLanguage(1033); }
};

// Ukrainian and Czech reach every translatable property of each designed window
// letter for letter; only the window's title (and the main window's sheets),
// which keep the class library's 8-bit captions, take the texts in the language's code page.
TEST_F(FormLanguage, EveryTextReachesItsControlInUTF16)
{
    const WideString folder = AnsiToWide(ExtractFilePath(WindowsPathOfUnix(VARIRUVU_EXE_PATH))) + L"languages\\";
    LangManager()->AddLangFilesFromFolder(folder, L"*.lng", false);
    for (const TTranslatedForm& window : TranslatedForms) {
        // Each form is read anew in the language before the one it is translated to.
        for (const auto& [langID, file] :
             {std::pair<uint16_t, const wchar_t*>{1058, L"Ukrainian.lng"}, {1029, L"Czech.lng"}}) {
            SCOPED_TRACE(AnsiString(window.Resource) + ", " + WideToAnsi(file));
            std::unique_ptr<TForm> form = DesignedForm(window.Resource);
            const auto listed = ListedTexts(Controller(*form));
            TLang_CompTranslations translations;
            translations.ReadLanguageFile(folder + file, false);
            const TLang_CompTranslation* section = translations.FindSection(form->GetName());
            ASSERT_NE(section, nullptr);
            LangManager()->SelectLanguage(langID);
            std::set<AnsiString> narrow;
            for (int i = 0; i < section->GetCount(); ++i) {
                const AnsiString& name = listed.at(section->GetItem(i)->ID);
                const size_t dot = name.find('.');
                TComponent* component = dot == 0 ? form.get() : form->FindComponent(name.substr(0, dot));
                ASSERT_NE(component, nullptr) << name;
                const THeldText held = HeldText(component, name.substr(dot + 1));
                if (held.Wide)
                    EXPECT_EQ(JoinedLines(held.Value), JoinedLines(section->GetItem(i)->Value)) << name;
                else
                    narrow.insert(name);
            }
            EXPECT_EQ(narrow, window.EightBit);
        }
    }
}

}  // namespace
