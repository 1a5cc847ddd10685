// The main window's skin: pictures and icons read from the program folder at
// every start, so that they can be replaced without rebuilding the program.
#include "app/erasedlg.h"
#include "app/programfolder.h"
#include "classlib/SysUtils.h"

namespace {

struct TSkinFile {
    const char* Folder;
    const char* File;
    const char* Control;
};

// In loading order: a picture that cannot be read ends the loading there.
constexpr TSkinFile SkinFiles[] = {
    {"images", "variruvu.png", "panClientLogo"},  {"images", "bottom.png", "panbottomimg"},
    {"images", "top.png", "pantopimg"},           {"images", "variruvu_a.png", "BackgAbout"},
    {"images", "settings.png", "BackgSettings"},  {"images", "help.png", "BackgHelp"},
    {"images", "paypal.png", "BackgPayPal"},      {"images", "linkedin.png", "BackgLinkedIn"},
    {"images", "facebook.png", "BackgFacebook"},  {"images", "myspace.png", "BackgMySpace"},
    {"images", "update.png", "updateimg"},        {"images", "finish.png", "finishimg"},
    {"images", "abort.png", "abortimg"},          {"images", "_fslogo.png", "fspantopimg"},
    {"images", "_fslogo.png", "aboutlogoimg"},    {"images", "variruvu_a.png", "pantoplogo"},
    {"images", "twitter.png", "BackgTwitter"},    {"images", "pb_button.png", "pbimg"},
    {"images", "pspad_button.png", "pspadimg"},   {"images", "warning.png", "warningimg"},
    {"images", "ff.png", "backgffimg"},           {"images", "ff.png", "backgwipingimg"},
    {"images", "bank_card.png", "BackgBankCard"}, {"images", "mail.png", "mailimg"},
    {"images", "contact.png", "contactimg"},      {"images", "like.png", "likeimg"},
    {"icons", "home.ico", "mhimg"},               {"icons", "ff.ico", "mffimg"},
    {"icons", "settings.ico", "msimg"},           {"icons", "help.ico", "mhlpimg"},
    {"icons", "info.ico", "maimg"},               {"icons", "pp.ico", "mppimg"},
    {"icons", "rec.ico", "mrecimg"},              {"icons", "exit.ico", "meimg"},
};

}  // namespace

void TfrmMain::LoadSkin()
{
    ExeDir = ProgramFolder();
    try {
        for (const TSkinFile& skin : SkinFiles) {
            const AnsiString fileName = ExeDir + skin.Folder + "\\" + skin.File;
            if (FileExists(fileName))
                Part<TUniImage>(skin.Control)->GetPicture()->LoadFromFile(AnsiToWide(fileName));
        }
    } catch (const EInvalidGraphic&) {
        // Reported as the application reports any error; the window still comes up.
        Application->HandleException(this);
    } catch (const EStreamError&) {
        Application->HandleException(this);
    }
}
