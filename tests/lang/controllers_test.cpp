#include <gtest/gtest.h>

#include "lang/LangManager.h"
#include "tests/lang/lang_fixture.h"

namespace {

// Records what the manager asks of it, in order.
class TRecordingController : public ILanguageController {
public:
    TRecordingController(std::vector<std::string>& log, const char* name, const WideString& section)
        : FLog(log), FName(name), FSection(section)
    {
    }

    WideString GetLangSection() const override { return FSection; }
    void LanguageChanging() override { FLog.push_back(FName + " changing"); }
    void LanguageChanged() override { FLog.push_back(FName + " changed"); }
    void Apply(const TLang_CompTranslation* section, UINT codePage) override
    {
        std::string text = "none";
        int index = 0;
        if (section && section->FindID(1, index))
            text = WideToAnsi(section->GetItem(index)->Value, CP_UTF8);
        FLog.push_back(FName + " apply " + text + " " + std::to_string(codePage));
        if (FailApply)
            throw Exception("setter failed");
    }

    bool FailApply = false;

private:
    std::vector<std::string>& FLog;
    std::string FName;
    WideString FSection;
};

class LangManagerControllers : public testing::Test {
protected:
    void SetUp() override
    {
        WriteLangFile(FFolder.File(L"de.lng"), LangFileText(1031) + L"[FRMMAIN]\r\n1=Datei\r\n[frmOther]\r\n1=Andere\r\n");
        WriteLangFile(FFolder.File(L"hu.lng"), LangFileText(1038) + L"[frmMain]\r\n1=Fájl\r\n");
        FManager.AddLangFilesFromFolder(FFolder.Path(), L"*.lng", false);
    }

    TScratchFolder FFolder;
    TLanguageManager FManager;
    std::vector<std::string> FLog;
};

TEST_F(LangManagerControllers, ASwitchRewritesEveryControllerInRegistrationOrder)
{
    TRecordingController main(FLog, "main", L"frmMain");
    TRecordingController other(FLog, "other", L"frmOther");
    FManager.AttachController(&main);
    FManager.AttachController(&other);

    FManager.SelectLanguage(1031);
    FManager.SelectLanguage(1038);
    FManager.SelectLanguage(1033);
    EXPECT_EQ(FLog, (std::vector<std::string>{
                        "main changing", "main apply Datei 1252", "main changed",
                        "other changing", "other apply Andere 1252", "other changed",
                        "main changing", "main apply F\xC3\xA1jl 1250", "main changed",
                        "other changing", "other apply none 1250", "other changed",
                        "main changing", "main apply none 1252", "main changed",
                        "other changing", "other apply none 1252", "other changed",
                    }));

    FLog.clear();
    FManager.DetachController(&main);
    FManager.DetachController(&other);
    FManager.SelectLanguage(1031);
    EXPECT_TRUE(FLog.empty());
}

TEST_F(LangManagerControllers, AFailingControllerStillHearsTheChangeAndTheErrorPassesOn)
{
    TRecordingController main(FLog, "main", L"frmMain");
    main.FailApply = true;
    FManager.AttachController(&main);
    EXPECT_THROW(FManager.SelectLanguage(1031), Exception);
    EXPECT_EQ(FLog, (std::vector<std::string>{"main changing", "main apply Datei 1252", "main changed"}));
    EXPECT_EQ(FManager.GetCurrentLangID(), 1031);
    FManager.DetachController(&main);
}

TEST_F(LangManagerControllers, ANewControllerIsTranslatedOnlyAwayFromTheDefaultLanguage)
{
    TRecordingController main(FLog, "main", L"frmMain");
    FManager.ApplyToNewController(&main);
    EXPECT_TRUE(FLog.empty());

    FManager.SelectLanguage(1038);
    // Each new form reads the file again.
    WriteLangFile(FFolder.File(L"hu.lng"), LangFileText(1038) + L"[frmMain]\r\n1=Új\r\n");
    FManager.ApplyToNewController(&main);
    EXPECT_EQ(FLog, (std::vector<std::string>{"main changing", "main apply \xC3\x9Aj 1250", "main changed"}));
}

}  // namespace
