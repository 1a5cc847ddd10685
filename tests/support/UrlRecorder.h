// The links the programs under test hand to the shell, caught by our recorder
// program instead of a browser or mail program.
#pragma once

#include <vector>

#include "classlib/System.h"
#include "classlib/Win.h"

// Points the test prefix's http, https and mailto handlers at the recorder
// (they stay so: nothing in the tests may reach a real browser) and names a
// fresh log for it in this process's environment, which the programs it
// starts inherit. The log goes with the object.
class TUrlRecorder {
public:
    TUrlRecorder();
    ~TUrlRecorder();
    TUrlRecorder(const TUrlRecorder&) = delete;
    TUrlRecorder& operator=(const TUrlRecorder&) = delete;

    // The links recorded so far, in order.
    std::vector<AnsiString> Links() const;
    // Waits until at least `count` links are recorded, at most `milliseconds`; the links then.
    std::vector<AnsiString> WaitForLinks(size_t count, DWORD milliseconds) const;
    // Forgets the links recorded so far.
    void Clear() const;

private:
    AnsiString FFolder;
    AnsiString FLog;
};

// The handlers' command: the recorder, quoted, with the link as its one argument.
AnsiString UrlRecorderCommand();
