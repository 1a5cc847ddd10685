// What the engine tests share: a scratch folder, file helpers, and a
// TSafetyDelete whose events are recorded.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "classlib/System.h"
#include "engine/variruvu.h"

using Bytes = std::vector<uint8_t>;

// A folder of its own under the temporary folder, removed with everything in it.
class TScratchFolder {
public:
    TScratchFolder();
    ~TScratchFolder();
    const AnsiString& Path() const { return FPath; }
    AnsiString File(const AnsiString& name) const { return FPath + "\\" + name; }

private:
    AnsiString FPath;
};

void WriteBytes(const AnsiString& path, const Bytes& data);
Bytes ReadBytes(const AnsiString& path);
Bytes Filled(size_t size, uint8_t value);
// The cluster size of the volume that holds `path`.
int32_t ClusterSizeAt(const AnsiString& path);
// A second name for the file's data, which outlives the erase's delete.
AnsiString MakeHardLink(const AnsiString& path);

struct TProgress {
    uint8_t PassCount;
    uint8_t PercentWritten;
    bool operator==(const TProgress&) const = default;
};

// Runs ShredFile and records its events; can stop the run from the N-th
// progress event, as a user pressing Abort at that moment would.
class TRecordedShred {
public:
    explicit TRecordedShred(TVariruvuMethod method);

    void StopAtProgress(size_t n) { FStopAt = n; }
    int32_t Shred(const AnsiString& path);

    TSafetyDelete& Component() { return *FComponent; }
    const std::vector<TProgress>& Progress() const { return FProgress; }
    int Completions() const { return FCompletions; }

private:
    std::unique_ptr<TSafetyDelete> FComponent;
    std::vector<TProgress> FProgress;
    int FCompletions = 0;
    size_t FStopAt = 0;
};
