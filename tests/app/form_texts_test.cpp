#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/formclasses.h"
#include "classlib/Filers.h"
#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "lang/LangCompTree.h"
#include "lang/LanguageController.h"
#include "lang/LangTranslations.h"
#include "tests/support/UnixSide.h"

namespace {

// The main window's form as designed: read from its resource, no handler bound, nothing run.
std::unique_ptr<TForm> DesignedMainForm()
{
    RegisterFormClasses();
    auto form = std::make_unique<TForm>(nullptr);
    form->SetDesigning(true);
    ReadComponentRes("TFRMMAIN", form.get());
    return form;
}

TLanguageController& Controller(TForm& form)
{
    auto* controller = dynamic_cast<TLanguageController*>(form.FindComponent("icMain"));
    if (!controller)
        throw Exception(L"the main window has no language controller");
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

TEST(MainWindowTexts, TheFormsIDsAreUpToDate)
{
    std::unique_ptr<TForm> form = DesignedMainForm();
    TLanguageController& controller = Controller(*form);
    const auto stored = ListedTexts(controller);
    EXPECT_GT(stored.size(), 80u);
    controller.RefreshLangData();
    EXPECT_EQ(ListedTexts(controller), stored) << "the form changed: run `make langdata` and translate the new texts";
}

TEST(MainWindowTexts, EveryShippedLanguageTranslatesExactlyTheFormsTexts)
{
    std::unique_ptr<TForm> form = DesignedMainForm();
    const auto listed = ListedTexts(Controller(*form));
    const WideString folder = AnsiToWide(ExtractFilePath(WindowsPathOfUnix(VARIRUVU_EXE_PATH))) + L"languages\\";
    for (const wchar_t* name : {L"Czech.lng", L"German.lng", L"Hungarian.lng", L"Ukrainian.lng"}) {
        SCOPED_TRACE(WideToAnsi(name));
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
        for (const auto& [id, name] : listed)
            EXPECT_TRUE(translated.count(id)) << name << " (" << id << ") is not translated";
    }
}

}  // namespace
