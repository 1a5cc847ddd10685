// The targets of the main window's links, for the language box's index
// (0 English, 1 Czech, 2 German, 3 Hungarian, 4 Ukrainian); an empty target
// opens nothing.
#pragma once

#include "classlib/System.h"

inline constexpr const char* LinkedInHomePage = "https://www.linkedin.com/";
inline constexpr const char* FacebookHomePage = "https://www.facebook.com/";
inline constexpr const char* MySpaceHomePage = "https://myspace.com/";
inline constexpr const char* TwitterHomePage = "https://twitter.com/";

AnsiString MakerHomePage(int languageIndex);
AnsiString MakerDonationPage(int languageIndex);
// A "mailto:" link to the maker's contact address with the subject in the language.
AnsiString ContactMailLink(int languageIndex);
AnsiString DonationMailLink();
AnsiString BackupProgramPage(int languageIndex);
AnsiString EditorPage(int languageIndex);

// Hands the target to the shell to open, owned by the application window; an
// empty target opens nothing. What the shell makes of it is not reported.
void OpenLink(const AnsiString& target);
