// The skin as the main window loads it at start from the program folder: here
// the test program's own folder, which holds copies of the staged images and
// icons.
#include <gtest/gtest.h>

#include <memory>

#include "app/erasedlg.h"
#include "app/programfolder.h"
#include "classlib/Streams.h"
#include "classlib/SysUtils.h"
#include "tests/support/BoxAnswerer.h"
#include "tests/support/ScratchFolder.h"

namespace {

struct TSkinRow {
    const char* File;
    const char* Control;
};

// Where each skin file is shown, in the order the window loads them.
const TSkinRow SkinRows[] = {
    {"images\\variruvu.png", "panClientLogo"},  {"images\\bottom.png", "panbottomimg"},
    {"images\\top.png", "pantopimg"},           {"images\\variruvu_a.png", "BackgAbout"},
    {"images\\settings.png", "BackgSettings"},  {"images\\help.png", "BackgHelp"},
    {"images\\paypal.png", "BackgPayPal"},      {"images\\linkedin.png", "BackgLinkedIn"},
    {"images\\facebook.png", "BackgFacebook"},  {"images\\myspace.png", "BackgMySpace"},
    {"images\\update.png", "updateimg"},        {"images\\finish.png", "finishimg"},
    {"images\\abort.png", "abortimg"},          {"images\\_fslogo.png", "fspantopimg"},
    {"images\\_fslogo.png", "aboutlogoimg"},    {"images\\variruvu_a.png", "pantoplogo"},
    {"images\\twitter.png", "BackgTwitter"},    {"images\\pb_button.png", "pbimg"},
    {"images\\pspad_button.png", "pspadimg"},   {"images\\warning.png", "warningimg"},
    {"images\\ff.png", "backgffimg"},           {"images\\ff.png", "backgwipingimg"},
    {"images\\bank_card.png", "BackgBankCard"}, {"images\\mail.png", "mailimg"},
    {"images\\contact.png", "contactimg"},      {"images\\like.png", "likeimg"},
    {"icons\\home.ico", "mhimg"},               {"icons\\ff.ico", "mffimg"},
    {"icons\\settings.ico", "msimg"},           {"icons\\help.ico", "mhlpimg"},
    {"icons\\info.ico", "maimg"},               {"icons\\pp.ico", "mppimg"},
    {"icons\\rec.ico", "mrecimg"},              {"icons\\exit.ico", "meimg"},
};

// The picture's size as the file's own header gives it: a PNG's IHDR, an icon's first entry.
TSize SizeInFile(const AnsiString& bytes)
{
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(bytes.at(i)); };
    if (bytes.compare(0, 4, "\x89PNG") == 0)
        return TSize((byte(18) << 8) | byte(19), (byte(22) << 8) | byte(23));
    return TSize(byte(6) ? byte(6) : 256, byte(7) ? byte(7) : 256);
}

// What the control's picture holds, as the bytes of the file it was read from.
AnsiString PictureBytes(TUniImage* image)
{
    TMemoryStream stream;
    image->GetPicture()->SaveToStream(&stream);
    return AnsiString(static_cast<const char*>(stream.GetMemory()), static_cast<size_t>(stream.GetSize()));
}

// A skin file of the test program's folder replaced (or, without bytes, taken
// away) for the length of a test, and put back afterwards.
class TSkinFileSwap {
public:
    explicit TSkinFileSwap(const AnsiString& file) : FFile(ProgramFolder() + file), FSaved(ReadFileBytes(FFile))
    {
        EXPECT_FALSE(FSaved.empty()) << FFile;
        EXPECT_TRUE(DeleteFile(FFile)) << FFile;
    }
    TSkinFileSwap(const AnsiString& file, const AnsiString& bytes) : TSkinFileSwap(file)
    {
        EXPECT_TRUE(WriteFileBytes(FFile, bytes)) << FFile;
    }
    ~TSkinFileSwap() { EXPECT_TRUE(WriteFileBytes(FFile, FSaved)) << FFile; }

private:
    AnsiString FFile;
    AnsiString FSaved;
};

