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

// The program's date as the About page shows it after the version.
inline constexpr const char* ProgramDate = " - 12.08.2014";
