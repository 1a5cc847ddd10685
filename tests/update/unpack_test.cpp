#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "classlib/Win.h"
#include "tests/support/OutsideTools.h"
#include "tests/support/ScratchFolder.h"
#include "tests/update/unpack_fixture.h"
#include "unpack_fixtures.h"
#include "update/cabfdi.h"

namespace {

// Extracts into `target` (a folder with a trailing backslash), either by
// naming it or, with an empty destination, as the current directory.
int ExtractInto(const char* cab, const AnsiString& target, bool asCurrentDirectory)
{
    if (!asCurrentDirectory)
        return ExtractCab(cab, target);
    TCurrentDirectory current(target);
    return ExtractCab(cab, "");
}

const char* ModeName(bool asCurrentDirectory) { return asCurrentDirectory ? "stored paths" : "destination"; }

AnsiString TimeText(const SYSTEMTIME& t)
{
    char text[32];
    wsprintfA(text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return text;
}

SYSTEMTIME StoredTime(const TCabEntry& entry)
{
    SYSTEMTIME t{};
    t.wYear = WORD(entry.Year);
    t.wMonth = WORD(entry.Month);
    t.wDay = WORD(entry.Day);
    t.wHour = WORD(entry.Hour);
    t.wMinute = WORD(entry.Minute);
    t.wSecond = WORD(entry.Second);
    return t;
}

FILETIME LastWriteTime(const AnsiString& path)
{
    FILETIME written{};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        GetFileTime(file, nullptr, nullptr, &written);
        CloseHandle(file);
    }
    return written;
}

AnsiString UtcText(const FILETIME& time)
{
    SYSTEMTIME t{};
    FileTimeToSystemTime(&time, &t);
    return TimeText(t);
}

TEST(ExtractCab, RebuildsTheTreeWithItsSubFoldersByteForByte)
{
    std::vector<AnsiString> names;
    for (const TCabEntry& entry : CabEntries)
        names.push_back(entry.Name);
    std::sort(names.begin(), names.end());
    for (const char* cab : {StoredCab, MszipCab})
        for (bool asCurrentDirectory : {false, true}) {
            SCOPED_TRACE(AnsiString(cab) + ", " + ModeName(asCurrentDirectory));
            TUnpackFolder folder;
            const AnsiString target = folder.Folder("out");
            ASSERT_EQ(ExtractInto(cab, target, asCurrentDirectory), 0);
            EXPECT_EQ(FilesBelow(target), names);
            EXPECT_EQ(FilesBelow(folder.Path()).size(), names.size());
            for (const TCabEntry& entry : CabEntries) {
                const AnsiString original = ReadFileBytes(entry.Source);
                ASSERT_FALSE(original.empty());
                EXPECT_TRUE(ReadFileBytes(target + entry.Name) == original) << entry.Name;
            }
        }
}

TEST(ExtractCab, GivesEachFileItsStoredTimeReadAsLocalTime)
{
    TUnpackFolder folder;
    const AnsiString target = folder.Folder("out");
    ASSERT_EQ(ExtractCab(MszipCab, target), 0);
    for (const TCabEntry& entry : CabEntries) {
        const FILETIME utc = LastWriteTime(target + entry.Name);
        FILETIME local{};
        FileTimeToLocalFileTime(&utc, &local);
        EXPECT_EQ(UtcText(local), TimeText(StoredTime(entry))) << entry.Name;
    }
}

// Wine takes a process's time zone from the TZ it starts with: a copy of this
// program extracts in Tokyo (nine hours ahead, no summer time) and reports
// the UTC times it wrote.
const char* const TokyoReportVariable = "VARIRUVU_UNPACK_TOKYO_REPORT";

TEST(ExtractCab, StoredTimesAreLocalTimesOfTheExtractingMachine)
{
    TUnpackFolder folder;
    const AnsiString report = folder["tokyo.txt"];
    ASSERT_TRUE(RunSelfFromHost("UnpackChild.*", {"TZ=Asia/Tokyo", AnsiString(TokyoReportVariable) + "=" + report}, report));
    std::ifstream in(report);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), std::size(CabEntries)) << (lines.empty() ? "" : lines[0]);
    for (size_t i = 0; i < lines.size(); ++i) {
        const SYSTEMTIME stored = StoredTime(CabEntries[i]);
        FILETIME asUtc{};
        SystemTimeToFileTime(&stored, &asUtc);
        ULARGE_INTEGER value{{asUtc.dwLowDateTime, asUtc.dwHighDateTime}};
        value.QuadPart -= 9ull * 3600 * 10000000;
        const FILETIME expected{value.LowPart, value.HighPart};
        EXPECT_EQ(lines[i], AnsiString(CabEntries[i].Name) + " " + UtcText(expected));
    }
}

