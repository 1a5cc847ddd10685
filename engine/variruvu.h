// The erasure engine: one file at a time is overwritten in place on a worker
// thread with the passes of the chosen method, then deleted by closing it.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "classlib/Classes.h"
#include "classlib/TypInfo.h"
#include "engine/clustersizes.h"
#include "engine/shredchannel.h"

enum TVariruvuMethod : uint8_t { sdmZero, sdmDoD, sdmGutmann };
VARIRUVU_ENUM_INFO(TVariruvuMethod, sdmZero, sdmDoD, sdmGutmann);

// PassCount carries the percentage done over all passes of the current file,
// PercentWritten the percentage of the current pass.
using TVariruvuProgressEvent = TEvent<TObject* /*Sender*/, uint8_t /*PassCount*/, uint8_t /*PercentWritten*/>;

constexpr UINT WM_SHRED_PROGRESS = WM_APP + 0x20;
constexpr UINT WM_SHRED_COMPLETED = WM_APP + 0x21;

// How a volume's cluster size turns into the write buffer.
struct TBufferGeometry {
    int32_t ClusterSize;
    int32_t ClustersPerBuffer;
    int32_t BufferSize;
};
// clusterSize 0 stands for a volume whose geometry could not be read.
TBufferGeometry BufferGeometryFor(int32_t clusterSize);

// The worker: overwrites TargetPath with the passes of one method.
class TVariruvuBaseObject : public TThread {
public:
    using TThread::TThread;
    ~TVariruvuBaseObject() override;

    AnsiString TargetPath;
    HWND NotifyWindow = nullptr;
    HANDLE FileHandle = INVALID_HANDLE_VALUE;
    uint8_t* Buffer = nullptr;
    int64_t FileSize = 0;
    int32_t ClusterCount = 0;
    int32_t ClustersPerBuffer = 0;
    int32_t BufferSize = 0;
    int32_t ClusterSize = 0;
    int64_t PassWritten = 0;
    int32_t PassesDone = 0;
    int32_t TotalPasses = 0;
    std::atomic<int32_t> OpenFailed{0};
    std::atomic<bool> CancelRequested{false};
    // The fast road of the two messages to NotifyWindow; without it they are sent plainly.
    TShredChannel* Channel = nullptr;
    // The run's memory of cluster sizes; without it the volume is asked every time.
    TClusterSizes* ClusterSizes = nullptr;

protected:
    void ThreadMain() override;
    virtual void Erase() = 0;

    void OpenTarget();
    void CloseTarget();
    void FillPatternByte(uint8_t value);
    void FillPatternTriplet(int32_t count, uint8_t b0, uint8_t b1, uint8_t b2);
    void FillRandom(int32_t count);
    void WritePatternPass();
    void WriteRandomPass();
    void ReportProgress();

    // One pass over whole clusters; `refill` (may be null) runs before every write
    // with the byte count about to be written.
    void WritePass(void (TVariruvuBaseObject::*refill)(int32_t));
    void Notify(UINT msg, WPARAM wParam, LPARAM lParam);
};

class TVariruvuZeroErase : public TVariruvuBaseObject {
public:
    using TVariruvuBaseObject::TVariruvuBaseObject;

protected:
    void Erase() override;
};

class TVariruvuDoDErase : public TVariruvuBaseObject {
public:
    using TVariruvuBaseObject::TVariruvuBaseObject;

protected:
    void Erase() override;
};

class TVariruvuGutmannErase : public TVariruvuBaseObject {
public:
    using TVariruvuBaseObject::TVariruvuBaseObject;

protected:
    void Erase() override;
};

// The component the main window erases files through.
class TSafetyDelete : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    explicit TSafetyDelete(TComponent* AOwner);
    ~TSafetyDelete() override;

    void SelectMethod(TVariruvuMethod value);
    // 0 when the file was opened and overwritten (or stopped while being
    // overwritten), 1 when it does not exist or cannot be opened for writing.
    int32_t ShredFile(const AnsiString& path);
    void Cancel();

    TVariruvuMethod GetMethod() const { return Method; }
    void SetMethod(TVariruvuMethod value) { Method = value; }
    bool GetCanceled() const { return Canceled; }
    const TVariruvuProgressEvent& GetOnProgress() const { return OnProgress; }
    void SetOnProgress(const TVariruvuProgressEvent& value) { OnProgress = value; }
    const TNotifyEvent& GetOnCompleted() const { return OnCompleted; }
    void SetOnCompleted(const TNotifyEvent& value) { OnCompleted = value; }

protected:
    virtual void NotifyWndProc(TMessage& message);

private:
    std::unique_ptr<TVariruvuBaseObject> CreateWorker() const;
    // One round of the GUI thread's queue during a wait; repaints only at their pace.
    void ProcessQueue();

    HWND NotifyWindow = nullptr;
    TVariruvuMethod Method = sdmZero;
    bool Canceled = false;
    std::unique_ptr<TVariruvuBaseObject> WorkerThread;
    TVariruvuProgressEvent OnProgress;
    TNotifyEvent OnCompleted;
    std::unique_ptr<TShredChannel> Channel;
    TClusterSizes ClusterSizes;
    DWORD LastPaintRound = 0;  // tick count
};
