#include "engine/clustersizes.h"

#include "classlib/Win.h"

namespace {

// The volume root of `path`, also for paths that are not on a drive letter
// (network shares, \\?\ paths, folders mounted from other volumes); empty when none.
AnsiString VolumeRoot(const AnsiString& path)
{
    char root[MAX_PATH + 1];
    if (GetVolumePathNameA(path.c_str(), root, sizeof root))
        return root;
    const size_t i = path.find('\\');
    return i == AnsiString::npos ? AnsiString() : path.substr(0, i + 1);
}

int32_t RootClusterSize(const AnsiString& root)
{
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (root.empty() || !GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                                           &totalClusters))
        return 0;
    const uint64_t size = static_cast<uint64_t>(sectorsPerCluster) * bytesPerSector;
    return size > 0 && size <= 0x40000000u ? static_cast<int32_t>(size) : 0;
}

}  // namespace

int32_t VolumeClusterSize(const AnsiString& path)
{
    return RootClusterSize(VolumeRoot(path));
}

int32_t TClusterSizes::For(const AnsiString& path)
{
    const AnsiString root = VolumeRoot(path);
    {
        std::lock_guard<std::mutex> hold(FLock);
        auto known = FSizes.find(root);
        if (known != FSizes.end())
            return known->second;
    }
    const int32_t size = RootClusterSize(root);
    if (size > 0) {  // a volume that cannot tell is asked again next time
        std::lock_guard<std::mutex> hold(FLock);
        FSizes[root] = size;
    }
    return size;
}

void TClusterSizes::Clear()
{
    std::lock_guard<std::mutex> hold(FLock);
    FSizes.clear();
}
