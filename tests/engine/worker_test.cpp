// The worker's own decisions: buffer geometry, volume lookup, buffer alignment.
#include <gtest/gtest.h>

#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "engine/clustersizes.h"
#include "tests/engine/engine_fixture.h"

TEST(Worker, BufferGeometry)
{
    struct TCase {
        int32_t ClusterSize;
        TBufferGeometry Expected;
    };
    const TCase cases[] = {
        {512, {512, 128, 65536}},
        {4096, {4096, 16, 65536}},
        {3000, {3000, 21, 63000}},       // a size that does not divide 64 KiB
        {65536, {65536, 1, 65536}},
        {131072, {131072, 1, 131072}},   // above 64 KiB: one whole cluster per write
        {0, {4096, 16, 65536}},          // geometry unknown: the usual 4 KiB
    };
    for (const TCase& c : cases) {
        const TBufferGeometry g = BufferGeometryFor(c.ClusterSize);
        EXPECT_EQ(g.ClusterSize, c.Expected.ClusterSize) << c.ClusterSize;
        EXPECT_EQ(g.ClustersPerBuffer, c.Expected.ClustersPerBuffer) << c.ClusterSize;
        EXPECT_EQ(g.BufferSize, c.Expected.BufferSize) << c.ClusterSize;
    }
}

// A path that does not begin with a drive letter still finds its own volume.
TEST(Worker, PathWithoutDriveLetter)
{
    TScratchFolder folder;
    const int32_t cluster = ClusterSizeAt(folder.Path());
    const AnsiString file = folder.File("long.bin");
    WriteBytes(file, Filled(100, 0x3C));
    const AnsiString link = MakeHardLink(file);

    TRecordedShred run(sdmZero);
    EXPECT_EQ(run.Shred("\\\\?\\" + file), 0);
    EXPECT_FALSE(FileExists(file));
    EXPECT_EQ(ReadBytes(link), Filled(static_cast<size_t>(cluster), 0x00));
}

// Run without the component: the messages arrive as plain window messages,
// and the buffer the worker writes from is aligned for unbuffered writes.
TEST(Worker, AloneWithPlainMessages)
{
    TScratchFolder folder;
    const AnsiString file = folder.File("alone.bin");
    WriteBytes(file, Filled(150 * 1024, 0x3C));

    TVariruvuDoDErase worker(true);
    int progress = 0, completed = 0;
    uintptr_t misaligned = 0;
    HWND window = AllocateHWnd(TWndMethod::FromFunction([&](TMessage& m) {
        if (m.Msg == WM_SHRED_PROGRESS) {
            ++progress;
            misaligned |= reinterpret_cast<uintptr_t>(worker.Buffer) % 4096;
            EXPECT_LE(m.WParam, 100u);
            EXPECT_LE(m.LParam, 100);
        } else if (m.Msg == WM_SHRED_COMPLETED) {
            ++completed;
        }
    }));
    worker.TargetPath = file;
    worker.NotifyWindow = window;
    worker.Resume();
    while (!worker.GetTerminated()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Application->ProcessMessages();
    }
    worker.WaitFor();
    DeallocateHWnd(window);

    EXPECT_EQ(worker.OpenFailed, 0);
    EXPECT_EQ(worker.PassesDone, 7);
    EXPECT_EQ(worker.TargetPath, ExpandFileName(file));
    EXPECT_EQ(progress, 7 * 3);
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(misaligned, 0u);
    EXPECT_FALSE(FileExists(file));
}

// The run's memory of cluster sizes answers as the volume itself does, per volume.
TEST(Worker, ClusterSizesPerVolumeAsTheVolumesTellThem)
{
    TClusterSizes sizes;
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof windows);
    for (const AnsiString& path : {AnsiString(windows) + "\\win.ini", AnsiString("Z:\\tmp\\x"), AnsiString(windows)}) {
        EXPECT_GT(VolumeClusterSize(path), 0) << path;
        for (int round = 0; round < 2; ++round)
            EXPECT_EQ(sizes.For(path), VolumeClusterSize(path)) << path;
    }
}
