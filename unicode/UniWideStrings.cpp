#include "unicode/UniWideStrings.h"

#include "unicode/UniWideStringsRes.h"
#include "unicode/UniListSupport.h"

VARIRUVU_CLASS_INFO(TWideStrings, TPersistent) {}

TWideStrings::~TWideStrings()
{
    SetAttachedView(nullptr);
}

void TWideStrings::SetAttachedView(IWideStringsView* view)
{
    if (view == FAttachedView)
        return;
    if (FAttachedView)
        FAttachedView->Release();
    FAttachedView = view;
    if (view)
        view->Reference(this);
}

wchar_t TWideStrings::GetDefined(TDefined flag, wchar_t& value, wchar_t defaultValue) const
{
    if (!(FDefined & flag)) {
        value = defaultValue;
        FDefined |= flag;
    }
    return value;
}

void TWideStrings::SetDefined(TDefined flag, wchar_t& field, wchar_t value)
{
    if ((FDefined & flag) && field == value)
        return;
    field = value;
    FDefined |= flag;
}

wchar_t TWideStrings::GetListDelimiter() const
{
    return GetDefined(sdDelimiter, FListDelimiter, L',');
}

void TWideStrings::SetListDelimiter(wchar_t value)
{
    SetDefined(sdDelimiter, FListDelimiter, value);
}

wchar_t TWideStrings::GetListQuoteChar() const
{
    return GetDefined(sdQuoteChar, FListQuoteChar, L'"');
}

void TWideStrings::SetListQuoteChar(wchar_t value)
{
    SetDefined(sdQuoteChar, FListQuoteChar, value);
}

wchar_t TWideStrings::GetNameSeparator() const
{
    return GetDefined(sdNameSeparator, FNameSeparator, L'=');
}

void TWideStrings::SetNameSeparator(wchar_t value)
{
    SetDefined(sdNameSeparator, FNameSeparator, value);
}

void TWideStrings::CopyCharacters(const TWideStrings& source)
{
    FDefined = source.FDefined;
    FListDelimiter = source.FListDelimiter;
    FListQuoteChar = source.FListQuoteChar;
    FNameSeparator = source.FNameSeparator;
}

void TWideStrings::Assign(TPersistent* source)
{
    if (source == this)
        return;
    if (auto* wide = dynamic_cast<TWideStrings*>(source)) {
        TUpdateBracket update(*this);
        Clear();
        CopyCharacters(*wide);
        AddStrings(wide);
    } else if (auto* ansi = dynamic_cast<TStrings*>(source)) {
        TUpdateBracket update(*this);
        Clear();
        // The class library's lists carry a name separator only, no quote character or delimiter.
        SetNameSeparator(wchar_t(uint8_t(ansi->GetNameValueSeparator())));
        AddStrings(ansi);
    } else {
        TPersistent::Assign(source);
    }
}

void TWideStrings::AssignTo(TPersistent* dest)
{
    if (auto* wide = dynamic_cast<TWideStrings*>(dest)) {
        wide->Assign(this);
    } else if (auto* ansi = dynamic_cast<TStrings*>(dest)) {
        TUpdateBracket update(*ansi);
        ansi->Clear();
        ansi->SetNameValueSeparator(char(GetNameSeparator()));
        for (int i = 0; i < GetCount(); ++i)
            ansi->AddObject(WideToAnsi(Get(i)), GetObject(i));
    } else {
        TPersistent::AssignTo(dest);
    }
}

int TWideStrings::GetCapacity() const
{
    return GetCount();
}

TObject* TWideStrings::GetObject(int) const
{
    return nullptr;
}

WideString TWideStrings::GetTextStr() const
{
    const int count = GetCount();
    size_t length = 0;
    for (int i = 0; i < count; ++i)
        length += Get(i).size() + 2;
    WideString text;
    text.reserve(length);
    for (int i = 0; i < count; ++i) {
        text += Get(i);
        text += L"\r\n";
    }
    return text;
}

void TWideStrings::Put(int index, const WideString& s)
{
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
}

void TWideStrings::PutObject(int, TObject*) {}

void TWideStrings::SetCapacity(int) {}

