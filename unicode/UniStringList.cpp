#include <algorithm>
#include <utility>

#include "unicode/UniListSupport.h"
#include "unicode/UniWideStrings.h"
#include "unicode/UniWideStringsRes.h"

VARIRUVU_CLASS_INFO(TUniStringList, TUniStrings)
{
    info.Property("OnChange", &TUniStringList::GetOnChange, &TUniStringList::SetOnChange);
    info.Property("OnChanging", &TUniStringList::GetOnChanging, &TUniStringList::SetOnChanging);
}

namespace {

const TResStringRec SListIndexError{nullptr, IDS_UNI_LIST_INDEX_ERROR};
const TResStringRec SSortedListError{nullptr, IDS_UNI_SORTED_LIST_ERROR};
const TResStringRec SDuplicateString{nullptr, IDS_UNI_DUPLICATE_STRING};

int CompareByStrings(TUniStringList* list, int index1, int index2)
{
    return list->CompareStrings(list->Get(index1), list->Get(index2));
}

}  // namespace

TUniStringList::~TUniStringList()
{
    // Nothing is told about the list's own destruction.
    FOnChange = TNotifyEvent();
    FOnChanging = TNotifyEvent();
}

void TUniStringList::CheckIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        Error(&SListIndexError, index);
}

void TUniStringList::CheckUnsorted() const
{
    if (FSorted)
        Error(&SSortedListError, 0);
}

WideString TUniStringList::Get(int index) const
{
    CheckIndex(index, FItemCount);
    return FItems[size_t(index)].String;
}

TObject* TUniStringList::GetObject(int index) const
{
    CheckIndex(index, FItemCount);
    return FItems[size_t(index)].Object;
}

void TUniStringList::Put(int index, const WideString& s)
{
    CheckUnsorted();
    CheckIndex(index, FItemCount);
    Changing();
    FItems[size_t(index)].String = s;
    Changed();
}

void TUniStringList::PutObject(int index, TObject* object)
{
    CheckIndex(index, FItemCount);
    Changing();
    FItems[size_t(index)].Object = object;
    Changed();
}

void TUniStringList::SetCapacity(int capacity)
{
    if (capacity < FItemCount)
        Error(&SListIndexError, capacity);
    FItems.resize(size_t(capacity));
}

void TUniStringList::Grow()
{
    int capacity = GetCapacity();
    int delta = capacity > 64 ? capacity / 4 : capacity > 8 ? 16 : 4;
    SetCapacity(capacity + delta);
}

void TUniStringList::InsertItem(int index, const WideString& s, TObject* object)
{
    Changing();
    if (FItemCount == GetCapacity())
        Grow();
    auto at = FItems.begin() + index;
    std::move_backward(at, FItems.begin() + FItemCount, FItems.begin() + FItemCount + 1);
    *at = {s, object};
    ++FItemCount;
    Changed();
}

int TUniStringList::Add(const WideString& s)
{
    return AddObject(s, nullptr);
}

int TUniStringList::AddObject(const WideString& s, TObject* object)
{
    int index = FItemCount;
    if (FSorted && Find(s, index)) {
        if (FDuplicates == dupIgnore)
            return index;
        if (FDuplicates == dupError)
            Error(&SDuplicateString, 0);
    }
    InsertItem(index, s, object);
    return index;
}

void TUniStringList::Insert(int index, const WideString& s)
{
    InsertObject(index, s, nullptr);
}

void TUniStringList::InsertObject(int index, const WideString& s, TObject* object)
{
    CheckUnsorted();
    CheckIndex(index, FItemCount + 1);
    InsertItem(index, s, object);
}

void TUniStringList::Delete(int index)
{
    CheckIndex(index, FItemCount);
    Changing();
    std::move(FItems.begin() + index + 1, FItems.begin() + FItemCount, FItems.begin() + index);
    --FItemCount;
    FItems[size_t(FItemCount)] = TStringItem();
    Changed();
}

void TUniStringList::ExchangeItems(int index1, int index2)
{
    std::swap(FItems[size_t(index1)], FItems[size_t(index2)]);
}

void TUniStringList::Exchange(int index1, int index2)
{
    CheckIndex(index1, FItemCount);
    CheckIndex(index2, FItemCount);
    Changing();
    ExchangeItems(index1, index2);
    Changed();
}

void TUniStringList::Clear()
{
    if (FItemCount == 0)
        return;
    Changing();
    FItemCount = 0;
    SetCapacity(0);
    Changed();
}

void TUniStringList::Changed()
{
    if (!FUpdating && FOnChange)
        FOnChange(this);
}

void TUniStringList::Changing()
{
    if (!FUpdating && FOnChanging)
        FOnChanging(this);
}

void TUniStringList::SetUpdateState(bool updating)
{
    // Changing fires before the bracket closes the gate, Changed after it opens
    // it again: one pair for the whole bracket.
    if (updating) {
        Changing();
        FUpdating = true;
    } else {
        FUpdating = false;
        Changed();
    }
}

int TUniStringList::CompareStrings(const WideString& s1, const WideString& s2) const
{
    return FCaseSensitive ? CompareWideStrings(s1, s2, 0) : TUniStrings::CompareStrings(s1, s2);
}

bool TUniStringList::Find(const WideString& s, int& index) const
{
    bool found = false;
    int low = 0;
    int high = FItemCount - 1;
    while (low <= high) {
        int mid = (low + high) / 2;
        int c = CompareStrings(FItems[size_t(mid)].String, s);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                if (FDuplicates != dupAccept)
                    low = mid;
            }
        }
    }
    index = low;
    return found;
}

int TUniStringList::IndexOfString(const WideString& s) const
{
    if (!FSorted)
        return TUniStrings::IndexOfString(s);
    int index;
    return Find(s, index) ? index : -1;
}

int TUniStringList::IndexOfName(const WideString& name) const
{
    if (!FSorted)
        return TUniStrings::IndexOfName(name);
    WideString key = name + GetNameSeparator();
    int index;
    Find(key, index);
    if (index < FItemCount && CompareStrings(FItems[size_t(index)].String.substr(0, key.size()), key) == 0)
        return index;
    return -1;
}

void TUniStringList::Sort()
{
    CustomSort(CompareByStrings);
}

void TUniStringList::CustomSort(TUniStringListSortCompare compare)
{
    if (FSorted || FItemCount < 2)
        return;
    Changing();
    QuickSort(0, FItemCount - 1, compare);
    Changed();
}

void TUniStringList::QuickSort(int l, int r, TUniStringListSortCompare compare)
{
    int i;
    do {
        i = l;
        int j = r;
        int p = (l + r) / 2;
        do {
            while (compare(this, i, p) < 0)
                ++i;
            while (compare(this, j, p) > 0)
                --j;
            if (i <= j) {
                ExchangeItems(i, j);
                if (p == i)
                    p = j;
                else if (p == j)
                    p = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (l < j)
            QuickSort(l, j, compare);
        l = i;
    } while (i < r);
}

void TUniStringList::SetSorted(bool value)
{
    if (value == FSorted)
        return;
    if (value)
        Sort();
    FSorted = value;
}
