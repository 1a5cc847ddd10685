// config.ini in DataFolder: the one store of settings that is read back.
// Every value is written key by key through the platform, so each write is
// on disk at once; a write the platform refuses raises EIniFileException
// ("Unable to write to %s").
#pragma once

#include <cstdint>

#include "classlib/System.h"

AnsiString ConfigFileName();

// What the whole-file write stores.
struct TConfigSettings {
    // The About page's description, in the current language.
    AnsiString Info;
    bool Splash = true;
    bool License = true;
    bool ContextMenu = false;
    bool AutoRun = false;
    int EraseMethod = 0;
    uint16_t Language = 0;
};
// App/Program, App/Version, App/Info, LastChoice/Splash, LastChoice/License,
// Settings/ContextMenu, Startup/AutoRun, Settings/EraseMethod, Settings/Language.
void WriteConfigSettings(const TConfigSettings& settings);

// What start-up takes back. Handed in, each field holds what applies when the
// file lacks the key or holds no number there.
struct TStoredChoices {
    uint16_t Language = 0;
    int EraseMethod = -1;
    AnsiString LastApply;
    bool AutoRun = false;
    bool ContextMenu = false;
};
// The method always comes back as one of the three (see ReadEraseMethod).
TStoredChoices ReadStoredChoices(const TStoredChoices& defaults);

// LastChoice/Splash and LastChoice/License: whether the splash window and the
// licence viewer show at start; both true when the file does not say.
bool ReadShowSplash();
bool ReadShowLicense();

// The stored method when it is one of the three; else `current` when it is
// one; else the DoD method, the program's usual default.
int ReadEraseMethod(int current);
// App/Program, App/Version and Settings/EraseMethod: what a new method or language keeps.
void WriteMethodChoice(int method);
// LastApply/LA made empty; the key stays.
void EmptyLastApply();
// What an erase run records before it touches the first row: the folders
// made; App/Program, App/Version, Settings/EraseMethod and the time of the
// run as LastApply/LA; and the time again as the registry mirror's LastApply.
void RecordEraseStart(int method);
