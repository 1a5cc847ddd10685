#include "engine/variruvu.h"

#include <algorithm>
#include <cstring>

#include "classlib/Forms.h"
#include "classlib/SysUtils.h"

namespace {

constexpr int32_t MaxBufferBytes = 65536;
// Used when the volume does not tell its geometry: the usual cluster size.
constexpr int32_t FallbackClusterSize = 4096;
constexpr DWORD ShredOpenFlags = FILE_FLAG_WRITE_THROUGH | FILE_FLAG_NO_BUFFERING | FILE_FLAG_DELETE_ON_CLOSE;
constexpr DWORD WaitRoundMs = 10;
// Under Wine a window's repaint costs about a millisecond, the time the worker
// takes for many writes: while the run goes on, the window is repainted at this pace.
constexpr DWORD PaintRoundMs = 40;

// The runtime's 32-bit linear congruential generator.
uint32_t RandSeed = 0;

void Randomize()
{
    LARGE_INTEGER counter;
    if (QueryPerformanceCounter(&counter))
        RandSeed = static_cast<uint32_t>(counter.LowPart);
    else
        RandSeed = GetTickCount();
}

// A value in 0 .. range-1.
uint32_t Random(uint32_t range)
{
    RandSeed = RandSeed * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(RandSeed) * range) >> 32);
}

}  // namespace

TBufferGeometry BufferGeometryFor(int32_t clusterSize)
{
    TBufferGeometry g{};
    g.ClusterSize = clusterSize > 0 ? clusterSize : FallbackClusterSize;
    // Clusters above 64 KiB still get a buffer of one whole cluster.
    g.ClustersPerBuffer = std::max<int32_t>(1, MaxBufferBytes / g.ClusterSize);
    g.BufferSize = g.ClustersPerBuffer * g.ClusterSize;
    return g;
}

// ---- the worker ----

TVariruvuBaseObject::~TVariruvuBaseObject()
{
    // Normally released by CloseTarget; this covers a worker that never ran.
    if (Buffer)
        VirtualFree(Buffer, 0, MEM_RELEASE);
}

void TVariruvuBaseObject::ThreadMain()
{
    CancelRequested = false;
    OpenFailed = 0;
    Erase();
    Terminate();
}

void TVariruvuBaseObject::Notify(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Channel)
        Channel->Send(msg, wParam, lParam);
    else
        SendMessageA(NotifyWindow, msg, wParam, lParam);
}

void TVariruvuBaseObject::OpenTarget()
{
    TargetPath = ExpandFileName(TargetPath);
    FileHandle = CreateFileA(TargetPath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, ShredOpenFlags, nullptr);
    if (FileHandle == INVALID_HANDLE_VALUE) {
        OpenFailed = 1;
        return;
    }

    const TBufferGeometry geometry =
        BufferGeometryFor(ClusterSizes ? ClusterSizes->For(TargetPath) : VolumeClusterSize(TargetPath));
    ClusterSize = geometry.ClusterSize;

    DWORD high = 0;
    DWORD low = GetFileSize(FileHandle, &high);
    FileSize = (static_cast<int64_t>(high) << 32) | low;

    ClusterCount = static_cast<int32_t>(FileSize / ClusterSize + (FileSize % ClusterSize != 0 ? 1 : 0));
    ClustersPerBuffer = geometry.ClustersPerBuffer;
    BufferSize = geometry.BufferSize;
    // Page-aligned, which satisfies the sector alignment of unbuffered writes.
    Buffer = static_cast<uint8_t*>(VirtualAlloc(nullptr, static_cast<SIZE_T>(BufferSize), MEM_COMMIT | MEM_RESERVE,
                                                PAGE_READWRITE));
    PassesDone = 0;
}

void TVariruvuBaseObject::CloseTarget()
{
    if (FileHandle != INVALID_HANDLE_VALUE) {
        CloseHandle(FileHandle);
        FileHandle = INVALID_HANDLE_VALUE;
    }
    if (Buffer) {
        VirtualFree(Buffer, 0, MEM_RELEASE);
        Buffer = nullptr;
    }
    Notify(WM_SHRED_COMPLETED, 0, 0);
    Terminate();
}

void TVariruvuBaseObject::FillPatternByte(uint8_t value)
{
    std::memset(Buffer, value, static_cast<size_t>(BufferSize));
}

