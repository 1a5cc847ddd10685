// Answers the message boxes of a process from a thread of its own, as a user
// reading them would, and keeps their texts in the order they came.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "classlib/System.h"
#include "classlib/Win.h"

// The button to press for a box's text (IDYES, IDNO, IDOK); 0 leaves the box alone.
using TBoxAnswer = std::function<int(const AnsiString& text)>;

class TBoxAnswerer {
public:
    // The boxes of that process; 0: of every process.
    TBoxAnswerer(TBoxAnswer answer, DWORD processId);
    ~TBoxAnswerer();
    TBoxAnswerer(const TBoxAnswerer&) = delete;
    TBoxAnswerer& operator=(const TBoxAnswerer&) = delete;

    // The texts of the boxes answered so far.
    std::vector<AnsiString> Texts() const;
    // Waits until `count` boxes have been answered; false when that takes longer than `milliseconds`.
    bool WaitForCount(size_t count, DWORD milliseconds) const;

private:
    void Watch();

    TBoxAnswer FAnswer;
    DWORD FProcessId;
    std::atomic<bool> FStop{false};
    mutable std::mutex FLock;
    std::vector<AnsiString> FTexts;
    std::thread FThread;
};

// The visible top-level windows of the class (any title) that belong to the process (0: any).
std::vector<HWND> TopLevelWindows(const char* className, DWORD processId = 0);
// The text of a message box (its static text control); empty for other dialogs.
AnsiString MessageBoxText(HWND box);
// Presses the message box's button with this command identifier (IDOK, IDYES, IDNO).
void PressButton(HWND box, int id);
