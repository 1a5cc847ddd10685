// Lists of UTF-16 strings: the abstract TWideStrings, TUniStrings with its
// ANSI view and byte-order-aware loading, and the storage class TUniStringList.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "classlib/Events.h"
#include "classlib/StringLists.h"
#include "unicode/UniClasses.h"
#include "unicode/UniSystem.h"
#include "unicode/UniWideStrUtils.h"

class TWideStrings;

// An outside view attached to a list: told when it is attached and released
// when it is detached or the list goes.
class IWideStringsView {
public:
    virtual void Reference(TWideStrings* list) = 0;
    virtual void Release() = 0;

protected:
    ~IWideStringsView() = default;
};

class TWideStrings : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    ~TWideStrings() override;

    // From another wide list or from a class-library string list.
    void Assign(TPersistent* source) override;

    virtual WideString Get(int index) const = 0;
    virtual int GetCapacity() const;
    virtual int GetCount() const = 0;
    virtual TObject* GetObject(int index) const;
    // Every string followed by CR LF.
    virtual WideString GetTextStr() const;
    virtual void Put(int index, const WideString& s);
    virtual void PutObject(int index, TObject* object);
    virtual void SetCapacity(int capacity);
    // One line for each CR LF, CR, LF, U+2028 or CR LF U+2028.
    virtual void SetTextStr(const WideString& text);
    // -1, 0 or 1, case ignored.
    virtual int CompareStrings(const WideString& s1, const WideString& s2) const;
    virtual int Add(const WideString& s);
    virtual int AddObject(const WideString& s, TObject* object);
    virtual void AddStrings(const TStrings* source);
    virtual void AddStrings(const TWideStrings* source);
    virtual void Clear() = 0;
    virtual void Delete(int index) = 0;
    virtual void Exchange(int index1, int index2);
    virtual TWideBuffer GetText() const;
    virtual int IndexOfString(const WideString& s) const;
    virtual int IndexOfName(const WideString& name) const;
    virtual int IndexOfObject(const TObject* object) const;
    virtual void Insert(int index, const WideString& s) = 0;
    virtual void InsertObject(int index, const WideString& s, TObject* object);
    virtual void LoadFromFile(const WideString& fileName);
    virtual void LoadFromStream(TStream* stream);
    virtual void Move(int curIndex, int newIndex);
    virtual void SaveToFile(const WideString& fileName);
    virtual void SaveToStream(TStream* stream);
    virtual void SetTextBuffer(const wchar_t* text);

    void BeginUpdate();
    void EndUpdate();
    // The same strings, unit for unit, in the same order.
    bool Equals(const TWideStrings* other) const;
    [[noreturn]] void Error(const TResStringRec* message, int data) const;

    WideString GetValues(const WideString& name) const;
    // An empty value removes the name's line.
    void SetValues(const WideString& name, const WideString& value);

    wchar_t GetListDelimiter() const;
    void SetListDelimiter(wchar_t value);
    wchar_t GetListQuoteChar() const;
    void SetListQuoteChar(wchar_t value);
    wchar_t GetNameSeparator() const;
    void SetNameSeparator(wchar_t value);

    IWideStringsView* GetAttachedView() const { return FAttachedView; }
    void SetAttachedView(IWideStringsView* view);

protected:
    void AssignTo(TPersistent* dest) override;
    void DefineProperties(TFiler* filer) override;
    virtual void SetUpdateState(bool updating);

private:
    enum TDefined : uint8_t { sdDelimiter = 1, sdQuoteChar = 2, sdNameSeparator = 4 };
    wchar_t GetDefined(TDefined flag, wchar_t& value, wchar_t defaultValue) const;
    void SetDefined(TDefined flag, wchar_t& field, wchar_t value);
    void CopyCharacters(const TWideStrings& source);
    bool WriteStringsNeeded(const TFiler* filer) const;
    void ReadStrings(TReader* reader);
    void WriteStrings(TWriter* writer);

    mutable uint8_t FDefined = 0;
    mutable wchar_t FListDelimiter = L',';
    mutable wchar_t FListQuoteChar = L'"';
    mutable wchar_t FNameSeparator = L'=';
    int FUpdateDepth = 0;
    IWideStringsView* FAttachedView = nullptr;

    friend class TUniStrings;
};

class TAnsiStrings;

class TUniStrings : public TWideStrings {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    TUniStrings();
    ~TUniStrings() override;

    TAnsiStrings* GetAnsiStrings() const { return FAnsiStrings.get(); }
    // Copies the value into the view.
    void SetAnsiStrings(TAnsiStrings* value);
    // The mark found by the last LoadFromFile.
    TStreamCharSet GetDetectedFileCharSet() const { return FDetectedFileCharSet; }