// Runs only in the copy started above.
TEST(UnpackChild, ExtractsInTokyo)
{
    const char* reportFile = std::getenv(TokyoReportVariable);
    if (!reportFile)
        GTEST_SKIP() << "started by ExtractCab.StoredTimesAreLocalTimesOfTheExtractingMachine";
    TIME_ZONE_INFORMATION zone{};
    GetTimeZoneInformation(&zone);
    AnsiString text;
    TUnpackFolder folder;
    const AnsiString target = folder.Folder("out");
    if (zone.Bias != -540)
        text = "time zone bias " + std::to_string(zone.Bias) + ", not Tokyo's\n";
    else if (ExtractCab(StoredCab, target) != 0)
        text = "extraction failed\n";
    else
        for (const TCabEntry& entry : CabEntries)
            text += AnsiString(entry.Name) + " " + UtcText(LastWriteTime(target + entry.Name)) + "\n";
    const AnsiString partial = AnsiString(reportFile) + ".part";
    ASSERT_TRUE(WriteFileBytes(partial, text));
    ASSERT_TRUE(MoveFileA(partial.c_str(), reportFile));
}

// Where an entry's name would lead if it were joined as it stands.
std::vector<AnsiString> PlacesOfName(const AnsiString& name, const AnsiString& target)
{
    const AnsiString file = ExtractFileName(name);
    return {ExpandFileName(target + name), ExpandFileName(name), "C:\\" + file, "Z:\\" + file};
}

TEST(ExtractCab, RefusesEveryEntryThatWouldLeaveTheDestination)
{
    for (const TEscapeCab& escape : EscapeCabs)
        for (bool asCurrentDirectory : {false, true}) {
            SCOPED_TRACE(AnsiString(escape.Name) + ", " + ModeName(asCurrentDirectory));
            TUnpackFolder folder;
            const AnsiString target = folder.Folder("run\\out");
            std::vector<AnsiString> places;
            int answer;
            {
                // The name's places depend on the current directory of the extraction.
                TCurrentDirectory current(target);
                places = PlacesOfName(escape.Name, target);
                answer = asCurrentDirectory ? ExtractCab(escape.Cab, "") : ExtractCab(escape.Cab, target);
            }
            EXPECT_EQ(answer, -1);
            // The entry before stays, as with any failure; nothing after it is written.
            EXPECT_EQ(FilesBelow(folder.Path()), std::vector<AnsiString>{"run\\out\\first.txt"});
            for (const AnsiString& place : places) {
                EXPECT_FALSE(FileExists(place)) << place;
                DeleteFileA(place.c_str());
            }
        }
}

TEST(ExtractCab, ExtractsNamesThatOnlyLookOdd)
{
    TUnpackFolder folder;
    const AnsiString target = folder.Folder("out");
    ASSERT_EQ(ExtractCab(InsideCab, target), 0);
    std::vector<AnsiString> names;
    for (const TInsideEntry& entry : InsideEntries) {
        const AnsiString file = ExpandFileName(target + entry.Name);
        EXPECT_EQ(ReadFileBytes(file), entry.Bytes) << entry.Name;
        names.push_back(file.substr(target.size()));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(FilesBelow(target), names);
}

TEST(ExtractCab, AnswersMinusOneForWhatIsNoWholeCabinet)
{
    TUnpackFolder folder;
    const AnsiString missing = folder["missing.cab"];
    for (const char* cab : {missing.c_str(), NotACab, CutCab}) {
        SCOPED_TRACE(cab);
        const AnsiString target = folder.Folder(ExtractFileName(cab) + ".out");
        EXPECT_EQ(ExtractCab(cab, target), -1);
        if (cab != CutCab) {
            EXPECT_TRUE(FilesBelow(target).empty());
        }
    }
}

TEST(ExpandLzFile, ExpandsNextToItselfUnderTheRecordedNameByteForByte)
{
    for (const TSzddFile& szdd : SzddFiles) {
        SCOPED_TRACE(szdd.ExpandedName);
        TUnpackFolder folder;
        const AnsiString packed = folder[ExtractFileName(szdd.Packed)];
        ASSERT_TRUE(CopyFileA(szdd.Packed, packed.c_str(), FALSE));
        ExpandLzFile(packed);
        EXPECT_EQ(FilesBelow(folder.Path()), std::vector<AnsiString>{szdd.ExpandedName});
        EXPECT_TRUE(ReadFileBytes(folder[szdd.ExpandedName]) == ReadFileBytes(szdd.Original));
    }
}

// The download is deleted, as after any failed expansion; a second link to
// the same file shows that its content was never cut or overwritten on the way.
TEST(ExpandLzFile, ExpandsNothingAndCutsNothingWhenTheFileCannotBeExpanded)
{
    const struct {
        const char* Name;
        AnsiString Bytes;
    } cases[] = {
        {"notes.tx_", "Plain text, not packed.\r\n"},
        {"notes.txt", "Plain text under a name that would expand to itself.\r\n"},
        {"selfnamed.txt", ReadFileBytes(SzddSelfNamed)},
        {"cut.tx_", ReadFileBytes(SzddCut)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_FALSE(c.Bytes.empty());
        TUnpackFolder folder;
        const AnsiString file = folder[c.Name], witness = folder["witness"];
        ASSERT_TRUE(WriteFileBytes(file, c.Bytes));
        ASSERT_TRUE(CreateHardLinkA(witness.c_str(), file.c_str(), nullptr));
        ExpandLzFile(file);
        EXPECT_EQ(FilesBelow(folder.Path()), std::vector<AnsiString>{"witness"});
        EXPECT_TRUE(ReadFileBytes(witness) == c.Bytes);
    }
}

}  // namespace
