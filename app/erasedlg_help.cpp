// The main window's help buttons: a topic of the language's help file through
// the HTML Help control, or the whole file through the shell.
#include "app/erasedlg.h"
#include "app/help.h"
#include "app/messageboxes.h"
#include "app/programfolder.h"
#include "classlib/SysUtils.h"
#include <shellapi.h>

namespace {

// There is no Czech help file: Czech (index 1) opens the English one. Null for an index without a file.
const char* HelpFile(int languageIndex)
{
    static constexpr const char* files[] = {"cvhelp-en.chm", "cvhelp-en.chm", "cvhelp-de.chm", "cvhelp-hu.chm",
                                            "cvhelp-uk.chm"};
    return languageIndex >= 0 && languageIndex < 5 ? files[languageIndex] : nullptr;
}

void ReportHelpNotAvailable()
{
    ShowMessageConstant("sHelpnotavailable", MB_ICONINFORMATION);
}

}  // namespace

AnsiString TfrmMain::LanguageHelpFile()
{
    ExeDir = ProgramFolder();
    // Every help file must be installed, whichever of them is opened.
    for (const char* file : {"cvhelp-hu.chm", "cvhelp-en.chm", "cvhelp-de.chm", "cvhelp-uk.chm"})
        if (!FileExists(ExeDir + file)) {
            ReportHelpNotAvailable();
            return AnsiString();
        }
    const char* file = HelpFile(cbLanguage->GetItemIndex());
    return file ? ExeDir + file : AnsiString();
}

void TfrmMain::ShowHelpTopic(const char* topic)
{
    const AnsiString file = LanguageHelpFile();
    if (file.empty())
        return;
    // Without the control a topic cannot be shown; the user hears so rather than nothing.
    if (!HtmlHelpA) {
        ReportHelpNotAvailable();
        return;
    }
    // The desktop owns the help window, so it outlives the main window and does not stay above it.
    HtmlHelpA(GetDesktopWindow(), (file + "::/" + topic).c_str(), HH_DISPLAY_TOPIC, 0);
}

void TfrmMain::btnHelpMainClick(TObject*)
{
    ShowHelpTopic("cv-add-ff.html");
}

void TfrmMain::btnlicenseClick(TObject*)
{
    ShowHelpTopic("cv-agreement.html");
}

void TfrmMain::btnbighelpClick(TObject*)
{
    const AnsiString file = LanguageHelpFile();
    if (!file.empty())
        ShellExecuteA(GetHandle(), "open", file.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}
