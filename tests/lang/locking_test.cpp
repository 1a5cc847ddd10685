#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "lang/LangManager.h"
#include "tests/lang/lang_fixture.h"

namespace {

// Long texts, so that a torn copy would show.
WideString Repeated(const WideString& word)
{
    WideString text;
    for (int i = 0; i < 400; ++i)
        text += word;
    return text;
}

TEST(LangManagerLocking, LookupsDuringSwitchesSeeWholeTextsOfOneLanguage)
{
    TScratchFolder folder;
    const WideString german = Repeated(L"Deutsch-"), hungarian = Repeated(L"Magyar-");
    WriteLangFile(folder.File(L"de.lng"), LangFileText(1031, L"sEc=" + german + L"\r\n"));
    WriteLangFile(folder.File(L"hu.lng"), LangFileText(1038, L"sEc=" + hungarian + L"\r\n"));
    TLanguageManager manager;
    ASSERT_EQ(manager.AddLangFilesFromFolder(folder.Path(), L"*.lng", false), 2);
    manager.SelectLanguage(1031);

    std::atomic<bool> stop{false};
    std::atomic<int> lookups{0}, torn{0};
    std::thread reader([&] {
        while (!stop) {
            WideString text = manager.LookupConstant("sEc");
            if (text != german && text != hungarian)
                ++torn;
            ++lookups;
        }
    });
    for (int i = 0; i < 200; ++i)
        manager.SelectLanguage(i % 2 ? 1031 : 1038);
    stop = true;
    reader.join();

    EXPECT_EQ(torn, 0);
    EXPECT_GT(lookups, 0);
    EXPECT_EQ(manager.LookupConstant("sEc"), german);
}

// Looks a constant up while the manager rewrites it, as a form's handler may.
class TLookingController : public ILanguageController {
public:
    explicit TLookingController(TLanguageManager& manager) : FManager(manager) {}

    WideString GetLangSection() const override { return L"frmMain"; }
    void LanguageChanging() override { FManager.LookupConstant("sEc"); }
    void LanguageChanged() override { FManager.LookupConstant("sEc"); }
    void Apply(const TLang_CompTranslation*, UINT) override { ++Applied; }

    std::atomic<int> Applied{0};

private:
    TLanguageManager& FManager;
};

TEST(LangManagerLocking, TwoThreadsSwitchingWhileControllersLookUpDoNotDeadlock)
{
    TScratchFolder folder;
    WriteLangFile(folder.File(L"de.lng"), LangFileText(1031, L"sEc=de\r\n"));
    WriteLangFile(folder.File(L"hu.lng"), LangFileText(1038, L"sEc=hu\r\n"));
    TLanguageManager manager;
    ASSERT_EQ(manager.AddLangFilesFromFolder(folder.Path(), L"*.lng", false), 2);
    TLookingController controller(manager);
    manager.AttachController(&controller);

    auto switcher = [&](uint16_t first, uint16_t second) {
        for (int i = 0; i < 100; ++i)
            manager.SelectLanguage(i % 2 ? first : second);
    };
    std::thread one(switcher, 1031, 1038);
    std::thread two(switcher, 1038, 1033);
    one.join();
    two.join();
    manager.DetachController(&controller);
    EXPECT_GT(controller.Applied, 0);
}

}  // namespace
