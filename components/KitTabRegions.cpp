#include "components/KitTabRegions.h"

#include <algorithm>

#include "components/KitTabData.h"

bool IsEmptyTabRect(const TRect& rect)
{
    return rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0;
}

TRect NormalizedRect(const TRect& rect)
{
    return TRect(std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
                 std::max(rect.top, rect.bottom));
}

bool PointInTabRect(const TRect& rect, TPoint point)
{
    TRect r = NormalizedRect(rect);
    return PtInRect(&r, point) != FALSE;
}

void TKitTabRegionCacheItem::SetRegion(HRGN value)
{
    if (FRegion && FRegion != value)
        DeleteObject(FRegion);
    FRegion = value;
}

HRGN TKitTabRegionCache::Find(const TRect& rect) const
{
    for (const auto& item : FItems)
        if (item->Rect == rect)
            return item->GetRegion();
    return nullptr;
}

void TKitTabRegionCache::Add(const TRect& rect, HRGN region)
{
    auto found = std::find_if(FItems.begin(), FItems.end(), [&](const auto& item) { return item->Rect == rect; });
    if (found != FItems.end()) {
        // The region the cache holds stays; one made again for the same place is not needed.
        if ((*found)->GetRegion() != region)
            DeleteObject(region);
        std::rotate(FItems.begin(), found, found + 1);
        return;
    }
    auto item = std::make_unique<TKitTabRegionCacheItem>();
    item->Rect = rect;
    item->SetRegion(region);
    FItems.insert(FItems.begin(), std::move(item));
    Trim();
}

void TKitTabRegionCache::SetCapacity(int value)
{
    if (value < -1 || value == 0)
        throw EKitTabControlError("Capacity must be -1 (to cache all regions) or > 0");
    FCapacity = value;
    Trim();
}

void TKitTabRegionCache::Trim()
{
    if (FCapacity == -1)
        return;
    while (static_cast<int>(FItems.size()) > FCapacity)
        FItems.pop_back();
}
