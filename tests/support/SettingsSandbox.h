// The program's settings in the test prefix wiped before and after a test:
// config.ini and the log with their folders, the registry mirror, the
// autorun value and the Explorer verbs.
#pragma once

#include "classlib/System.h"

class TSettingsSandbox {
public:
    TSettingsSandbox() { Wipe(); }
    ~TSettingsSandbox() { Wipe(); }
    TSettingsSandbox(const TSettingsSandbox&) = delete;
    TSettingsSandbox& operator=(const TSettingsSandbox&) = delete;

    static void Wipe();
    // config.ini's LastChoice/Splash and LastChoice/License set to 0, the rest
    // of the file kept: the program starts without the splash window's pause
    // and without the licence viewer.
    static void TurnOffStartWindows();
    // config.ini made of `text`, then the start windows turned off.
    static void WriteQuietConfig(const AnsiString& text);
};

// A wiped prefix whose program starts straight into its main window.
class TQuietStartSandbox : public TSettingsSandbox {
public:
    TQuietStartSandbox() { TurnOffStartWindows(); }
};
