// TSafetyDelete as the main window sees it: progress, stops, failures, method and Canceled.
#include <gtest/gtest.h>

#include "classlib/SysUtils.h"
#include "tests/engine/engine_fixture.h"

namespace {

class Component : public testing::Test {
protected:
    void SetUp() override
    {
        // The expected write counts below are those of 4 KiB clusters, 16 to a buffer.
        if (ClusterSizeAt(Folder.Path()) != 4096)
            GTEST_SKIP() << "the scratch volume does not have 4 KiB clusters";
    }

    AnsiString NewFile(const AnsiString& name, size_t size, uint8_t value = 0x3C)
    {
        AnsiString file = Folder.File(name);
        WriteBytes(file, Filled(size, value));
        return file;
    }

    TScratchFolder Folder;
};

struct TProgressCase {
    const char* Name;
    TVariruvuMethod Method;
    size_t Size;
    std::vector<TProgress> Expected;
};

}  // namespace

// One progress event after every write, and one at the end of each pass.
TEST_F(Component, ProgressOfEachWrite)
{
    const std::vector<TProgressCase> cases = {
        {"one byte", sdmZero, 1, {{100, 100}}},
        {"empty file", sdmZero, 0, {{100, 100}}},
        {"200 KiB: 64+64+64+8 KiB", sdmZero, 200 * 1024, {{32, 32}, {64, 64}, {96, 96}, {100, 100}}},
        {"128 KiB: the last buffer is the tail write", sdmZero, 128 * 1024, {{50, 50}, {100, 100}}},
        {"one byte, seven passes", sdmDoD, 1, {{14, 100}, {28, 100}, {42, 100}, {57, 100}, {71, 100}, {85, 100}, {100, 100}}},
        {"empty file, seven passes", sdmDoD, 0, {{14, 100}, {28, 100}, {42, 100}, {57, 100}, {71, 100}, {85, 100}, {100, 100}}},
    };
    for (const auto& c : cases) {
        const AnsiString file = NewFile("progress.bin", c.Size);
        TRecordedShred run(c.Method);
        EXPECT_EQ(run.Shred(file), 0) << c.Name;
        EXPECT_EQ(run.Progress(), c.Expected) << c.Name;
        EXPECT_EQ(run.Completions(), 1) << c.Name;
        EXPECT_FALSE(FileExists(file)) << c.Name;
    }
}

// Over 35 passes of several writes each, both percentages stay within 0..100,
// the overall one never goes back, and the last event reads 100 and 100.
TEST_F(Component, GutmannProgressStaysInRange)
{
    const AnsiString file = NewFile("gutmann.bin", 200 * 1024 + 5);
    TRecordedShred run(sdmGutmann);
    ASSERT_EQ(run.Shred(file), 0);
    ASSERT_EQ(run.Progress().size(), 35u * 4u);
    uint8_t last = 0;
    for (const TProgress& p : run.Progress()) {
        EXPECT_LE(p.PassCount, 100);
        EXPECT_LE(p.PercentWritten, 100);
        EXPECT_GE(p.PassCount, last);
        last = p.PassCount;
    }
    EXPECT_EQ(run.Progress().back(), (TProgress{100, 100}));
    EXPECT_EQ(run.Completions(), 1);
}

// A stop during the third pass of seven: the pass ends before its next write,
// no later pass writes, the file is deleted all the same, and the call succeeds.
TEST_F(Component, StopDuringThirdDoDPass)
{
    const size_t size = 200 * 1024;
    const AnsiString file = NewFile("stop.bin", size);
    const AnsiString link = MakeHardLink(file);

    TRecordedShred run(sdmDoD);
    run.StopAtProgress(4 + 4 + 2);  // the second write of pass 3
    EXPECT_EQ(run.Shred(file), 0);
    EXPECT_TRUE(run.Component().GetCanceled());
    EXPECT_EQ(run.Completions(), 1);
    EXPECT_FALSE(FileExists(file));

    // The stopped pass reports its last values once more, then nothing follows.
    ASSERT_EQ(run.Progress().size(), 11u);
    EXPECT_EQ(run.Progress()[10], run.Progress()[9]);

    // Pass 3 (zeros) got as far as 128 KiB over pass 2 (0xFF).
    Bytes expected = Filled(size, 0xFF);
    std::fill(expected.begin(), expected.begin() + 128 * 1024, 0x00);
    EXPECT_EQ(ReadBytes(link), expected);
}

// A stop from the first progress event of a one-pass run leaves the rest unwritten.
TEST_F(Component, StopEndsThePassBeforeItsNextWrite)
{
    const size_t size = 200 * 1024;
    const AnsiString file = NewFile("first.bin", size);
    const AnsiString link = MakeHardLink(file);

    TRecordedShred run(sdmZero);
    run.StopAtProgress(1);
    EXPECT_EQ(run.Shred(file), 0);
    Bytes expected = Filled(size, 0x3C);
    std::fill(expected.begin(), expected.begin() + 64 * 1024, 0x00);
    EXPECT_EQ(ReadBytes(link), expected);
    EXPECT_FALSE(FileExists(file));
}

