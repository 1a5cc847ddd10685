#include "classlib/StringLists.h"

#include "classlib/Filers.h"
#include "classlib/Streams.h"

VARIRUVU_CLASS_INFO(TStrings, TPersistent) {}

VARIRUVU_CLASS_INFO(TStringList, TStrings)
{
    info.Property("OnChange", &TStringList::GetOnChange, &TStringList::SetOnChange);
    info.Property("OnChanging", &TStringList::GetOnChanging, &TStringList::SetOnChanging);
}

// ---- TStrings ----

void TStrings::Error(const char* message, int data)
{
    throw EStringListError(Format(message, data));
}

TObject* TStrings::GetObject(int) const
{
    return nullptr;
}

void TStrings::Put(int index, const AnsiString& s)
{
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
}

void TStrings::PutObject(int, TObject*) {}

AnsiString TStrings::GetTextStr() const
{
    size_t size = 0;
    int n = GetCount();
    for (int i = 0; i < n; ++i)
        size += Get(i).size() + 2;
    AnsiString text;
    text.reserve(size);
    for (int i = 0; i < n; ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

void TStrings::SetTextStr(const AnsiString& text)
{
    BeginUpdate();
    try {
        Clear();
        size_t i = 0;
        while (i < text.size()) {
            size_t end = text.find_first_of("\r\n", i);
            if (end == AnsiString::npos)
                end = text.size();
            Add(text.substr(i, end - i));
            i = end;
            if (i < text.size() && text[i] == '\r')
                ++i;
            if (i < text.size() && text[i] == '\n')
                ++i;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::Add(const AnsiString& s)
{
    int index = GetCount();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const AnsiString& s, TObject* object)
{
    int index = Add(s);
    PutObject(index, object);
    return index;
}

void TStrings::InsertObject(int index, const AnsiString& s, TObject* object)
{
    Insert(index, s);
    PutObject(index, object);
}

void TStrings::Exchange(int index1, int index2)
{
    BeginUpdate();
    try {
        AnsiString s = Get(index1);
        TObject* o = GetObject(index1);
        Put(index1, Get(index2));
        PutObject(index1, GetObject(index2));
        Put(index2, s);
        PutObject(index2, o);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    BeginUpdate();
    try {
        AnsiString s = Get(curIndex);
        TObject* o = GetObject(curIndex);
        Delete(curIndex);
        InsertObject(newIndex, s, o);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::CompareStrings(const AnsiString& a, const AnsiString& b) const
{
    return CompareText(a, b);
}

int TStrings::IndexOf(const AnsiString& s) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (CompareStrings(Get(i), s) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const AnsiString& name) const
{
    for (int i = 0; i < GetCount(); ++i) {
        AnsiString line = Get(i);
        size_t p = line.find(FNameValueSeparator);
        if (p != AnsiString::npos && CompareStrings(line.substr(0, p), name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(TObject* object) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

void TStrings::AddStrings(TStrings* strings)
{
    BeginUpdate();
    try {
        for (int i = 0; i < strings->GetCount(); ++i)
            AddObject(strings->Get(i), strings->GetObject(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TStrings*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    BeginUpdate();
    try {
        Clear();
        FNameValueSeparator = other->FNameValueSeparator;
        AddStrings(other);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

bool TStrings::Equals(const TStrings* other) const
{
    if (GetCount() != other->GetCount())
        return false;
    for (int i = 0; i < GetCount(); ++i)
        if (Get(i) != other->Get(i))
            return false;
    return true;
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        SetUpdateState(false);
}

AnsiString TStrings::GetNames(int index) const
{
    AnsiString line = Get(index);
    size_t p = line.find(FNameValueSeparator);
    return p == AnsiString::npos ? AnsiString() : line.substr(0, p);
}

AnsiString TStrings::GetValue(const AnsiString& name) const
{
    int index = IndexOfName(name);
    return index < 0 ? AnsiString() : GetValueFromIndex(index);
}

AnsiString TStrings::GetValueFromIndex(int index) const
{
    AnsiString line = Get(index);
    size_t p = line.find(FNameValueSeparator);
    return p == AnsiString::npos ? AnsiString() : line.substr(p + 1);
}

void TStrings::SetValue(const AnsiString& name, const AnsiString& value)
{
    int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    if (index < 0)
        index = Add(AnsiString());
    Put(index, name + FNameValueSeparator + value);
}

void TStrings::LoadFromStream(TStream* stream)
{
    BeginUpdate();
    try {
        int64_t size = stream->GetSize() - stream->GetPosition();
        AnsiString text(static_cast<size_t>(size > 0 ? size : 0), '\0');
        stream->ReadBuffer(text.data(), static_cast<int32_t>(text.size()));
        SetTextStr(text);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::SaveToStream(TStream* stream) const
{
    AnsiString text = GetTextStr();
    stream->WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}

void TStrings::LoadFromFile(const AnsiString& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file);
}

void TStrings::SaveToFile(const AnsiString& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(&file);
}

void TStrings::DefineProperties(TFiler* filer)
{
    filer->DefineProperty(
        "Strings", [this](TReader* reader) { ReadData(reader); }, [this](TWriter* writer) { WriteData(writer); },
        GetCount() > 0);
}

void TStrings::ReadData(TReader* reader)
{
    BeginUpdate();
    try {
        Clear();
        reader->ReadListBegin();
        while (!reader->EndOfList())
            Add(reader->ReadString());
        reader->ReadListEnd();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::WriteData(TWriter* writer)
{
    writer->WriteListBegin();
    for (int i = 0; i < GetCount(); ++i)
        writer->WriteString(Get(i));
    writer->WriteListEnd();
}

// ---- TStringList ----

TStringList::~TStringList()
{
    FOnChange = TNotifyEvent();
    FOnChanging = TNotifyEvent();
}

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= GetCount())
        Error("List index out of bounds (%d)", index);
}

AnsiString TStringList::Get(int index) const
{
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)].String;
}

TObject* TStringList::GetObject(int index) const
{
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)].Object;
}

void TStringList::Put(int index, const AnsiString& s)
{
    if (FSorted)
        Error("Operation not allowed on sorted list", 0);
    CheckIndex(index);
    Changing();
    FItems[static_cast<size_t>(index)].String = s;
    Changed();
}

void TStringList::PutObject(int index, TObject* object)
{
    CheckIndex(index);
    Changing();
    FItems[static_cast<size_t>(index)].Object = object;
    Changed();
}

void TStringList::SetCapacity(int capacity)
{
    if (capacity >= GetCount())
        FItems.reserve(static_cast<size_t>(capacity));
}

void TStringList::Clear()
{
    if (FItems.empty())
        return;
    Changing();
    FItems.clear();
    FItems.shrink_to_fit();
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    Changing();
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TStringList::Insert(int index, const AnsiString& s)
{
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const AnsiString& s, TObject* object)
{
    if (FSorted)
        Error("Operation not allowed on sorted list", 0);
    if (index < 0 || index > GetCount())
        Error("List index out of bounds (%d)", index);
    InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const AnsiString& s, TObject* object)
{
    Changing();
    FItems.insert(FItems.begin() + index, TStringItem{s, object});
    Changed();
}

int TStringList::Add(const AnsiString& s)
{
    return AddObject(s, nullptr);
}

int TStringList::AddObject(const AnsiString& s, TObject* object)
{
    int index = GetCount();
    if (FSorted && Find(s, index)) {
        if (FDuplicates == dupIgnore)
            return index;
        if (FDuplicates == dupError)
            Error("String list does not allow duplicates", 0);
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::Exchange(int index1, int index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
    Changed();
}

int TStringList::IndexOf(const AnsiString& s) const
{
    if (!FSorted)
        return TStrings::IndexOf(s);
    int index;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(const AnsiString& s, int& index) const
{
    bool found = false;
    int low = 0;
    int high = GetCount() - 1;
    while (low <= high) {
        int mid = (low + high) / 2;
        int c = CompareStrings(FItems[static_cast<size_t>(mid)].String, s);
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

void TStringList::Sort()
{
    CustomSort([](TStringList* list, int a, int b) {
        return list->CompareStrings(list->FItems[static_cast<size_t>(a)].String,
                                    list->FItems[static_cast<size_t>(b)].String);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& compare)
{
    if (FSorted || GetCount() < 2)
        return;
    Changing();
    std::function<void(int, int)> quickSort = [&](int l, int r) {
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
                    std::swap(FItems[static_cast<size_t>(i)], FItems[static_cast<size_t>(j)]);
                    if (p == i)
                        p = j;
                    else if (p == j)
                        p = i;
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (l < j)
                quickSort(l, j);
            l = i;
        } while (i < r);
    };
    quickSort(0, GetCount() - 1);
    Changed();
}

void TStringList::SetSorted(bool value)
{
    if (value == FSorted)
        return;
    if (value)
        Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (value == FCaseSensitive)
        return;
    FCaseSensitive = value;
    if (FSorted) {
        FSorted = false;
        SetSorted(true);
    }
}

int TStringList::CompareStrings(const AnsiString& a, const AnsiString& b) const
{
    return FCaseSensitive ? CompareStr(a, b) : CompareText(a, b);
}

void TStringList::Changed()
{
    if (!FUpdating && FOnChange)
        FOnChange(this);
}

void TStringList::Changing()
{
    if (!FUpdating && FOnChanging)
        FOnChanging(this);
}

void TStringList::SetUpdateState(bool updating)
{
    // Fired here although the flag is set: the one Changing and Changed of a bracket.
    FUpdating = updating;
    const TNotifyEvent& handler = updating ? FOnChanging : FOnChange;
    if (handler)
        handler(this);
}
