#include "app/linktargets.h"

#include "app/productinfo.h"
#include "classlib/Forms.h"
#include "classlib/Win.h"
#include <shellapi.h>

namespace {

constexpr int LanguageCount = 5;

bool IsLanguage(int languageIndex)
{
    return languageIndex >= 0 && languageIndex < LanguageCount;
}

// The page of a language index from one name per index; empty for any other index.
AnsiString PageOf(const char* site, int languageIndex, const char* const (&pages)[LanguageCount])
{
    return IsLanguage(languageIndex) ? AnsiString(site) + pages[languageIndex] : AnsiString();
}

// The subject's blank is escaped: a mail program's command line may not quote the link.
AnsiString MailLink(const char* address, const char* subject)
{
    AnsiString link = AnsiString("mailto:") + address + "?subject=";
    for (const char* c = subject; *c; ++c)
        link += *c == ' ' ? AnsiString("%20") : AnsiString(1, *c);
    return link;
}

}  // namespace

AnsiString MakerHomePage(int languageIndex)
{
    return PageOf(MakerSite, languageIndex, {"home-e.html", "home-e.html", "home-e.html", "home-h.html", "home-e.html"});
}

AnsiString MakerDonationPage(int languageIndex)
{
    return PageOf(MakerSite, languageIndex,
                  {"donate-e.html", "donate-e.html", "donate-e.html", "donate-h.html", "donate-e.html"});
}

AnsiString ContactMailLink(int languageIndex)
{
    static constexpr const char* subjects[LanguageCount] = {"Contact Us", "Kontakt", "Kontakt", "Kapcsolat", "Contact"};
    return IsLanguage(languageIndex) ? MailLink(MakerContactMail, subjects[languageIndex]) : AnsiString();
}

AnsiString DonationMailLink()
{
    return MailLink(MakerDonationMail, "Donate");
}

AnsiString BackupProgramPage(int languageIndex)
{
    return PageOf(BackupProgramSite, languageIndex,
                  {"index-e.html", "index-e.html", "index.html", "index-h.html", "index-e.html"});
}

AnsiString EditorPage(int languageIndex)
{
    return PageOf(EditorSite, languageIndex, {"cz/", "cz/", "cz/", "cz/", "cz/"});
}

void OpenLink(const AnsiString& target)
{
    if (!target.empty())
        ShellExecuteA(Application->GetHandle(), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
