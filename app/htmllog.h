// The HTML log of the last erase run: the list as it was, the program and the
// method. Each write replaces the file; only the latest run is kept.
#pragma once

#include "classlib/ComCtrls.h"

// LogFolder + "cv-log.html".
AnsiString LogFileName();

// The main window's captions that the log quotes, in the current language.
struct THtmlLogTexts {
    WideString LastUsedLabel;
    WideString VersionLabel;
    WideString Version;
    WideString ProgramDate;
    WideString AuthorLabel;
    WideString Author;
    WideString MethodLabel;
    WideString Method;
    WideString MethodInfoLabel;
    WideString MethodInfo;
};

// Makes the file's folder and writes the document: a header cell per column
// (centred or not), a row per entry of the list, checked or not. The text is
// ANSI in the system code page; wide captions go through the platform's
// conversion. False on any failure; a partly written file may remain.
bool WriteHtmlLog(TCustomListView* list, const AnsiString& fileName, bool centerHeaders, const THtmlLogTexts& texts);
