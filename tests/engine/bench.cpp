// Times the engine against the same I/O done directly. Prints seconds.
//   engine_bench engine FILE | raw FILE | engine-many FOLDER N | raw-many FOLDER N
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "classlib/SysUtils.h"
#include "engine/variruvu.h"

namespace {

double Seconds()
{
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// The engine's I/O without the engine: whole clusters in 64 KiB writes, one flush, delete on close.
bool RawErase(const AnsiString& path, void* buffer)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_FLAG_WRITE_THROUGH | FILE_FLAG_NO_BUFFERING | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    char root[MAX_PATH];
    GetVolumePathNameA(path.c_str(), root, MAX_PATH);
    DWORD spc = 0, bps = 0, freeClusters = 0, total = 0;
    GetDiskFreeSpaceA(root, &spc, &bps, &freeClusters, &total);
    const int64_t cluster = static_cast<int64_t>(spc) * bps;
    LARGE_INTEGER size;
    GetFileSizeEx(h, &size);
    int64_t left = (size.QuadPart + cluster - 1) / cluster * cluster;
    while (left > 0) {
        const DWORD n = static_cast<DWORD>(left < 65536 ? left : 65536);
        DWORD written = 0;
        WriteFile(h, buffer, n, &written, nullptr);
        left -= n;
    }
    FlushFileBuffers(h);
    CloseHandle(h);
    return true;
}

AnsiString Numbered(const AnsiString& folder, int i)
{
    return folder + "\\f" + std::to_string(i) + ".bin";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: engine_bench engine|raw FILE, or engine-many|raw-many FOLDER N\n");
        return 2;
    }
    const AnsiString mode = argv[1];
    const AnsiString target = argv[2];
    const int count = argc > 3 ? std::atoi(argv[3]) : 1;

    TSafetyDelete engine(nullptr);
    engine.SelectMethod(sdmZero);
    void* buffer = VirtualAlloc(nullptr, 65536, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);

    int failures = 0;
    const double start = Seconds();
    if (mode == "engine") {
        failures += engine.ShredFile(target) != 0;
    } else if (mode == "raw") {
        failures += !RawErase(target, buffer);
    } else if (mode == "engine-many") {
        for (int i = 0; i < count; ++i)
            failures += engine.ShredFile(Numbered(target, i)) != 0;
    } else if (mode == "raw-many") {
        for (int i = 0; i < count; ++i)
            failures += !RawErase(Numbered(target, i), buffer);
    } else {
        std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
        return 2;
    }
    const double elapsed = Seconds() - start;
    VirtualFree(buffer, 0, MEM_RELEASE);
    if (failures) {
        std::fprintf(stderr, "%d file(s) not erased\n", failures);
        return 1;
    }
    std::printf("%.6f\n", elapsed);
    return 0;
}
