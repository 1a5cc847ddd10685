// The message record handed to window methods.
#pragma once

#include "classlib/Win.h"

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};
