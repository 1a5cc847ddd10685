// Reading routines for properties that older form streams still hold: each
// reads its value and drops it.
#pragma once

#include "classlib/Filers.h"

class TKitOldPropReader {
public:
    static void ReadBoolean(TReader* reader);
    static void ReadIdent(TReader* reader);
    static void ReadSet(TReader* reader);
};
