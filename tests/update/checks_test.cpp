// The newer-than test and its measures: checksum, byte sum, size and version.
#include <gtest/gtest.h>

#include "checksum_samples.h"
#include "classlib/SysUtils.h"
#include "tests/support/UnixSide.h"
#include "tests/update/update_fixture.h"
#include "update/NuBase64.h"
#include "update/NuFileChecks.h"
#include "update/nucrc32.h"

namespace {

AnsiString OwnProgram()
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return exe;
}

}  // namespace

TEST(FileMeasures, ChecksumByteSumAndSizeMatchPythonsReckoning)
{
    for (const TChecksumSample& sample : ChecksumSamples) {
        SCOPED_TRACE(sample.Name);
        const AnsiString path = WindowsPathOfUnix(AnsiString(ChecksumFolder) + "/" + sample.Name);
        EXPECT_EQ(FileChecksum(path), sample.Checksum);
        EXPECT_EQ(ByteSum(path), sample.ByteSum);
        EXPECT_EQ(LocalFileSize(path), sample.Size);
    }
    // Python's reckoning agrees with the known example (the standard CRC-32 of "abc" is 0x352441C2).
    EXPECT_EQ(ChecksumSamples[1].Checksum, 1821220161);
}

TEST(FileMeasures, AnUnreadableFileGivesTheStartValues)
{
    TScratch folder("checks");
    const AnsiString missing = folder.File("missing.bin");
    EXPECT_EQ(FileChecksum(missing), 0);
    EXPECT_EQ(ByteSum(missing), -1);
    EXPECT_EQ(LocalFileSize(missing), 0);
}

TEST(FileMeasures, ChecksumStepIsOneReflectedCrcStep)
{
    // The reflected table's entries for 1 and 128, reached from a zero running value.
    EXPECT_EQ(ChecksumStep(1, 0), 0x77073096u);
    EXPECT_EQ(ChecksumStep(128, 0), 0xEDB88320u);
    EXPECT_EQ(ChecksumStep(0, 0x100), 1u);  // the running value moves down by a byte
}

TEST(FileMeasures, VersionOfAProgramAndOfAFileWithoutOne)
{
    int32_t ms = 0, ls = 0;
    GetFileVersion(OwnProgram(), ms, ls);
    EXPECT_EQ(FormatVersion(ms, ls), "2.2.0.9");
    TScratch folder("checks");
    GetFileVersion(folder.Write("plain.txt", "no version here"), ms, ls);
    EXPECT_EQ(ms, -1);
    EXPECT_EQ(ls, -1);
}

TEST(VersionText, ParseVersionTable)
{
    struct TCase {
        const char* Text;
        int32_t MS, LS;
    };
    const TCase cases[] = {
        {"2.2.0.1", 2 << 16 | 2, 0 << 16 | 1},
        {"2.2.0.10", 2 << 16 | 2, 10},
        {"3", 3 << 16, 0},
        {"2.0", 2 << 16, 0},
        {"1.2.3", 1 << 16 | 2, 3 << 16},
        {"1.2.3.x", 1 << 16 | 2, -1},
        {"1.2.3.4.5", 1 << 16 | 2, -1},
        {"1,2,3,4", 1 << 16 | 2, 3 << 16 | 4},
        {"1,2.5,3", 1 << 16 | 2, 3 << 16},  // a comma separates; the dot is part of a number
        {"70000.1.2.3", 4464 << 16 | 1, 2 << 16 | 3},  // each number keeps its low 16 bits
        {"x", -1, -1},
        {"", -1, -1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        int32_t ms = 0, ls = 0;
        ParseVersion(c.Text, ms, ls);
        EXPECT_EQ(ms, c.MS);
        EXPECT_EQ(ls, c.LS);
    }
}

TEST(VersionText, FormatVersionGivesFourUnsignedHalves)
{
    EXPECT_EQ(FormatVersion(2 << 16 | 2, 10), "2.2.0.10");
    EXPECT_EQ(FormatVersion(-1, -1), "65535.65535.65535.65535");
}

TEST(Base64, EncodesAsRfc4648)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foobar", "Zm9vYmFy"},
        {"user:", "dXNlcjo="}, {"\xff\xfe", "//4="},
    };
    for (const auto& [text, encoded] : cases)
        EXPECT_EQ(Base64Encode(text), encoded) << text;
}