void TWideStrings::SetTextStr(const WideString& text)
{
    TUpdateBracket update(*this);
    Clear();
    for (const WideString& line : SplitTextLines(text.c_str()))
        Add(line);
}

void TWideStrings::SetUpdateState(bool) {}

int TWideStrings::CompareStrings(const WideString& s1, const WideString& s2) const
{
    return CompareWideStrings(s1, s2, NORM_IGNORECASE);
}

int TWideStrings::Add(const WideString& s)
{
    int index = GetCount();
    Insert(index, s);
    return index;
}

int TWideStrings::AddObject(const WideString& s, TObject* object)
{
    int index = Add(s);
    PutObject(index, object);
    return index;
}

void TWideStrings::AddStrings(const TStrings* source)
{
    TUpdateBracket update(*this);
    for (int i = 0; i < source->GetCount(); ++i)
        AddObject(AnsiToWide(source->Get(i)), source->GetObject(i));
}

void TWideStrings::AddStrings(const TWideStrings* source)
{
    TUpdateBracket update(*this);
    for (int i = 0; i < source->GetCount(); ++i)
        AddObject(source->Get(i), source->GetObject(i));
}

void TWideStrings::Exchange(int index1, int index2)
{
    TUpdateBracket update(*this);
    WideString s = Get(index1);
    TObject* object = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, s);
    PutObject(index2, object);
}

TWideBuffer TWideStrings::GetText() const
{
    return StrNewW(GetTextStr());
}

int TWideStrings::IndexOfString(const WideString& s) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (CompareStrings(Get(i), s) == 0)
            return i;
    return -1;
}

int TWideStrings::IndexOfName(const WideString& name) const
{
    const wchar_t separator = GetNameSeparator();
    for (int i = 0; i < GetCount(); ++i) {
        WideString line = Get(i);
        size_t at = line.find(separator);
        if (at != WideString::npos && CompareStrings(line.substr(0, at), name) == 0)
            return i;
    }
    return -1;
}

int TWideStrings::IndexOfObject(const TObject* object) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

void TWideStrings::InsertObject(int index, const WideString& s, TObject* object)
{
    Insert(index, s);
    PutObject(index, object);
}

void TWideStrings::LoadFromFile(const WideString& fileName)
{
    TUniFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TWideStrings::LoadFromStream(TStream* stream)
{
    TUpdateBracket update(*this);
    SetTextStr(ReadWideChars(stream));
}

void TWideStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    TUpdateBracket update(*this);
    WideString s = Get(curIndex);
    TObject* object = GetObject(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, object);
}

void TWideStrings::SaveToFile(const WideString& fileName)
{
    TUniFileStream stream(fileName, fmCreate);
    SaveToStream(&stream);
}

void TWideStrings::SaveToStream(TStream* stream)
{
    WriteWideChars(stream, GetTextStr());
}

void TWideStrings::SetTextBuffer(const wchar_t* text)
{
    SetTextStr(text ? WideString(text) : WideString());
}

void TWideStrings::BeginUpdate()
{
    if (FUpdateDepth == 0)
        SetUpdateState(true);
    ++FUpdateDepth;
}

void TWideStrings::EndUpdate()
{
    if (--FUpdateDepth == 0)
        SetUpdateState(false);
}

bool TWideStrings::Equals(const TWideStrings* other) const
{
    if (GetCount() != other->GetCount())
        return false;
    for (int i = 0; i < GetCount(); ++i)
        if (Get(i) != other->Get(i))
            return false;
    return true;
}

void TWideStrings::Error(const TResStringRec* message, int data) const
{
    throw EStringListError(WideFormat(LoadWideResourceString(message), data));
}

WideString TWideStrings::GetValues(const WideString& name) const
{
    int index = IndexOfName(name);
    return index < 0 ? WideString() : Get(index).substr(name.size() + 1);
}

void TWideStrings::SetValues(const WideString& name, const WideString& value)
{
    int index = IndexOfName(name);
    if (!value.empty()) {
        if (index < 0)
            index = Add(L"");
        Put(index, name + GetNameSeparator() + value);
    } else if (index >= 0) {
        Delete(index);
    }
}
