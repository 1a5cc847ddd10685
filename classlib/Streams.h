// The stream family: 64-bit positions and sizes; ReadBuffer/WriteBuffer raise.
#pragma once

#include <cstdint>
#include <vector>

#include "classlib/Object.h"
#include "classlib/System.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// File modes: the low bits choose the access, bits 4 to 7 the sharing.
constexpr uint16_t fmCreate = 0xFFFF;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

class TStream : public TObject {
public:
    // Both give the number of bytes moved, 0 when nothing could be.
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    // Gives the new position.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t GetPosition() { return Seek(0, soCurrent); }
    void SetPosition(int64_t value) { Seek(value, soBeginning); }
    virtual int64_t GetSize();
    virtual void SetSize(int64_t value);

    // EReadError "Stream read error" when fewer than `count` bytes are there.
    void ReadBuffer(void* buffer, int32_t count);
    // EWriteError "Stream write error" when fewer than `count` bytes were taken.
    void WriteBuffer(const void* buffer, int32_t count);
    // Copies `count` bytes from the source's position; 0 copies the whole source from its start.
    int64_t CopyFrom(TStream* source, int64_t count);
};

// A stream over a handle it does not own.
class THandleStream : public TStream {
public:
    explicit THandleStream(HANDLE handle) : FHandle(handle) {}

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t value) override;
    HANDLE GetHandle() const { return FHandle; }

protected:
    HANDLE FHandle;
};

// A file opened by name; closes its handle when freed.
class TFileStream : public THandleStream {
public:
    // EFCreateError "Cannot create file "%s". %s" or EFOpenError
    // "Cannot open file "%s". %s", with the full path and the system's message.
    TFileStream(const AnsiString& fileName, uint16_t mode);
    ~TFileStream() override;

    const AnsiString& GetFileName() const { return FFileName; }

private:
    static HANDLE Open(const AnsiString& fileName, uint16_t mode);

    AnsiString FFileName;
};

// A stream over memory that a descendant provides with SetPointer.
class TCustomMemoryStream : public TStream {
public:
    int32_t Read(void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void* GetMemory() const { return FMemory; }
    void SaveToStream(TStream* stream);
    void SaveToFile(const AnsiString& fileName);

protected:
    void SetPointer(void* memory, int64_t size);

    void* FMemory = nullptr;
    int64_t FSize = 0;
    int64_t FPosition = 0;
};

// A growing block of memory of its own.
class TMemoryStream : public TCustomMemoryStream {
public:
    int32_t Write(const void* buffer, int32_t count) override;
    void SetSize(int64_t value) override;
    void Clear();
    // The whole source, from its start.
    void LoadFromStream(TStream* stream);
    void LoadFromFile(const AnsiString& fileName);

private:
    std::vector<uint8_t> FData;
};

// A read-only view of a resource of a module; the data is not copied.
class TResourceStream : public TCustomMemoryStream {
public:
    // EResNotFound "Resource %s not found".
    TResourceStream(HINSTANCE instance, const AnsiString& resName, const char* resType);
    TResourceStream(HINSTANCE instance, int resId, const char* resType);
    ~TResourceStream() override;

    // EStreamError "Can't write to a read-only resource stream".
    int32_t Write(const void* buffer, int32_t count) override;

private:
    void Initialize(HINSTANCE instance, const char* name, const char* resType, const AnsiString& shownName);

    HGLOBAL FResource = nullptr;
};