void TVariruvuBaseObject::FillPatternTriplet(int32_t count, uint8_t b0, uint8_t b1, uint8_t b2)
{
    const uint8_t pattern[3] = {b0, b1, b2};
    for (int32_t i = 0; i < count; ++i)
        Buffer[i] = pattern[i % 3];
}

void TVariruvuBaseObject::FillRandom(int32_t count)
{
    Randomize();
    const int32_t n = std::min(count, BufferSize);
    for (int32_t i = 0; i < n; ++i)
        Buffer[i] = static_cast<uint8_t>(Random(255));
}

void TVariruvuBaseObject::WritePatternPass()
{
    WritePass(nullptr);
}

void TVariruvuBaseObject::WriteRandomPass()
{
    WritePass(&TVariruvuBaseObject::FillRandom);
}

void TVariruvuBaseObject::WritePass(void (TVariruvuBaseObject::*refill)(int32_t))
{
    if (CancelRequested)
        return;
    PassWritten = 0;
    SetFilePointer(FileHandle, 0, nullptr, FILE_BEGIN);

    auto write = [&](int32_t bytes) {
        if (refill)
            (this->*refill)(bytes);
        DWORD written = 0;
        WriteFile(FileHandle, Buffer, static_cast<DWORD>(bytes), &written, nullptr);
        PassWritten += written;
    };

    int32_t clustersDone = 0;
    while (ClusterCount - clustersDone > ClustersPerBuffer && !CancelRequested) {
        write(BufferSize);
        ReportProgress();
        clustersDone += ClustersPerBuffer;
    }
    if (!CancelRequested)
        write((ClusterCount - clustersDone) * ClusterSize);
    // The system may keep the pass in its cache although the handle asks for
    // write-through; the next pass and the delete must not overtake it.
    FlushFileBuffers(FileHandle);
    ReportProgress();
    ++PassesDone;
}

void TVariruvuBaseObject::ReportProgress()
{
    // An empty file is covered by every pass as soon as it starts.
    long double f = FileSize > 0 ? static_cast<long double>(PassWritten) / static_cast<long double>(FileSize) : 1.0L;
    if (f > 1.0L)
        f = 1.0L;
    const long double overall = (f + PassesDone) / TotalPasses * 100.0L;
    const auto passPercent = static_cast<int32_t>(f * 100.0L);
    Notify(WM_SHRED_PROGRESS, static_cast<WPARAM>(static_cast<int32_t>(overall) & 0xFF),
           static_cast<LPARAM>(passPercent));
}

// ---- the pass sequences ----

void TVariruvuZeroErase::Erase()
{
    TotalPasses = 1;
    OpenTarget();
    if (OpenFailed == 0) {
        FillPatternByte(0x00);
        WritePatternPass();
    }
    CloseTarget();
}

void TVariruvuDoDErase::Erase()
{
    TotalPasses = 7;
    OpenTarget();
    if (OpenFailed == 0) {
        for (int i = 0; i < 6; ++i) {
            FillPatternByte(i % 2 == 0 ? 0x00 : 0xFF);
            WritePatternPass();
        }
        WriteRandomPass();
    }
    CloseTarget();
}

namespace {

// One pass of the 35: random, a single byte, or a three-byte pattern.
struct TGutmannPass {
    enum { Random, Byte, Triplet } Kind;
    uint8_t B0, B1, B2;
};

constexpr TGutmannPass R{TGutmannPass::Random, 0, 0, 0};
constexpr TGutmannPass B(uint8_t b) { return {TGutmannPass::Byte, b, 0, 0}; }
constexpr TGutmannPass T(uint8_t b0, uint8_t b1, uint8_t b2) { return {TGutmannPass::Triplet, b0, b1, b2}; }

constexpr TGutmannPass GutmannPasses[35] = {
    R, R, R, R,
    B(0x55), B(0xAA),
    T(0x92, 0x49, 0x24), T(0x49, 0x24, 0x92), T(0x24, 0x92, 0x49),
    B(0x00), B(0x11), B(0x22), B(0x33), B(0x44), B(0x55), B(0x66), B(0x77),
    B(0x88), B(0x99), B(0xAA), B(0xBB), B(0xCC), B(0xDD), B(0xEE), B(0xFF),
    T(0x92, 0x49, 0x24), T(0x49, 0x24, 0x92), T(0x24, 0x92, 0x49),
    T(0x6D, 0xB6, 0xDB), T(0xB6, 0xDB, 0x6D), T(0xDB, 0x6D, 0xB6),
    R, R, R, R,
};

}  // namespace

