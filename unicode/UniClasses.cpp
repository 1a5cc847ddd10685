#include "unicode/UniClasses.h"

#include <string>

#include "unicode/UniSysUtils.h"

namespace {

HANDLE OpenFileHandle(const WideString& fileName, uint16_t mode)
{
    bool create = mode == fmCreate;
    HANDLE handle = create ? WideFileCreate(fileName) : WideFileOpen(fileName, mode);
    if (handle != INVALID_HANDLE_VALUE)
        return handle;
    // The code first: computing the path may change it.
    DWORD code = GetLastError();
    WideString fullPath = ExpandFileNameW(fileName);
    WideString reason = SysErrorMessageW(code);
    if (create)
        throw EFCreateError(WideFormat(L"Cannot create file \"%s\". %s", fullPath, reason));
    throw EFOpenError(WideFormat(L"Cannot open file \"%s\". %s", fullPath, reason));
}

}  // namespace

TUniFileStream::TUniFileStream(const WideString& fileName, uint16_t mode) : THandleStream(OpenFileHandle(fileName, mode))
{
}

TUniFileStream::~TUniFileStream()
{
    CloseHandle(FHandle);
}

TUniResourceStream::TUniResourceStream(HINSTANCE instance, const WideString& resName, const wchar_t* resType)
    : TUniResourceStream(instance, resName.c_str(), resName, resType)
{
}

std::unique_ptr<TUniResourceStream> TUniResourceStream::OpenByNumber(HINSTANCE instance, int resId,
                                                                     const wchar_t* resType)
{
    return std::unique_ptr<TUniResourceStream>(new TUniResourceStream(
        instance, MAKEINTRESOURCEW(resId & 0xFFFF), std::to_wstring(resId & 0xFFFF), resType));
}

TUniResourceStream::TUniResourceStream(HINSTANCE instance, const wchar_t* name, const WideString& shownName,
                                       const wchar_t* resType)
{
    FResInfo = FindResourceW(instance, name, resType);
    FResData = FResInfo ? LoadResource(instance, FResInfo) : nullptr;
    void* data = FResData ? LockResource(FResData) : nullptr;
    if (!data)
        throw EResNotFound(WideFormat(L"Resource %s not found", shownName));
    SetPointer(data, int64_t(SizeofResource(instance, FResInfo)));
}

TUniResourceStream::~TUniResourceStream()
{
    FreeResource(FResData);
}

int32_t TUniResourceStream::Write(const void*, int32_t)
{
    throw EStreamError("Can't write to a read-only resource stream");
}

TStreamCharSet DetectStreamCharSet(TStream* stream)
{
    auto left = [stream] { return stream->GetSize() - stream->GetPosition(); };
    if (left() > 1) {
        uint8_t mark[2];
        int32_t n = stream->Read(mark, 2);
        if (n == 2 && mark[0] == 0xFF && mark[1] == 0xFE)
            return Utf16LE;
        if (n == 2 && mark[0] == 0xFE && mark[1] == 0xFF)
            return Utf16BE;
        stream->Seek(-n, soCurrent);
    }
    if (left() > 2) {
        uint8_t mark[3];
        int32_t n = stream->Read(mark, 3);
        if (n == 3 && mark[0] == 0xEF && mark[1] == 0xBB && mark[2] == 0xBF)
            return Utf8;
        stream->Seek(-n, soCurrent);
    }
    return AnsiText;
}
