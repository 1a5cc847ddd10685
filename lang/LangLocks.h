// Scoped holds of a multi-reader/exclusive-writer lock.
#pragma once

#include "classlib/SyncObjs.h"

class TReadHold {
public:
    explicit TReadHold(TMultiReadExclusiveWriteSynchronizer& lock) : FLock(lock) { FLock.BeginRead(); }
    TReadHold(const TReadHold&) = delete;
    TReadHold& operator=(const TReadHold&) = delete;
    ~TReadHold() { FLock.EndRead(); }

private:
    TMultiReadExclusiveWriteSynchronizer& FLock;
};

class TWriteHold {
public:
    explicit TWriteHold(TMultiReadExclusiveWriteSynchronizer& lock) : FLock(lock) { FLock.BeginWrite(); }
    TWriteHold(const TWriteHold&) = delete;
    TWriteHold& operator=(const TWriteHold&) = delete;
    ~TWriteHold() { FLock.EndWrite(); }

private:
    TMultiReadExclusiveWriteSynchronizer& FLock;
};
