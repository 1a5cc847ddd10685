// The cache of tab polygon regions, keyed by the tab's control rectangle, and
// the rectangle rules the tab control measures with.
#pragma once

#include <memory>
#include <vector>

#include "classlib/Geometry.h"
#include "classlib/Win.h"

// All four coordinates 0.
bool IsEmptyTabRect(const TRect& rect);
// Left <= Right and Top <= Bottom.
TRect NormalizedRect(const TRect& rect);
// PtInRect on the normalised rectangle.
bool PointInTabRect(const TRect& rect, TPoint point);

class TKitTabRegionCacheItem {
public:
    TKitTabRegionCacheItem() = default;
    ~TKitTabRegionCacheItem() { SetRegion(nullptr); }
    TKitTabRegionCacheItem(const TKitTabRegionCacheItem&) = delete;
    TKitTabRegionCacheItem& operator=(const TKitTabRegionCacheItem&) = delete;

    TRect Rect{-1, -1, -1, -1};
    HRGN GetRegion() const { return FRegion; }
    // Takes the region over; the one held before is deleted.
    void SetRegion(HRGN value);

private:
    HRGN FRegion = nullptr;
};

// The most recently added region first; with a capacity of -1 nothing is dropped.
class TKitTabRegionCache {
public:
    HRGN Find(const TRect& rect) const;
    // Takes the region over (an already cached rectangle only moves to the front).
    void Add(const TRect& rect, HRGN region);
    void Clear() { FItems.clear(); }
    int GetCount() const { return static_cast<int>(FItems.size()); }
    int GetCapacity() const { return FCapacity; }
    // -1 (all) or more than 0; anything else raises EKitTabControlError.
    void SetCapacity(int value);

private:
    void Trim();

    std::vector<std::unique_ptr<TKitTabRegionCacheItem>> FItems;
    int FCapacity = 1;
};
