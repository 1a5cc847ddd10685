// Streams over files and resources by wide name, and the byte-order mark of a text stream.
#pragma once

#include <cstdint>

#include <memory>

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