// ---- the newer-than test ----

class NewerThan : public ::testing::Test {
protected:
    bool IsNewer(AnsiString version, AnsiString local, int32_t size, int32_t checksum)
    {
        const bool answer = Update.IsNewer(version, local, size, checksum);
        RewrittenVersion = version;
        RewrittenLocal = local;
        return answer;
    }

    TRecordingNetUpdate Update;
    TScratch Folder{"newer"};
    AnsiString RewrittenVersion, RewrittenLocal;
};

TEST_F(NewerThan, VersionsCompareAsNumbersAndTheTextsAreRewritten)
{
    EXPECT_TRUE(IsNewer("2.2.0.10", OwnProgram(), 0, -1));
    EXPECT_EQ(RewrittenVersion, "2.2.0.10");
    EXPECT_EQ(RewrittenLocal, "2.2.0.9");
    EXPECT_FALSE(IsNewer("2.2.0.9", OwnProgram(), 0, -1));
    EXPECT_FALSE(IsNewer("2.2.0.8", OwnProgram(), 0, -1));
    EXPECT_TRUE(IsNewer("2.3", OwnProgram(), 0, -1));
    EXPECT_TRUE(IsNewer("2,2,1,0", OwnProgram(), 0, -1));
    EXPECT_FALSE(IsNewer("1.2.3.x", OwnProgram(), 0, -1));  // an unreadable new version is never newer
    const TStatusReport* compare = Update.Find(944);
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(compare->Text,
              "Version check : Version compare of " + OwnProgram() + ":2.2.0.9 with 2.2.0.10:2.2.0.10");
    EXPECT_EQ(compare->StatusCode, 3);
}

TEST_F(NewerThan, ChecksumDecidesByTheKindThatUseCrc32Picks)
{
    const AnsiString abc = Folder.Write("abc.txt", "abc");
    Update.SetUseCRC32(true);
    EXPECT_FALSE(IsNewer("", abc, 0, 1821220161));
    EXPECT_TRUE(IsNewer("", abc, 0, 293));
    EXPECT_FALSE(IsNewer("", Folder.Write("empty.txt", ""), 0, 0));
    Update.SetUseCRC32(false);
    EXPECT_FALSE(IsNewer("", abc, 0, 293));
    EXPECT_TRUE(IsNewer("", abc, 0, 1821220161));
    ASSERT_NE(Update.Find(944), nullptr);
    EXPECT_EQ(Update.Find(944)->Text, "Version check : Checksum compare of " + abc + ":1821220161:1821220161");
}

TEST_F(NewerThan, SizeAndMissingFilesFollowTheVersionCheckSetting)
{
    const AnsiString abc = Folder.Write("abc.txt", "abc");
    const AnsiString missing = Folder.File("missing.exe");
    EXPECT_FALSE(IsNewer("", abc, 3, -1));
    EXPECT_TRUE(IsNewer("", abc, 4, -1));
    // Nothing to compare with: newer.
    EXPECT_TRUE(IsNewer("", abc, 0, -1));
    Update.SetVersionCheck(vcUpdateOnly);
    EXPECT_FALSE(IsNewer("", missing, 1000, -1));
    EXPECT_TRUE(IsNewer("2.0", "", 0, -1));
    EXPECT_FALSE(IsNewer("2.0", abc, 0, -1));  // no version information: only vcAlways updates it
    Update.SetVersionCheck(vcAlways);
    Update.Reports.clear();
    EXPECT_TRUE(IsNewer("", missing, 1000, -1));
    EXPECT_TRUE(IsNewer("2.0", missing, 0, -1));
    EXPECT_TRUE(Update.Reports.empty());  // decided without any measure
    EXPECT_TRUE(IsNewer("2.0", abc, 0, -1));
}