class Skin : public ::testing::Test {
protected:
    static std::unique_ptr<TfrmMain> Create()
    {
        auto form = std::make_unique<TfrmMain>(nullptr);
        form->StartPath.clear();
        return form;
    }
    static std::unique_ptr<TfrmMain> Show()
    {
        auto form = Create();
        form->Show();
        Application->ProcessMessages();
        return form;
    }
    static TUniImage* Image(TfrmMain& form, const char* name)
    {
        auto* image = dynamic_cast<TUniImage*>(form.FindComponent(name));
        EXPECT_TRUE(image) << name;
        return image;
    }
    // The rows from `first` to before `end` hold what the form resource gives them.
    static void ExpectFormPictures(TfrmMain& shown, size_t first, size_t end = std::size(SkinRows))
    {
        auto unshown = Create();
        for (size_t i = first; i < end; ++i)
            EXPECT_EQ(PictureBytes(Image(shown, SkinRows[i].Control)), PictureBytes(Image(*unshown, SkinRows[i].Control)))
                << SkinRows[i].Control;
    }
    // The rows before `end` hold their files.
    static void ExpectSkinFiles(TfrmMain& form, size_t end)
    {
        for (size_t i = 0; i < end; ++i) {
            const TSkinRow& row = SkinRows[i];
            const AnsiString file = ReadFileBytes(ProgramFolder() + row.File);
            TUniImage* image = Image(form, row.Control);
            ASSERT_FALSE(file.empty()) << row.File;
            EXPECT_EQ(PictureBytes(image), file) << row.Control << " does not show " << row.File;
            const TSize size = SizeInFile(file);
            EXPECT_EQ(image->GetPicture()->GetWidth(), size.cx) << row.Control;
            EXPECT_EQ(image->GetPicture()->GetHeight(), size.cy) << row.Control;
        }
    }
};

TEST_F(Skin, EveryControlOfTheTableShowsItsFileAndTheFlagItsLanguage)
{
    TBoxAnswerer answerer([](const AnsiString&) { return IDOK; }, GetCurrentProcessId());
    auto form = Show();
    ExpectSkinFiles(*form, std::size(SkinRows));
    static constexpr const char* flags[] = {"us.png", "cz.png", "de.png", "hu.png", "uk.png"};
    const int language = form->cbLanguage->GetItemIndex();
    ASSERT_TRUE(language >= 0 && language < 5);
    EXPECT_EQ(PictureBytes(form->ImageFlag), ReadFileBytes(ProgramFolder() + "images\\" + flags[language]));
    EXPECT_TRUE(answerer.Texts().empty());
}

// The finished page's picture is not among the files the start requires.
TEST_F(Skin, AMissingFileLeavesTheFormsPictureAndTheRestIsLoaded)
{
    TBoxAnswerer answerer([](const AnsiString&) { return IDOK; }, GetCurrentProcessId());
    std::unique_ptr<TfrmMain> form;
    {
        TSkinFileSwap missing("images\\finish.png");
        form = Show();
    }
    ExpectFormPictures(*form, 11, 12);
    ASSERT_EQ(AnsiString(SkinRows[11].Control), "finishimg");
    for (size_t i = 12; i < std::size(SkinRows); ++i)
        EXPECT_EQ(PictureBytes(Image(*form, SkinRows[i].Control)), ReadFileBytes(ProgramFolder() + SkinRows[i].File))
            << SkinRows[i].Control;
    EXPECT_TRUE(answerer.Texts().empty());
}

TEST_F(Skin, AFileThatIsNoPictureIsReportedOnceEndsTheLoadingThereAndTheWindowComesUp)
{
    TBoxAnswerer answerer([](const AnsiString&) { return IDOK; }, GetCurrentProcessId());
    std::unique_ptr<TfrmMain> form;
    {
        TSkinFileSwap broken("images\\settings.png", "This is a text, not a picture.\r\n");
        form = Show();
    }
    const std::vector<AnsiString> texts = answerer.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rfind("PNG image is not valid", 0), 0u) << texts[0];
    ASSERT_EQ(AnsiString(SkinRows[4].Control), "BackgSettings");
    ExpectSkinFiles(*form, 4);
    ExpectFormPictures(*form, 4);
    // The show handler went on past the skin.
    EXPECT_EQ(form->GetCaption(), "QUON Variruvu");
    EXPECT_EQ(form->PageControl->GetActivePage()->GetName(), "TabSheet1");
    EXPECT_FALSE(form->lblcbAlgorithminfo->GetCaption().empty());
}

}  // namespace
