// Lists of 8-bit strings, each with an object: name=value lines, text, streaming.
#pragma once

#include <functional>
#include <vector>

#include "classlib/Persistent.h"

class TStream;
class TReader;
class TWriter;

class TStrings : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    virtual AnsiString Get(int index) const = 0;
    virtual int GetCount() const = 0;
    virtual TObject* GetObject(int index) const;
    // Keeps the object: Delete, then InsertObject.
    virtual void Put(int index, const AnsiString& s);
    virtual void PutObject(int index, TObject* object);
    virtual int GetCapacity() const { return GetCount(); }
    virtual void SetCapacity(int) {}
    // Every line followed by CR LF, the last one too.
    virtual AnsiString GetTextStr() const;
    // Lines end at CR, LF or CR LF; a final line break adds no empty line.
    virtual void SetTextStr(const AnsiString& text);
    virtual void Clear() = 0;
    virtual void Delete(int index) = 0;
    virtual void Insert(int index, const AnsiString& s) = 0;
    virtual int Add(const AnsiString& s);
    virtual int AddObject(const AnsiString& s, TObject* object);
    virtual void InsertObject(int index, const AnsiString& s, TObject* object);
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);
    // Case is ignored (CompareText); -1 when absent.
    virtual int IndexOf(const AnsiString& s) const;
    // The first line whose text before the separator is `name`; lines without one never match.
    virtual int IndexOfName(const AnsiString& name) const;
    int IndexOfObject(TObject* object) const;
    void Append(const AnsiString& s) { Add(s); }
    void AddStrings(TStrings* strings);

    void Assign(TPersistent* source) override;
    void DefineProperties(TFiler* filer) override;
    bool Equals(const TStrings* other) const;

    // Inside a bracket the list reports one change at its end.
    void BeginUpdate();
    void EndUpdate();
    int GetUpdateCount() const { return FUpdateCount; }

    AnsiString GetStrings(int index) const { return Get(index); }
    void SetStrings(int index, const AnsiString& s) { Put(index, s); }
    TObject* GetObjects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }
    AnsiString GetText() const { return GetTextStr(); }
    void SetText(const AnsiString& text) { SetTextStr(text); }
    AnsiString GetNames(int index) const;
    AnsiString GetValue(const AnsiString& name) const;
    // An empty value deletes the line; a new name appends name=value.
    void SetValue(const AnsiString& name, const AnsiString& value);
    AnsiString GetValueFromIndex(int index) const;
    char GetNameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char value) { FNameValueSeparator = value; }

    // The rest of the stream, from its position, as the text.
    virtual void LoadFromStream(TStream* stream);
    virtual void SaveToStream(TStream* stream) const;
    void LoadFromFile(const AnsiString& fileName);
    void SaveToFile(const AnsiString& fileName) const;

protected:
    virtual void SetUpdateState(bool) {}
    // Compares two strings as the list orders and finds them.
    virtual int CompareStrings(const AnsiString& a, const AnsiString& b) const;
    // EStringListError with the message formatted with one integer.
    [[noreturn]] static void Error(const char* message, int data);

private:
    void ReadData(TReader* reader);
    void WriteData(TWriter* writer);

    int FUpdateCount = 0;
    char FNameValueSeparator = '=';
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
using TStringListSortCompare = std::function<int(TStringList* list, int index1, int index2)>;

class TStringList : public TStrings {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    TStringList() = default;
    ~TStringList() override;

    AnsiString Get(int index) const override;
    int GetCount() const override { return static_cast<int>(FItems.size()); }
    TObject* GetObject(int index) const override;
    void Put(int index, const AnsiString& s) override;
    void PutObject(int index, TObject* object) override;
    int GetCapacity() const override { return static_cast<int>(FItems.capacity()); }
    void SetCapacity(int capacity) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const AnsiString& s) override;
    void InsertObject(int index, const AnsiString& s, TObject* object) override;
    int Add(const AnsiString& s) override;
    int AddObject(const AnsiString& s, TObject* object) override;
    void Exchange(int index1, int index2) override;
    int IndexOf(const AnsiString& s) const override;

    // Binary search in a sorted list: true when found; `index` is the match or the insertion point.
    virtual bool Find(const AnsiString& s, int& index) const;
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& compare);

    bool GetSorted() const { return FSorted; }
    void SetSorted(bool value);
    TDuplicates GetDuplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool GetCaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);
    const TNotifyEvent& GetOnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& value) { FOnChange = value; }
    const TNotifyEvent& GetOnChanging() const { return FOnChanging; }
    void SetOnChanging(const TNotifyEvent& value) { FOnChanging = value; }

protected:
    virtual void Changed();
    virtual void Changing();
    void SetUpdateState(bool updating) override;
    int CompareStrings(const AnsiString& a, const AnsiString& b) const override;

private:
    struct TStringItem {
        AnsiString String;
        TObject* Object = nullptr;
    };

    void CheckIndex(int index) const;
    void InsertItem(int index, const AnsiString& s, TObject* object);

    std::vector<TStringItem> FItems;
    bool FSorted = false;
    TDuplicates FDuplicates = dupIgnore;
    bool FCaseSensitive = false;
    bool FUpdating = false;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnChanging;
};
