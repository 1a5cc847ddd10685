// The registry records kept beside config.ini, which nothing reads back: the
// mirror of some settings under the current user, the autorun value of the
// local machine and the Explorer verb for files. A key that cannot be opened
// or made (no administrator rights) is passed over without a word.
#pragma once

#include <cstdint>

#include "classlib/System.h"

// The mirror's values, in the order they are written.
struct TRegistryMirror {
    int EraseMethod = 0;
    AnsiString ProgVers;
    uint16_t Language = 0;
    bool ShowSplash = true;
    bool ContextMenu = false;
};
// Writes every value; LastApply and LastUpdate become empty.
void WriteRegistryMirror(const TRegistryMirror& mirror);
void WriteMirrorEraseMethod(int method);
void WriteMirrorLastApply(const AnsiString& when);
void WriteMirrorContextMenu(bool on);

// The autorun value `name` holds `path`, unquoted.
void AddRunEntry(const AnsiString& name, const AnsiString& path);
// A missing value is no error.
void RemoveRunEntry(const AnsiString& name);

// The verb for files with its caption in the current language, its command
// and its icon; then the mirror's CntxMn := 1.
void RegisterContextMenu();
// Removes the verb for files and a folder verb of the same name; then the mirror's CntxMn := 0.
void UnregisterContextMenu();
