// What the Unicode tests share: a scratch folder, byte files, and a fixture
// that runs a test once on each platform path.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "classlib/System.h"

// A folder of its own under the temporary folder, removed with everything in it.
class TScratchFolder {
public:
    TScratchFolder();
    ~TScratchFolder();
    const WideString& Path() const { return FPath; }
    WideString File(const WideString& name) const { return FPath + L"\\" + name; }

private:
    WideString FPath;
};

void WriteFileBytes(const WideString& path, const AnsiString& bytes);
AnsiString ReadFileBytes(const WideString& path);

// The characters of s that the system ANSI code page holds: names that the
// 8-bit path can reach.
WideString AnsiReachable(const WideString& s);

// Runs as the NT family (parameter true) or as the older 8-bit family.
class TPlatformTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override;
    void TearDown() override;
    bool Unicode() const { return GetParam(); }
    // The name as this path can create it.
    WideString Name(const WideString& wanted) const { return Unicode() ? wanted : AnsiReachable(wanted); }

private:
    bool FWasUnicode = true;
};

std::string PlatformName(const testing::TestParamInfo<bool>& info);

#define INSTANTIATE_PLATFORMS(Suite) \
    INSTANTIATE_TEST_SUITE_P(Platforms, Suite, testing::Values(true, false), PlatformName)

// Wraps a system handle so that a failing assertion does not leak it.
class TTestHandle {
public:
    explicit TTestHandle(HANDLE handle) : FHandle(handle) {}
    TTestHandle(const TTestHandle&) = delete;
    TTestHandle& operator=(const TTestHandle&) = delete;
    ~TTestHandle();
    HANDLE Get() const { return FHandle; }
    bool Valid() const { return FHandle != INVALID_HANDLE_VALUE; }

private:
    HANDLE FHandle;
};
