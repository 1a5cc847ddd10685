// Holds the main window still while an erase run walks the list: the controls
// that could start a second run, change the list, switch the language, restart
// or close the program are disabled, and given back as they were at the end.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "classlib/Controls.h"

class TRunLock {
public:
    // `running` reads true for the lifetime of the lock.
    TRunLock(bool& running, std::initializer_list<TControl*> controls);
    ~TRunLock();
    TRunLock(const TRunLock&) = delete;
    TRunLock& operator=(const TRunLock&) = delete;

private:
    bool& FRunning;
    std::vector<std::pair<TControl*, bool>> FSaved;
};
