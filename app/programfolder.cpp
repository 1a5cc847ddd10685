#include "app/programfolder.h"

#include "app/messageboxes.h"
#include "classlib/Dialogs.h"
#include "classlib/SysUtils.h"
#include "classlib/Win.h"

AnsiString ExeDir;

AnsiString ProgramFileName()
{
    char name[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, name, MAX_PATH);
    return AnsiString(name, length);
}

AnsiString ProgramFolder()
{
    return ExtractFilePath(ProgramFileName());
}

const std::vector<AnsiString>& CompanionFiles()
{
    static const std::vector<AnsiString> files = [] {
        std::vector<AnsiString> list;
        auto add = [&list](const char* folder, std::initializer_list<const char*> names) {
            for (const char* name : names)
                list.push_back(AnsiString(folder) + name);
        };
        add("images\\", {"variruvu.png", "bottom.png", "top.png", "variruvu_a.png", "settings.png", "help.png",
                         "paypal.png", "linkedin.png", "facebook.png", "myspace.png", "update.png", "abort.png",
                         "_fslogo.png", "twitter.png", "pb_button.png", "pspad_button.png", "bank_card.png",
                         "warning.png", "hu.png", "us.png", "de.png", "uk.png", "cz.png"});
        add("web\\", {"cv-pb-en.exe", "cv-pb-de.exe", "cv-pb-hu.exe", "cv-brv-en.exe", "cv-brv-de.exe",
                      "cv-brv-hu.exe", "cv-facebook.exe", "cv-myspace.exe", "cv-linkedin.exe", "cv-twitter.exe",
                      "cv-pspad.exe"});
        add("icons\\", {"run.ico", "unrun.ico", "persbackup.ico", "brevant.ico", "facebook.ico", "myspace.ico",
                        "twitter.ico", "linkedin.ico", "pspad.ico"});
        add("", {"cvhelp-de.chm", "cvhelp-en.chm", "cvhelp-hu.chm"});
        return list;
    }();
    return files;
}

AnsiString FindMissingCompanionFile(const AnsiString& folder)
{
    for (const AnsiString& file : CompanionFiles())
        if (!FileExists(folder + file))
            return file;
    return AnsiString();
}

void CheckProgramFiles()
{
    ExeDir = ProgramFolder();
    if (FindMissingCompanionFile(ExeDir).empty())
        return;
    MessageDlg(MessageText("sProgCheckFiles"), mtWarning, TMsgDlgButtons{mbOK});
    ExitProcess(0);
}