    void LoadFromFile(const WideString& fileName) override;
    void LoadFromStream(TStream* stream) override;
    void SaveToFile(const WideString& fileName) override;
    void SaveToStream(TStream* stream) override;
    // Without detection the stream is read as UTF-16 LE.
    virtual void LoadFromStreamDetect(TStream* stream, bool detect);
    virtual void SaveToStreamMarked(TStream* stream, bool withMark);

protected:
    void DefineProperties(TFiler* filer) override;

private:
    void ReadUtf8Strings(TReader* reader);
    void SkipStrings(TReader* reader);

    std::unique_ptr<TAnsiStrings> FAnsiStrings;
    TStreamCharSet FDetectedFileCharSet = Utf16LE;
};

class TUniStringList;
// Negative, 0 or positive as the entry at index1 sorts before, with or after the one at index2.
using TUniStringListSortCompare = int (*)(TUniStringList* list, int index1, int index2);

class TUniStringList : public TUniStrings {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    ~TUniStringList() override;

    WideString Get(int index) const override;
    int GetCapacity() const override { return int(FItems.size()); }
    int GetCount() const override { return FItemCount; }
    TObject* GetObject(int index) const override;
    void Put(int index, const WideString& s) override;
    void PutObject(int index, TObject* object) override;
    // Below the count raises the index error.
    void SetCapacity(int capacity) override;
    int CompareStrings(const WideString& s1, const WideString& s2) const override;
    int Add(const WideString& s) override;
    int AddObject(const WideString& s, TObject* object) override;
    void Clear() override;
    void Delete(int index) override;
    void Exchange(int index1, int index2) override;
    int IndexOfString(const WideString& s) const override;
    int IndexOfName(const WideString& name) const override;
    void Insert(int index, const WideString& s) override;
    void InsertObject(int index, const WideString& s, TObject* object) override;

    // True when s is present; index is the match or the insertion point.
    virtual bool Find(const WideString& s, int& index) const;
    virtual void Sort();
    virtual void CustomSort(TUniStringListSortCompare compare);

    bool GetSorted() const { return FSorted; }
    // Switching sorted mode on sorts the list first.
    void SetSorted(bool value);
    TDuplicates GetDuplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool GetCaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value) { FCaseSensitive = value; }
    const TNotifyEvent& GetOnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& value) { FOnChange = value; }
    const TNotifyEvent& GetOnChanging() const { return FOnChanging; }
    void SetOnChanging(const TNotifyEvent& value) { FOnChanging = value; }

protected:
    void SetUpdateState(bool updating) override;
    virtual void Changed();
    virtual void Changing();
    virtual void InsertItem(int index, const WideString& s, TObject* object);

private:
    struct TStringItem {
        WideString String;
        TObject* Object = nullptr;
    };

    void CheckIndex(int index, int count) const;
    void CheckUnsorted() const;
    void Grow();
    void ExchangeItems(int index1, int index2);
    void QuickSort(int l, int r, TUniStringListSortCompare compare);

    std::vector<TStringItem> FItems;  // sized to the capacity
    int FItemCount = 0;
    bool FSorted = false;
    TDuplicates FDuplicates = dupIgnore;
    bool FUpdating = false;
    bool FCaseSensitive = false;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnChanging;
};

// A class-library string list that also reads and writes a stream in a code page.
class TAnsiStrings : public TStrings {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    virtual void LoadFromStreamInCodePage(TStream* stream, UINT codePage) = 0;
    virtual void SaveToStreamInCodePage(TStream* stream, UINT codePage) = 0;
};

// The 8-bit view of a wide list, converting through a code page.
class TAnsiStringsForWideStringsAdapter : public TAnsiStrings {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    // codePage 0 follows DefaultCodePage at each call.
    TAnsiStringsForWideStringsAdapter(TWideStrings* wideList, UINT codePage = 0);

    AnsiString Get(int index) const override;
    int GetCount() const override;
    TObject* GetObject(int index) const override;
    void Put(int index, const AnsiString& s) override;
    void PutObject(int index, TObject* object) override;
    void Insert(int index, const AnsiString& s) override;
    void Clear() override;
    void Delete(int index) override;
    void LoadFromStreamInCodePage(TStream* stream, UINT codePage) override;
    void SaveToStreamInCodePage(TStream* stream, UINT codePage) override;

protected:
    void SetUpdateState(bool updating) override;

private:
    UINT CodePage() const;

    TWideStrings* FWideList;
    UINT FCodePage;
};
