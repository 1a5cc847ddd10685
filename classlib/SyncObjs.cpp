#include "classlib/SyncObjs.h"

void TMultiReadExclusiveWriteSynchronizer::BeginRead()
{
    DWORD me = GetCurrentThreadId();
    std::unique_lock<std::mutex> lock(FLock);
    auto held = FReadHolds.find(me);
    if (FWriter != me && held == FReadHolds.end())
        FChanged.wait(lock, [&] { return FWriter == 0 && FWritersWaiting == 0; });
    ++FReadHolds[me];
    ++FReaders;
}

void TMultiReadExclusiveWriteSynchronizer::EndRead()
{
    DWORD me = GetCurrentThreadId();
    std::lock_guard<std::mutex> lock(FLock);
    auto held = FReadHolds.find(me);
    if (held == FReadHolds.end())
        return;
    if (--held->second == 0)
        FReadHolds.erase(held);
    --FReaders;
    FChanged.notify_all();
}

bool TMultiReadExclusiveWriteSynchronizer::BeginWrite()
{
    DWORD me = GetCurrentThreadId();
    std::unique_lock<std::mutex> lock(FLock);
    if (FWriter == me) {
        ++FWriteDepth;
        return true;
    }
    unsigned revision = FRevision;
    auto held = FReadHolds.find(me);
    int myReads = held == FReadHolds.end() ? 0 : held->second;
    int released = 0;
    bool upgrading = false;
    if (myReads > 0 && FUpgradePending) {
        released = myReads;
        FReadHolds.erase(held);
        FReaders -= released;
        myReads = 0;
        FChanged.notify_all();
    } else if (myReads > 0) {
        upgrading = true;
        FUpgradePending = true;
    }
    ++FWritersWaiting;
    FChanged.wait(lock, [&] { return FWriter == 0 && FReaders == myReads; });
    --FWritersWaiting;
    if (upgrading)
        FUpgradePending = false;
    FWriter = me;
    FWriteDepth = 1;
    if (released > 0) {
        FReadHolds[me] += released;
        FReaders += released;
    }
    bool unchanged = revision == FRevision;
    ++FRevision;
    return unchanged;
}

void TMultiReadExclusiveWriteSynchronizer::EndWrite()
{
    std::lock_guard<std::mutex> lock(FLock);
    if (FWriter != GetCurrentThreadId())
        return;
    if (--FWriteDepth == 0) {
        FWriter = 0;
        FChanged.notify_all();
    }
}