void TVariruvuGutmannErase::Erase()
{
    TotalPasses = 35;
    OpenTarget();
    if (OpenFailed == 0) {
        for (const TGutmannPass& pass : GutmannPasses) {
            switch (pass.Kind) {
            case TGutmannPass::Random:
                WriteRandomPass();
                continue;
            case TGutmannPass::Byte:
                FillPatternByte(pass.B0);
                break;
            case TGutmannPass::Triplet:
                FillPatternTriplet(BufferSize, pass.B0, pass.B1, pass.B2);
                break;
            }
            WritePatternPass();
        }
    }
    CloseTarget();
}

// ---- the component ----

VARIRUVU_CLASS_INFO(TSafetyDelete, TComponent)
{
    info.Property("Method", &TSafetyDelete::GetMethod, &TSafetyDelete::SetMethod);
    info.Property("Canceled", &TSafetyDelete::GetCanceled);
    info.Property("OnProgress", &TSafetyDelete::GetOnProgress, &TSafetyDelete::SetOnProgress);
    info.Property("OnCompleted", &TSafetyDelete::GetOnCompleted, &TSafetyDelete::SetOnCompleted);
}

TSafetyDelete::TSafetyDelete(TComponent* AOwner) : TComponent(AOwner)
{
    NotifyWindow = AllocateHWnd(TWndMethod(this, &TSafetyDelete::NotifyWndProc));
    Channel = std::make_unique<TShredChannel>(NotifyWindow);
    SelectMethod(sdmZero);
}

TSafetyDelete::~TSafetyDelete()
{
    DeallocateHWnd(NotifyWindow);
}

void TSafetyDelete::SelectMethod(TVariruvuMethod value)
{
    Canceled = false;
    ClusterSizes.Clear();  // a run starts: its volumes are asked anew
    Method = value;
}

std::unique_ptr<TVariruvuBaseObject> TSafetyDelete::CreateWorker() const
{
    switch (Method) {
    case sdmDoD:
        return std::make_unique<TVariruvuDoDErase>(true);
    case sdmGutmann:
        return std::make_unique<TVariruvuGutmannErase>(true);
    case sdmZero:
    default:
        return std::make_unique<TVariruvuZeroErase>(true);
    }
}

int32_t TSafetyDelete::ShredFile(const AnsiString& path)
{
    Canceled = false;
    if (!FileExists(path))
        return 1;

    WorkerThread = CreateWorker();
    WorkerThread->SetFreeOnTerminate(false);
    WorkerThread->TargetPath = path;
    WorkerThread->NotifyWindow = NotifyWindow;
    WorkerThread->Channel = Channel.get();
    WorkerThread->ClusterSizes = &ClusterSizes;
    WorkerThread->Resume();

    // The GUI thread keeps its messages turning, at most one wait round apart,
    // and hands every message of the worker on as soon as it is there.
    do {
        const bool queueDue = Channel->Wait(*WorkerThread, WaitRoundMs);
        Channel->Serve();
        if (queueDue)
            ProcessQueue();
    } while (!WorkerThread->GetTerminated());

    const int32_t result = WorkerThread->OpenFailed;
    WorkerThread.reset();
    return result;
}

void TSafetyDelete::ProcessQueue()
{
    const DWORD now = GetTickCount();
    if (now - LastPaintRound < PaintRoundMs) {
        Application->ProcessMessagesButPaint();
        return;
    }
    LastPaintRound = now;
    Application->ProcessMessages();
}

void TSafetyDelete::Cancel()
{
    Canceled = true;
    if (WorkerThread)
        WorkerThread->CancelRequested = true;
}

void TSafetyDelete::NotifyWndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_SHRED_PROGRESS:
        if (OnProgress)
            OnProgress(this, static_cast<uint8_t>(message.WParam & 0xFF), static_cast<uint8_t>(message.LParam & 0xFF));
        break;
    case WM_SHRED_COMPLETED:
        if (OnCompleted)
            OnCompleted(this);
        break;
    default:
        message.Result = DefWindowProcA(NotifyWindow, message.Msg, message.WParam, message.LParam);
        break;
    }
}
