// What each pass leaves on the disk, read back through a second name of the file.
#include <gtest/gtest.h>

#include <set>

#include "classlib/SysUtils.h"
#include "tests/engine/engine_fixture.h"

namespace {

// What one pass writes: a byte, three bytes repeated, or random bytes.
struct TExpectedPass {
    enum { Byte, Triplet, Random } Kind;
    uint8_t B0, B1, B2;
};

constexpr TExpectedPass R{TExpectedPass::Random, 0, 0, 0};
constexpr TExpectedPass B(uint8_t b) { return {TExpectedPass::Byte, b, 0, 0}; }
constexpr TExpectedPass T(uint8_t b0, uint8_t b1, uint8_t b2) { return {TExpectedPass::Triplet, b0, b1, b2}; }

const std::vector<TExpectedPass> ZeroPasses = {B(0x00)};
const std::vector<TExpectedPass> DoDPasses = {B(0x00), B(0xFF), B(0x00), B(0xFF), B(0x00), B(0xFF), R};
const std::vector<TExpectedPass> GutmannPasses = {
    R, R, R, R, B(0x55), B(0xAA),
    T(0x92, 0x49, 0x24), T(0x49, 0x24, 0x92), T(0x24, 0x92, 0x49),
    B(0x00), B(0x11), B(0x22), B(0x33), B(0x44), B(0x55), B(0x66), B(0x77),
    B(0x88), B(0x99), B(0xAA), B(0xBB), B(0xCC), B(0xDD), B(0xEE), B(0xFF),
    T(0x92, 0x49, 0x24), T(0x49, 0x24, 0x92), T(0x24, 0x92, 0x49),
    T(0x6D, 0xB6, 0xDB), T(0xB6, 0xDB, 0x6D), T(0xDB, 0x6D, 0xB6),
    R, R, R, R,
};

const std::vector<TExpectedPass>& PassesOf(TVariruvuMethod method)
{
    switch (method) {
    case sdmDoD:
        return DoDPasses;
    case sdmGutmann:
        return GutmannPasses;
    default:
        return ZeroPasses;
    }
}

// The original content: a byte no pass writes on its own.
constexpr uint8_t Original = 0x3C;

void ExpectPassContent(const Bytes& data, const TExpectedPass& pass, const std::string& what)
{
    ASSERT_FALSE(data.empty()) << what;
    switch (pass.Kind) {
    case TExpectedPass::Byte:
        EXPECT_EQ(data, Filled(data.size(), pass.B0)) << what;
        break;
    case TExpectedPass::Triplet: {
        const uint8_t pattern[3] = {pass.B0, pass.B1, pass.B2};
        size_t wrong = 0;
        for (size_t i = 0; i < data.size(); ++i)
            wrong += data[i] != pattern[i % 3];
        EXPECT_EQ(wrong, 0u) << what;
        break;
    }
    case TExpectedPass::Random: {
        std::set<uint8_t> values(data.begin(), data.end());
        EXPECT_EQ(values.count(0xFF), 0u) << what << ": a random pass never writes 0xFF";
        EXPECT_GT(values.size(), 200u) << what << ": random bytes take (nearly) every value of 0..254";
        break;
    }
    }
}

class PassContent : public testing::TestWithParam<TVariruvuMethod> {};

}  // namespace

// Stopping the run from the progress event that follows the only write of
// pass k shows exactly what pass k wrote over both clusters of a small file.
TEST_P(PassContent, EveryPassInOrder)
{
    TScratchFolder folder;
    const int32_t cluster = ClusterSizeAt(folder.Path());
    const size_t size = static_cast<size_t>(cluster) + 904;  // two clusters, one write per pass
    const auto& passes = PassesOf(GetParam());

    for (size_t k = 1; k <= passes.size(); ++k) {
        const AnsiString file = folder.File("pass" + std::to_string(k) + ".bin");
        WriteBytes(file, Filled(size, Original));
        const AnsiString link = MakeHardLink(file);

        TRecordedShred run(GetParam());
        run.StopAtProgress(k);
        ASSERT_EQ(run.Shred(file), 0);

        const std::string what = "pass " + std::to_string(k);
        EXPECT_FALSE(FileExists(file)) << what;
        EXPECT_EQ(run.Completions(), 1) << what;
        EXPECT_TRUE(run.Component().GetCanceled()) << what;
        // The passes after the stop send nothing.
        EXPECT_EQ(run.Progress().size(), k) << what;

        const Bytes data = ReadBytes(link);
        EXPECT_EQ(data.size(), 2u * static_cast<size_t>(cluster)) << what << ": whole clusters are written";
        ExpectPassContent(data, passes[k - 1], what);
        DeleteFileA(link.c_str());
    }
}

// A run that is not stopped leaves its last pass over whole clusters, and the name is gone.
TEST_P(PassContent, FullRunLeavesLastPass)
{
    TScratchFolder folder;
    const int32_t cluster = ClusterSizeAt(folder.Path());
    const AnsiString file = folder.File("whole.bin");
    WriteBytes(file, Filled(3u * static_cast<size_t>(cluster) + 1, Original));
    const AnsiString link = MakeHardLink(file);

    TRecordedShred run(GetParam());
    ASSERT_EQ(run.Shred(file), 0);
    EXPECT_FALSE(FileExists(file));
    EXPECT_FALSE(run.Component().GetCanceled());
    EXPECT_EQ(run.Completions(), 1);
    EXPECT_EQ(run.Progress().size(), PassesOf(GetParam()).size());

    const Bytes data = ReadBytes(link);
    EXPECT_EQ(data.size(), 4u * static_cast<size_t>(cluster));
    ExpectPassContent(data, PassesOf(GetParam()).back(), "last pass");
}

std::string MethodName(const testing::TestParamInfo<TVariruvuMethod>& info)
{
    static const char* const names[] = {"Zero", "DoD", "Gutmann"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Methods, PassContent, testing::Values(sdmZero, sdmDoD, sdmGutmann), MethodName);
