// The program's and its maker's names and addresses, as the window, the log
// and the registry give them.
#pragma once

// The main window's title, the autorun value's name and config.ini's App/Program.
inline constexpr const char* ProgramName = "QUON Variruvu";

inline constexpr const char* MakerName = "BREVANT";
inline constexpr const char* MakerSite = "https://www.brevant.example/";
inline constexpr const char* MakerHost = "www.brevant.example";
// The comment at the head of the log, with the maker's contact address.
inline constexpr const char* MakerContactNotice = "QUON Variruvu log file - BREVANT - info@brevant.example";
// The note kept beside the link to the maker's site in the log.
inline constexpr const char* MakerSiteNotice = "Software for the safe end of your data";

// The maker's addresses behind the window's links. The page names and the
// mail subjects are added by the links themselves.
inline constexpr const char* MakerContactMail = "info@brevant.example";
inline constexpr const char* MakerDonationMail = "donate@brevant.example";
inline constexpr const char* MakerFacebookPage = "https://www.facebook.example/brevant";
inline constexpr const char* MakerPayPalButton =
    "https://www.paypal.example/cgi-bin/webscr?cmd=_s-xclick&hosted_button_id=BREVANT0001";
// The web sites of the programs the Recommendation page recommends.
inline constexpr const char* BackupProgramSite = "https://www.personal-backup.example/";
inline constexpr const char* EditorSite = "https://www.pspad.example/";

// The program's date as the About page shows it after the version.
inline constexpr const char* ProgramDate = " - 12.08.2014";
