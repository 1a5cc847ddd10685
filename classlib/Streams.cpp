#include "classlib/Streams.h"

#include <algorithm>
#include <cstring>

#include "classlib/SysUtils.h"

// ---- TStream ----

int64_t TStream::GetSize()
{
    int64_t position = Seek(0, soCurrent);
    int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::SetSize(int64_t)
{
    throw EStreamError(L"Stream size cannot be changed");
}

void TStream::ReadBuffer(void* buffer, int32_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError(L"Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int32_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError(L"Stream write error");
}

int64_t TStream::CopyFrom(TStream* source, int64_t count)
{
    if (count == 0) {
        source->SetPosition(0);
        count = source->GetSize();
    }
    const int32_t chunk = 65536;
    std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(count, chunk)) + 1);
    int64_t left = count;
    while (left > 0) {
        auto n = static_cast<int32_t>(std::min<int64_t>(left, chunk));
        source->ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return count;
}

// ---- THandleStream ----

int32_t THandleStream::Read(void* buffer, int32_t count)
{
    DWORD done = 0;
    if (count <= 0 || !ReadFile(FHandle, buffer, static_cast<DWORD>(count), &done, nullptr))
        return 0;
    return static_cast<int32_t>(done);
}

int32_t THandleStream::Write(const void* buffer, int32_t count)
{
    DWORD done = 0;
    if (count <= 0 || !WriteFile(FHandle, buffer, static_cast<DWORD>(count), &done, nullptr))
        return 0;
    return static_cast<int32_t>(done);
}

int64_t THandleStream::Seek(int64_t offset, TSeekOrigin origin)
{
    static const DWORD methods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    LARGE_INTEGER distance, result;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(FHandle, distance, &result, methods[origin]))
        return -1;
    return result.QuadPart;
}

void THandleStream::SetSize(int64_t value)
{
    int64_t position = GetPosition();
    Seek(value, soBeginning);
    if (!SetEndOfFile(FHandle))
        RaiseLastOSError();
    Seek(std::min(position, value), soBeginning);
}

// ---- TFileStream ----

HANDLE TFileStream::Open(const AnsiString& fileName, uint16_t mode)
{
    HANDLE h;
    if (mode == fmCreate) {
        h = CreateFileA(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    } else {
        static const DWORD access[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE, 0};
        static const DWORD share[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE};
        unsigned shareIndex = (mode >> 4) & 0x0F;
        h = CreateFileA(fileName.c_str(), access[mode & 3], shareIndex < 5 ? share[shareIndex] : 0, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (h == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        WideString path = AnsiToWide(ExpandFileName(fileName));
        if (mode == fmCreate)
            throw EFCreateError(WideFormat(L"Cannot create file \"%s\". %s", path, SysErrorMessage(error)));
        throw EFOpenError(WideFormat(L"Cannot open file \"%s\". %s", path, SysErrorMessage(error)));
    }
    return h;
}

TFileStream::TFileStream(const AnsiString& fileName, uint16_t mode)
    : THandleStream(Open(fileName, mode)), FFileName(fileName)
{
}

TFileStream::~TFileStream()
{
    CloseHandle(FHandle);
}

// ---- TCustomMemoryStream ----

int32_t TCustomMemoryStream::Read(void* buffer, int32_t count)
{
    if (count <= 0 || FPosition >= FSize)
        return 0;
    auto n = static_cast<int32_t>(std::min<int64_t>(count, FSize - FPosition));
    std::memcpy(buffer, static_cast<const uint8_t*>(FMemory) + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

int64_t TCustomMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? FPosition : FSize;
    if (base + offset < 0)
        return -1;
    FPosition = base + offset;
    return FPosition;
}

void TCustomMemoryStream::SetPointer(void* memory, int64_t size)
{
    FMemory = memory;
    FSize = size;
}

void TCustomMemoryStream::SaveToStream(TStream* stream)
{
    int64_t done = 0;
    while (done < FSize) {
        auto n = static_cast<int32_t>(std::min<int64_t>(FSize - done, 1 << 30));
        stream->WriteBuffer(static_cast<const uint8_t*>(FMemory) + done, n);
        done += n;
    }
}

void TCustomMemoryStream::SaveToFile(const AnsiString& fileName)
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(&file);
}

// ---- TMemoryStream ----

int32_t TMemoryStream::Write(const void* buffer, int32_t count)
{
    if (count <= 0)
        return 0;
    int64_t end = FPosition + count;
    if (end > FSize)
        SetSize(end);
    std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
    FPosition = end;
    return count;
}

void TMemoryStream::SetSize(int64_t value)
{
    if (value < 0)
        throw EStreamError(L"Stream size cannot be negative");
    FData.resize(static_cast<size_t>(value));
    SetPointer(FData.data(), value);
    if (FPosition > value)
        FPosition = value;
}

void TMemoryStream::Clear()
{
    SetSize(0);
    FData.shrink_to_fit();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* stream)
{
    stream->SetPosition(0);
    int64_t size = stream->GetSize();
    SetSize(size);
    FPosition = 0;
    int64_t done = 0;
    while (done < size) {
        auto n = static_cast<int32_t>(std::min<int64_t>(size - done, 1 << 30));
        stream->ReadBuffer(FData.data() + done, n);
        done += n;
    }
}

void TMemoryStream::LoadFromFile(const AnsiString& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file);
}

// ---- TResourceStream ----

TResourceStream::TResourceStream(HINSTANCE instance, const AnsiString& resName, const char* resType)
{
    Initialize(instance, resName.c_str(), resType, resName);
}

TResourceStream::TResourceStream(HINSTANCE instance, int resId, const char* resType)
{
    Initialize(instance, MAKEINTRESOURCEA(resId), resType, IntToStr(resId));
}

void TResourceStream::Initialize(HINSTANCE instance, const char* name, const char* resType, const AnsiString& shownName)
{
    HRSRC info = FindResourceA(instance, name, resType);
    FResource = info ? LoadResource(instance, info) : nullptr;
    void* data = FResource ? LockResource(FResource) : nullptr;
    if (!data)
        throw EResNotFound(Format("Resource %s not found", shownName));
    SetPointer(data, SizeofResource(instance, info));
}

TResourceStream::~TResourceStream()
{
    FreeResource(FResource);
}

int32_t TResourceStream::Write(const void*, int32_t)
{
    throw EStreamError(L"Can't write to a read-only resource stream");
}