// Nothing to open: result 1 and no event at all.
TEST_F(Component, MissingPathAndFolderGiveOneWithoutEvents)
{
    const AnsiString missing = Folder.File("missing.bin");
    const AnsiString subfolder = Folder.File("sub");
    CreateDirectoryA(subfolder.c_str(), nullptr);

    for (const AnsiString& path : {missing, subfolder}) {
        TRecordedShred run(sdmDoD);
        EXPECT_EQ(run.Shred(path), 1) << path;
        EXPECT_TRUE(run.Progress().empty()) << path;
        EXPECT_EQ(run.Completions(), 0) << path;
    }
    EXPECT_TRUE(DirectoryExists(subfolder));
}

// A file that cannot be opened for writing: result 1, its completion, and the file untouched.
TEST_F(Component, UnopenableFileStaysAsItWas)
{
    const Bytes content = Filled(10000, 0x3C);

    const AnsiString busy = NewFile("busy.bin", content.size());
    HANDLE other = CreateFileA(busy.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);

    const AnsiString readOnly = NewFile("readonly.bin", content.size());
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));

    for (const AnsiString& path : {busy, readOnly}) {
        TRecordedShred run(sdmGutmann);
        EXPECT_EQ(run.Shred(path), 1) << path;
        EXPECT_TRUE(run.Progress().empty()) << path;
        EXPECT_EQ(run.Completions(), 1) << path;
    }
    CloseHandle(other);
    EXPECT_EQ(ReadBytes(busy), content);
    EXPECT_EQ(ReadBytes(readOnly), content);
    EXPECT_EQ(GetFileAttributesA(readOnly.c_str()) & FILE_ATTRIBUTE_READONLY, DWORD(FILE_ATTRIBUTE_READONLY));
}

TEST_F(Component, CanceledFollowsCancelSelectMethodAndShredFile)
{
    TSafetyDelete sd(nullptr);
    EXPECT_EQ(sd.GetMethod(), sdmZero);
    EXPECT_FALSE(sd.GetCanceled());

    sd.Cancel();  // nothing running: only the flag
    EXPECT_TRUE(sd.GetCanceled());
    sd.SetMethod(sdmGutmann);
    EXPECT_TRUE(sd.GetCanceled()) << "writing Method keeps Canceled";
    EXPECT_EQ(sd.GetMethod(), sdmGutmann);
    sd.SelectMethod(sdmDoD);
    EXPECT_FALSE(sd.GetCanceled()) << "SelectMethod clears Canceled";
    EXPECT_EQ(sd.GetMethod(), sdmDoD);

    sd.Cancel();
    EXPECT_EQ(sd.ShredFile(Folder.File("missing.bin")), 1);
    EXPECT_FALSE(sd.GetCanceled()) << "every ShredFile starts afresh";
}

// The events run on the calling thread, inside ShredFile.
TEST_F(Component, EventsRunOnTheCallingThread)
{
    const AnsiString file = NewFile("thread.bin", 300 * 1024);
    TSafetyDelete sd(nullptr);
    const DWORD caller = GetCurrentThreadId();
    int progress = 0, completed = 0;
    sd.SetOnProgress(TVariruvuProgressEvent::FromFunction([&](TObject*, uint8_t, uint8_t) {
        EXPECT_EQ(GetCurrentThreadId(), caller);
        ++progress;
    }));
    sd.SetOnCompleted(TNotifyEvent::FromFunction([&](TObject*) {
        EXPECT_EQ(GetCurrentThreadId(), caller);
        ++completed;
    }));
    EXPECT_EQ(sd.ShredFile(file), 0);
    EXPECT_EQ(progress, 5);
    EXPECT_EQ(completed, 1);
}

// A handler that runs a modal loop of its own inside ShredFile (a confirmation
// box, say) still gets the progress events, and they stay in order.
TEST_F(Component, ProgressReachesANestedMessageLoop)
{
    const AnsiString file = NewFile("nested.bin", 2 * 1024 * 1024);
    TRecordedShred run(sdmZero);
    size_t duringNestedLoop = 0;
    HWND window = AllocateHWnd(TWndMethod::FromFunction([&](TMessage& m) {
        if (m.Msg != WM_APP + 1)
            return;
        const size_t before = run.Progress().size();
        const DWORD until = GetTickCount() + 300;
        while (GetTickCount() < until && run.Progress().size() < 32) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
        duringNestedLoop = run.Progress().size() - before;
    }));
    PostMessageA(window, WM_APP + 1, 0, 0);
    EXPECT_EQ(run.Shred(file), 0);
    DeallocateHWnd(window);

    EXPECT_GT(duringNestedLoop, 0u);
    ASSERT_EQ(run.Progress().size(), 32u);
    for (size_t i = 0; i < 32; ++i)
        EXPECT_EQ(run.Progress()[i].PercentWritten, (i + 1) * 100 / 32) << i;
    EXPECT_EQ(run.Completions(), 1);
}
