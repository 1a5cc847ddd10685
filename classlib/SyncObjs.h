// Synchronisation objects.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>

#include "classlib/Object.h"
#include "classlib/Win.h"

// Many readers or one writer. A thread that holds the write side may take the
// read side too, and a thread may take the read side again while holding it,
// even while a writer waits (new readers wait behind a waiting writer).
//
// BeginWrite from a thread that holds the read side upgrades: when no other
// upgrade is pending the thread keeps its read holds and waits until it is the
// only reader, and BeginWrite answers true (nobody can have written meanwhile).
// When another upgrade is already pending, the thread lets its read holds go
// while it waits (two upgrades would otherwise wait for each other forever),
// gets them back with the write side, and BeginWrite answers false when
// another writer got in meanwhile, so that the caller re-reads what it read.
class TMultiReadExclusiveWriteSynchronizer : public TObject {
public:
    void BeginRead();
    void EndRead();
    // True when no other thread wrote since this call began.
    bool BeginWrite();
    void EndWrite();

private:
    std::mutex FLock;
    std::condition_variable FChanged;
    std::map<DWORD, int> FReadHolds;   // by thread
    int FReaders = 0;                  // read holds of all threads
    DWORD FWriter = 0;
    int FWriteDepth = 0;
    int FWritersWaiting = 0;
    bool FUpgradePending = false;
    unsigned FRevision = 0;            // counts write sections
};
