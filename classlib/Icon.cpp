#include "classlib/Graphics.h"

VARIRUVU_CLASS_INFO(TIcon, TGraphic) {}

TIcon::~TIcon()
{
    if (FHandle)
        DestroyIcon(FHandle);
}

void TIcon::SetHandle(HICON value)
{
    if (value == FHandle)
        return;
    if (FHandle)
        DestroyIcon(FHandle);
    FHandle = value;
    FWidth = FHeight = 0;
    FData.clear();
    ICONINFO info{};
    if (FHandle && GetIconInfo(FHandle, &info)) {
        BITMAP bm{};
        HBITMAP shape = info.hbmColor ? info.hbmColor : info.hbmMask;
        GetObjectA(shape, sizeof(bm), &bm);
        FWidth = bm.bmWidth;
        FHeight = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
    }
    Changed();
}

void TIcon::Assign(TPersistent* source)
{
    auto* icon = dynamic_cast<TIcon*>(source);
    if (!icon) {
        TGraphic::Assign(source);
        return;
    }
    if (icon == this)
        return;
    AnsiString data = icon->FData;
    SetHandle(icon->FHandle ? CopyIcon(icon->FHandle) : nullptr);
    FData = data;
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const AnsiString& name)
{
    HICON icon = static_cast<HICON>(LoadImageA(instance, name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    if (!icon)
        throw EResNotFound(Format("Resource %s not found", name));
    SetHandle(icon);
}

void TIcon::LoadFromStream(TStream* stream)
{
#pragma pack(push, 1)
    struct TIconDirEntry {
        BYTE Width, Height, ColorCount, Reserved;
        WORD Planes, BitCount;
        DWORD BytesInRes, ImageOffset;
    };
#pragma pack(pop)
    AnsiString data = ReadRestOfStream(stream);
    const auto* words = reinterpret_cast<const WORD*>(data.data());
    if (data.size() < 6 || words[0] != 0 || (words[1] != 1 && words[1] != 2) || words[2] == 0 ||
        data.size() < 6 + words[2] * sizeof(TIconDirEntry))
        throw EInvalidGraphic(L"Icon image is not valid");
    const auto* entries = reinterpret_cast<const TIconDirEntry*>(data.data() + 6);
    int wanted = GetSystemMetrics(SM_CXICON);
    const TIconDirEntry* best = nullptr;
    for (int i = 0; i < words[2]; ++i) {
        const TIconDirEntry& e = entries[i];
        if (static_cast<uint64_t>(e.ImageOffset) + e.BytesInRes > data.size())
            continue;
        int size = e.Width ? e.Width : 256;
        int bestSize = best ? (best->Width ? best->Width : 256) : 0;
        if (!best || std::abs(size - wanted) < std::abs(bestSize - wanted) ||
            (size == bestSize && e.BitCount > best->BitCount))
            best = &e;
    }
    if (!best)
        throw EInvalidGraphic(L"Icon image is not valid");
    auto* bits = reinterpret_cast<PBYTE>(data.data() + best->ImageOffset);
    HICON icon = CreateIconFromResourceEx(bits, best->BytesInRes, words[1] == 1, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
    if (!icon)
        throw EInvalidGraphic(L"Icon image is not valid");
    SetHandle(icon);
    FData = std::move(data);
}

void TIcon::SaveToStream(TStream* stream)
{
    if (FData.empty() && FHandle)
        throw EInvalidGraphicOperation(L"Cannot save an icon that was not loaded from a file");
    if (!FData.empty())
        stream->WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
}

void TIcon::Draw(TCanvas* canvas, const TRect& rect)
{
    if (FHandle)
        DrawIconEx(canvas->GetHandle(), rect.left, rect.top, FHandle, rect.Width(), rect.Height(), 0, nullptr,
                   DI_NORMAL);
}
