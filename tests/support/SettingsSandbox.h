// The program's settings in the test prefix wiped before and after a test:
// config.ini and the log with their folders, the registry mirror, the
// autorun value and the Explorer verbs.
#pragma once

class TSettingsSandbox {
public:
    TSettingsSandbox() { Wipe(); }
    ~TSettingsSandbox() { Wipe(); }
    TSettingsSandbox(const TSettingsSandbox&) = delete;
    TSettingsSandbox& operator=(const TSettingsSandbox&) = delete;

    static void Wipe();
};
