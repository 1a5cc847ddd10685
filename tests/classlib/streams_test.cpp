#include <gtest/gtest.h>

#include "classlib_fixture.h"

TEST(Streams, MemoryStreamReadsWritesSeeksAndRaisesAtTheEnd)
{
    TMemoryStream s;
    s.WriteBuffer("hello world", 11);
    EXPECT_EQ(s.GetSize(), 11);
    EXPECT_EQ(s.GetPosition(), 11);
    s.SetPosition(6);
    s.WriteBuffer("WORLD!", 6);
    EXPECT_EQ(StreamBytes(s), "hello WORLD!");
    EXPECT_EQ(s.Seek(-3, soEnd), 9);
    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, 8), 3);
    EXPECT_EQ(AnsiString(buf, 3), "LD!");
    EXPECT_EQ(s.Read(buf, 8), 0);
    s.SetPosition(10);
    EXPECT_THROW(s.ReadBuffer(buf, 3), EReadError);
    s.SetSize(5);
    EXPECT_EQ(s.GetPosition(), 5);
    EXPECT_EQ(StreamBytes(s), "hello");
    // Positions beyond 4 GiB are 64-bit.
    EXPECT_EQ(s.Seek(int64_t(5) << 32, soBeginning), int64_t(5) << 32);

    TMemoryStream copy;
    copy.WriteBuffer("[", 1);
    EXPECT_EQ(copy.CopyFrom(&s, 0), 5);
    s.SetPosition(1);
    copy.CopyFrom(&s, 3);
    EXPECT_EQ(StreamBytes(copy), "[helloell");
    EXPECT_THROW(copy.CopyFrom(&s, 5), EReadError);
}

TEST(Streams, FileStreamHonoursTheOpenAndShareModes)
{
    TScratchFolder dir;
    AnsiString path = dir.File("data.bin");
    {
        TFileStream f(path, fmCreate);
        f.WriteBuffer("0123456789", 10);
        f.SetSize(4);
    }
    EXPECT_EQ(ReadFileBytes(path), "0123");
    {
        TFileStream reader(path, fmOpenRead | fmShareDenyWrite);
        EXPECT_THROW(TFileStream(path, fmOpenWrite | fmShareDenyNone), EFOpenError);
        TFileStream second(path, fmOpenRead | fmShareDenyWrite);
        EXPECT_THROW(reader.WriteBuffer("x", 1), EWriteError);
    }
    {
        TFileStream rw(path, fmOpenReadWrite | fmShareExclusive);
        EXPECT_THROW(TFileStream(path, fmOpenRead | fmShareDenyNone), EFOpenError);
        rw.Seek(0, soEnd);
        rw.WriteBuffer("45", 2);
    }
    EXPECT_EQ(ReadFileBytes(path), "012345");
    {
        TFileStream again(path, fmCreate);  // creating empties an existing file
    }
    EXPECT_EQ(ReadFileBytes(path), "");

    AnsiString missing = dir.File("missing.bin");
    try {
        TFileStream f(missing, fmOpenRead | fmShareDenyWrite);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.GetMessage(), L"Cannot open file \"" + AnsiToWide(ExpandFileName(missing)) + L"\". " +
                                      SysErrorMessage(ERROR_FILE_NOT_FOUND));
    }
    EXPECT_THROW(TFileStream(dir.File("no\\such\\folder.bin"), fmCreate), EFCreateError);
}

TEST(Streams, ResourceStreamIsReadOnlyAndNamesAMissingResource)
{
    TResourceStream form(GetModuleHandleA(nullptr), "TTESTFORM", RT_RCDATA);
    char signature[4];
    form.ReadBuffer(signature, 4);
    EXPECT_EQ(AnsiString(signature, 4), "VRF0");
    try {
        form.Write("x", 1);
        FAIL();
    } catch (const EStreamError& e) {
        EXPECT_STREQ(e.what(), "Can't write to a read-only resource stream");
    }
    try {
        TResourceStream none(GetModuleHandleA(nullptr), "NO_SUCH_THING", RT_RCDATA);
        FAIL();
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource NO_SUCH_THING not found");
    }
    EXPECT_THROW(TResourceStream(GetModuleHandleA(nullptr), 999, RT_RCDATA), EResNotFound);
}
