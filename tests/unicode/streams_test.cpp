// File and resource streams by wide name, and byte-order-mark detection.
#include <gtest/gtest.h>

#include "tests/unicode/unicode_fixture.h"
#include "tests/unicode/unicode_resources.h"
#include "unicode/UniClasses.h"
#include "unicode/UniSysUtils.h"

namespace {

AnsiString ReadAll(TStream& stream)
{
    AnsiString bytes(size_t(stream.GetSize() - stream.GetPosition()), '\0');
    stream.ReadBuffer(bytes.data(), int32_t(bytes.size()));
    return bytes;
}

template <class E>
WideString MessageOf(const WideString& fileName, uint16_t mode)
{
    try {
        TUniFileStream stream(fileName, mode);
    } catch (const E& e) {
        return e.GetMessage();
    }
    return L"<no error>";
}

}  // namespace

using FileStreams = TPlatformTest;

TEST_P(FileStreams, CreateWritesAndEmptiesAnExistingFile)
{
    TScratchFolder folder;
    WideString path = folder.File(Name(L"\u017Dlu\u0165ou\u010Dk\u00FD \u0444\u0430\u0439\u043B.bin"));
    WriteFileBytes(path, "old and longer contents");
    {
        TUniFileStream stream(path, fmCreate);
        EXPECT_EQ(stream.GetSize(), 0);
        stream.WriteBuffer("new", 3);
        stream.SetPosition(0);
        EXPECT_EQ(ReadAll(stream), "new");
        TTestHandle other(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
        EXPECT_FALSE(other.Valid());
    }
    EXPECT_EQ(ReadFileBytes(path), "new");
}

TEST_P(FileStreams, OpenModesGiveTheirAccessAndSharing)
{
    TScratchFolder folder;
    WideString path = folder.File(Name(L"re\u017Eim.bin"));
    WriteFileBytes(path, "data");
    struct {
        uint16_t Mode;
        bool Read, Write, OthersRead, OthersWrite;
    } modes[] = {
        {fmOpenRead | fmShareCompat, true, false, false, false},
        {fmOpenRead | fmShareDenyWrite, true, false, true, false},
        {fmOpenWrite | fmShareDenyRead, false, true, false, true},
        {fmOpenReadWrite | fmShareExclusive, true, true, false, false},
        {fmOpenReadWrite | fmShareDenyNone, true, true, true, true},
    };
    for (const auto& m : modes) {
        SCOPED_TRACE(m.Mode);
        TUniFileStream stream(path, m.Mode);
        char byte;
        EXPECT_EQ(stream.Read(&byte, 1), m.Read ? 1 : 0);
        EXPECT_EQ(stream.Write("D", 1), m.Write ? 1 : 0);
        TTestHandle reader(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
        EXPECT_EQ(reader.Valid(), m.OthersRead);
        TTestHandle writer(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
        EXPECT_EQ(writer.Valid(), m.OthersWrite);
    }
}

TEST_P(FileStreams, FailuresNameTheFullPathAndTheSystemsReason)
{
    TScratchFolder folder;
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(folder.Path().c_str());
    WideString missing = Name(L"chyb\u00ED.txt");
    EXPECT_EQ(MessageOf<EFOpenError>(missing, fmOpenRead | fmShareDenyWrite),
              L"Cannot open file \"" + folder.File(missing) + L"\". " + SysErrorMessageW(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(MessageOf<EFOpenError>(L"none\\x.txt", fmOpenRead),
              L"Cannot open file \"" + folder.File(L"none\\x.txt") + L"\". " + SysErrorMessageW(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(MessageOf<EFCreateError>(L"none\\x.txt", fmCreate),
              L"Cannot create file \"" + folder.File(L"none\\x.txt") + L"\". " +
                  SysErrorMessageW(ERROR_PATH_NOT_FOUND));
    {
        TUniFileStream locked(L"locked.bin", fmCreate);
        EXPECT_EQ(MessageOf<EFCreateError>(L"locked.bin", fmCreate),
                  L"Cannot create file \"" + folder.File(L"locked.bin") + L"\". " +
                      SysErrorMessageW(ERROR_SHARING_VIOLATION));
    }
    SetCurrentDirectoryW(previous);
}

TEST_P(FileStreams, PositionsPastFourGiBOnASparseFile)
{
    TScratchFolder folder;
    const int64_t farPosition = (int64_t(5) << 30) + 7;
    {
        TUniFileStream stream(folder.File(L"sparse.bin"), fmCreate);
        EXPECT_EQ(stream.Seek(farPosition, soBeginning), farPosition);
        stream.WriteBuffer("end", 3);
        EXPECT_EQ(stream.GetPosition(), farPosition + 3);
        EXPECT_EQ(stream.GetSize(), farPosition + 3);
    }
    TUniFileStream stream(folder.File(L"sparse.bin"), fmOpenRead);
    EXPECT_EQ(stream.GetSize(), farPosition + 3);
    EXPECT_EQ(stream.Seek(-3, soEnd), farPosition);
    EXPECT_EQ(ReadAll(stream), "end");
}

INSTANTIATE_PLATFORMS(FileStreams);

TEST(ResourceStreams, ByNameAndByNumber)
{
    HINSTANCE self = GetModuleHandleW(nullptr);
    TUniResourceStream named(self, L"TESTDATA", MAKEINTRESOURCEW(10));
    EXPECT_EQ(ReadAll(named), "named resource");
    auto numbered = TUniResourceStream::OpenByNumber(self, IDR_TEST_NUMBERED, MAKEINTRESOURCEW(10));
    EXPECT_EQ(ReadAll(*numbered), "numbered");
    TUniResourceStream wide(self, L"WIDEDATA", MAKEINTRESOURCEW(10));
    EXPECT_EQ(wide.GetSize(), 10);
    EXPECT_EQ(DetectStreamCharSet(&wide), Utf16LE);
    EXPECT_EQ(ReadAll(wide), AnsiString("w\0i\0d\0e\0", 8));
}

TEST(ResourceStreams, MissingResourcesAndWrites)
{
    HINSTANCE self = GetModuleHandleW(nullptr);
    try {
        TUniResourceStream stream(self, L"NOPE", MAKEINTRESOURCEW(10));
        ADD_FAILURE() << "no error";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.GetMessage(), L"Resource NOPE not found");
    }
    try {
        TUniResourceStream::OpenByNumber(self, IDR_TEST_MISSING, MAKEINTRESOURCEW(10));
        ADD_FAILURE() << "no error";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.GetMessage(), L"Resource 301 not found");
    }
    TUniResourceStream stream(self, L"TESTDATA", MAKEINTRESOURCEW(10));
    try {
        stream.Write("x", 1);
        ADD_FAILURE() << "no error";
    } catch (const EStreamError& e) {
        EXPECT_EQ(e.GetMessage(), L"Can't write to a read-only resource stream");
    }
    EXPECT_EQ(ReadAll(stream), "named resource");
}

TEST(DetectStreamCharSet, MarksAndThePositionLeftBehind)
{
    struct {
        const char* Bytes;
        size_t Length;
        int64_t Start;
        TStreamCharSet Expected;
        int64_t Position;
    } cases[] = {
        {"\xFF\xFE", 2, 0, Utf16LE, 2},
        {"\xFF\xFE\x41\x00", 4, 0, Utf16LE, 2},
        {"\xFE\xFF", 2, 0, Utf16BE, 2},
        {"\xFE\xFF\x00\x41", 4, 0, Utf16BE, 2},
        {"\xEF\xBB\xBF\x41", 4, 0, Utf8, 3},
        {"\xEF\xBB\xBF", 3, 0, Utf8, 3},
        {"\xEF\xBB\x41", 3, 0, AnsiText, 0},
        {"\xEF\xBB", 2, 0, AnsiText, 0},
        {"AB", 2, 0, AnsiText, 0},
        {"A", 1, 0, AnsiText, 0},
        {"", 0, 0, AnsiText, 0},
        {"0123456789\xEF\xBB\xBF", 13, 10, Utf8, 13},
        {"0123456789\xFE\xFF", 12, 10, Utf16BE, 12},
        {"\xFF\xFE" "0123456789", 12, 10, AnsiText, 10},
        {"\xFF\xFE\x41", 3, 1, AnsiText, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(AnsiString(c.Bytes, c.Length)) + " from " + std::to_string(c.Start));
        TMemoryStream stream;
        stream.WriteBuffer(c.Bytes, int32_t(c.Length));
        stream.SetPosition(c.Start);
        EXPECT_EQ(DetectStreamCharSet(&stream), c.Expected);
        EXPECT_EQ(stream.GetPosition(), c.Position);
    }
}
