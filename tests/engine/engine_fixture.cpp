#include "tests/engine/engine_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "classlib/SysUtils.h"
#include "tests/support/ScratchFolder.h"

TScratchFolder::TScratchFolder() : FPath(WideToAnsi(MakeScratchFolder(L"engine"))) {}

TScratchFolder::~TScratchFolder()
{
    RemoveFolderTree(AnsiToWide(FPath));
}

void WriteBytes(const AnsiString& path, const Bytes& data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    ASSERT_TRUE(out.good()) << path;
}

Bytes ReadBytes(const AnsiString& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Filled(size_t size, uint8_t value)
{
    return Bytes(size, value);
}

int32_t ClusterSizeAt(const AnsiString& path)
{
    char root[MAX_PATH];
    GetVolumePathNameA(path.c_str(), root, MAX_PATH);
    DWORD spc = 0, bps = 0, freeClusters = 0, total = 0;
    GetDiskFreeSpaceA(root, &spc, &bps, &freeClusters, &total);
    return static_cast<int32_t>(spc * bps);
}

AnsiString MakeHardLink(const AnsiString& path)
{
    AnsiString link = path + ".link";
    EXPECT_TRUE(CreateHardLinkA(link.c_str(), path.c_str(), nullptr)) << "hard link for " << path;
    return link;
}

TRecordedShred::TRecordedShred(TVariruvuMethod method) : FComponent(std::make_unique<TSafetyDelete>(nullptr))
{
    FComponent->SelectMethod(method);
    FComponent->SetOnProgress(TVariruvuProgressEvent::FromFunction([this](TObject* sender, uint8_t all, uint8_t pass) {
        EXPECT_EQ(sender, FComponent.get());
        FProgress.push_back({all, pass});
        if (FProgress.size() == FStopAt)
            FComponent->Cancel();
    }));
    FComponent->SetOnCompleted(TNotifyEvent::FromFunction([this](TObject* sender) {
        EXPECT_EQ(sender, FComponent.get());
        ++FCompletions;
    }));
}

int32_t TRecordedShred::Shred(const AnsiString& path)
{
    FProgress.clear();
    FCompletions = 0;
    return FComponent->ShredFile(path);
}
