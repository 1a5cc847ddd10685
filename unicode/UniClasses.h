// Streams over files and resources by wide name, the byte-order mark of a
// text stream, and what the wide controls share: their streaming hook, the
// step keeping a wide value and its 8-bit twin alike, helper objects attached
// to components, and the COM server test.
#pragma once

#include <cstdint>

#include <functional>
#include <memory>

#include "classlib/Filers.h"
#include "classlib/Lists.h"
#include "classlib/Streams.h"

enum TStreamCharSet { AnsiText = 0, Utf16LE = 1, Utf16BE = 2, Utf8 = 3 };

// Mode 0xFFFF creates (an existing file is truncated); any other mode opens
// an existing file with the access and sharing it names.
class TUniFileStream : public THandleStream {
public:
    TUniFileStream(const WideString& fileName, uint16_t mode);
    ~TUniFileStream() override;
};

// A read-only stream over a resource's data, which is not copied.
class TUniResourceStream : public TCustomMemoryStream {
public:
    TUniResourceStream(HINSTANCE instance, const WideString& resName, const wchar_t* resType);
    static std::unique_ptr<TUniResourceStream> OpenByNumber(HINSTANCE instance, int resId, const wchar_t* resType);
    ~TUniResourceStream() override;

    int32_t Write(const void* buffer, int32_t count) override;

private:
    TUniResourceStream(HINSTANCE instance, const wchar_t* name, const WideString& shownName, const wchar_t* resType);

    HRSRC FResInfo = nullptr;
    HGLOBAL FResData = nullptr;
};

// The mark at the stream's position, which is left behind a recognised mark
// and unchanged otherwise.
TStreamCharSet DetectStreamCharSet(TStream* stream);

// Declares "<P>W" and "<P>_UTF7" for every published WideString and WideChar
// property P of `instance`, so that form data carrying them can be read.
// Every wide control calls it from DefineProperties after the inherited ones.
void WidePropertyFilerHook(TFiler* filer, TPersistent* instance);

// WideString properties: both pseudo-properties are read and dropped, since
// the property streams itself in full; nothing is ever written.
class TUniWideStringPropertyFiler : public TObject {
public:
    void DefineProperties(TFiler* filer, const TPropInfo& prop);
};

// WideChar properties: "<P>W" holds the character as a one-character wide
// string; "<P>_UTF7", only read, as UTF-7 text.
class TUniWideCharPropertyFiler : public TObject {
public:
    void DefineProperties(TFiler* filer, TPersistent* instance, const TPropInfo& prop);

private:
    bool IsStored() const;
    void ReadData(TReader* reader);
    void WriteData(TWriter* writer);
    void ReadDataUtf7(TReader* reader);
    void Store(const WideString& text);

    // Set only while the definitions of one property are made.
    TPersistent* FTargetObject = nullptr;
    const TPropInfo* FTargetProperty = nullptr;
    TWriter* FActiveWriter = nullptr;
};

// The wide value, first replaced by the widened 8-bit one when code changed
// the 8-bit twin behind its back (they no longer convert into each other).
WideString SyncWideFromAnsi(WideString& wideValue, const AnsiString& ansiValue);
// Gives the wide value and its 8-bit twin the new value; setAnsi is the twin's
// setter. A new value the 8-bit form cannot tell from the current one still
// reaches the twin as a change: it is emptied first.
void SyncWideToAnsi(const WideString& newValue, WideString& wideValue, const AnsiString& ansiValue,
                    const std::function<void(const AnsiString&)>& setAnsi);

// The wide values of one component, kept in a list of helpers sorted by the
// address of their component. A helper frees itself, leaving its list, when
// its component is freed.
class TWideComponentHelper : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    TWideComponentHelper(TComponent* component, TComponentList* helperList);
    // Helpers are never made by class, as streams do: raises EUniInternalError.
    explicit TWideComponentHelper(TComponent* owner);

    TComponent* GetHelpedComponent() const { return FHelpedComponent; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TComponent* FHelpedComponent = nullptr;
};

// Binary search by component address: true and its index when the component
// has a helper, else false and the index to insert one at.
bool FindWideComponentHelperIndex(const TComponentList* helperList, const TComponent* component, int& index);
// Null when the component has no helper.
TWideComponentHelper* LookupWideComponentHelper(const TComponentList* helperList, const TComponent* component);

// True when the class has a ProgID and names an in-process server file that
// exists; every failure answers false.
bool IsComServerRegistered(const GUID& classId);
