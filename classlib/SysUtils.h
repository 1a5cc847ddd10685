// Exceptions, text and number conversion, formatting, date-time text and the
// runtime's file and path helpers.
#pragma once

#include <cstdint>
#include <exception>
#include <initializer_list>
#include <string>
#include <type_traits>

#include "classlib/System.h"

// Root of every exception the system raises: a wide message; what() gives it as UTF-8.
class Exception : public std::exception {
public:
    explicit Exception(const WideString& message);
    explicit Exception(const AnsiString& message);
    explicit Exception(const char* message) : Exception(AnsiString(message)) {}
    explicit Exception(const wchar_t* message) : Exception(WideString(message)) {}

    const WideString& GetMessage() const { return FMessage; }
    void SetMessage(const WideString& message);
    const char* what() const noexcept override { return FWhat.c_str(); }

private:
    WideString FMessage;
    std::string FWhat;
};

#define VARIRUVU_EXCEPTION(Name, Base)    \
    class Name : public Base {            \
    public:                               \
        using Base::Base;                 \
    }

VARIRUVU_EXCEPTION(EConvertError, Exception);
VARIRUVU_EXCEPTION(EListError, Exception);
VARIRUVU_EXCEPTION(EStringListError, EListError);
VARIRUVU_EXCEPTION(EStreamError, Exception);
VARIRUVU_EXCEPTION(EFCreateError, EStreamError);
VARIRUVU_EXCEPTION(EFOpenError, EStreamError);
VARIRUVU_EXCEPTION(EFilerError, EStreamError);
VARIRUVU_EXCEPTION(EReadError, EFilerError);
VARIRUVU_EXCEPTION(EWriteError, EFilerError);
VARIRUVU_EXCEPTION(EClassNotFound, EFilerError);
VARIRUVU_EXCEPTION(EResNotFound, Exception);
VARIRUVU_EXCEPTION(EComponentError, Exception);
VARIRUVU_EXCEPTION(EThread, Exception);
VARIRUVU_EXCEPTION(EOutOfResources, Exception);
VARIRUVU_EXCEPTION(EInvalidOperation, Exception);
// A failed COM call: its HRESULT in the message.
VARIRUVU_EXCEPTION(EOleError, Exception);

// A failed system call: the system's own message for the error code.
class EOSError : public Exception {
public:
    explicit EOSError(DWORD errorCode);
    EOSError(DWORD errorCode, const WideString& message) : Exception(message), FErrorCode(errorCode) {}
    DWORD GetErrorCode() const { return FErrorCode; }

private:
    DWORD FErrorCode;
};

// A failed write of a settings store or file.
class EInOutError : public Exception {
public:
    EInOutError(DWORD errorCode, const WideString& message) : Exception(message), FErrorCode(errorCode) {}
    DWORD GetErrorCode() const { return FErrorCode; }

private:
    DWORD FErrorCode;
};

// The system's message text for an error code, without the trailing line break.
WideString SysErrorMessage(DWORD errorCode);
[[noreturn]] void RaiseLastOSError();

// ---- formatting ----

// One argument of Format: an integer, an 8-bit or a wide string.
class TFormatArg {
public:
    enum TKind { fkInteger, fkAnsi, fkWide };

    template <class T, class = std::enable_if_t<std::is_integral_v<T> || std::is_enum_v<T>>>
    TFormatArg(T value) : FKind(fkInteger), FInteger(static_cast<int64_t>(value)), FIs64(sizeof(T) == 8)
    {
    }
    TFormatArg(const char* value) : FKind(fkAnsi), FAnsi(value ? value : "") {}
    TFormatArg(const AnsiString& value) : FKind(fkAnsi), FAnsi(value) {}
    TFormatArg(const wchar_t* value) : FKind(fkWide), FWide(value ? value : L"") {}
    TFormatArg(const WideString& value) : FKind(fkWide), FWide(value) {}

    TKind GetKind() const { return FKind; }
    int64_t GetInteger() const { return FInteger; }
    bool GetIs64() const { return FIs64; }
    const AnsiString& GetAnsi() const { return FAnsi; }
    const WideString& GetWide() const { return FWide; }

private:
    TKind FKind;
    int64_t FInteger = 0;
    bool FIs64 = false;
    AnsiString FAnsi;
    WideString FWide;
};

// %s (8-bit or wide argument; precision cuts), %d and %u (precision gives the
// least number of digits), %x and %X, %%; each with an optional '-', width and
// precision. A specifier that does not fit its argument raises EConvertError.
AnsiString FormatArgs(const AnsiString& format, std::initializer_list<TFormatArg> args);
WideString WideFormatArgs(const WideString& format, std::initializer_list<TFormatArg> args);

template <class... A>
AnsiString Format(const AnsiString& format, const A&... args)
{
    return FormatArgs(format, {TFormatArg(args)...});
}
template <class... A>
WideString WideFormat(const WideString& format, const A&... args)
{
    return WideFormatArgs(format, {TFormatArg(args)...});
}

// ---- text ----

// ASCII letters compare without regard to case, everything else by code;
// a text that is a prefix of the other sorts first.
int CompareText(const AnsiString& a, const AnsiString& b);
bool SameText(const AnsiString& a, const AnsiString& b);
int CompareStr(const AnsiString& a, const AnsiString& b);
AnsiString UpperCase(const AnsiString& s);
AnsiString LowerCase(const AnsiString& s);
// Characters of code 32 and below go at the ends.
AnsiString Trim(const AnsiString& s);
AnsiString TrimLeft(const AnsiString& s);
AnsiString TrimRight(const AnsiString& s);
WideString Trim(const WideString& s);
WideString TrimLeft(const WideString& s);
WideString TrimRight(const WideString& s);

AnsiString IntToStr(int64_t value);
AnsiString IntToHex(int64_t value, int digits);
// Decimal with an optional sign, or hexadecimal after '$' or "0x"; blanks around are allowed.
bool TryStrToInt(const AnsiString& s, int32_t& value);
bool TryStrToInt64(const AnsiString& s, int64_t& value);
// EConvertError "'%s' is not a valid integer value".
int32_t StrToInt(const AnsiString& s);
int64_t StrToInt64(const AnsiString& s);
int32_t StrToIntDef(const AnsiString& s, int32_t defaultValue);

// A string from the module's STRINGTABLE; empty when it has none of that number.
AnsiString LoadStr(UINT id, HINSTANCE instance = nullptr);
WideString LoadWideStr(UINT id, HINSTANCE instance = nullptr);

// ---- date and time: days since 30 December 1899, the time as the fraction ----

using TDateTime = double;

TDateTime Now();
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& result);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);
SYSTEMTIME DateTimeToSystemTime(TDateTime value);
TDateTime SystemTimeToDateTime(const SYSTEMTIME& value);
// In the user's short date and long time format; DateTimeToStr leaves the
// time out when it is midnight.
AnsiString DateToStr(TDateTime value);
AnsiString TimeToStr(TDateTime value);
AnsiString DateTimeToStr(TDateTime value);

// ---- files and paths ----

// True for an existing file; false for a folder or nothing.
bool FileExists(const AnsiString& fileName);
bool DirectoryExists(const AnsiString& name);
// The full path of a possibly relative name; the name itself when expansion fails.
AnsiString ExpandFileName(const AnsiString& fileName);
// Everything up to and including the last backslash or colon.
AnsiString ExtractFilePath(const AnsiString& fileName);
// ExtractFilePath without the trailing backslash (unless it is a root such as "C:\").
AnsiString ExtractFileDir(const AnsiString& fileName);
// Everything after the last backslash or colon.
AnsiString ExtractFileName(const AnsiString& fileName);
// From the last dot of the name on, the dot included; empty when there is none.
AnsiString ExtractFileExt(const AnsiString& fileName);
AnsiString ChangeFileExt(const AnsiString& fileName, const AnsiString& extension);
AnsiString IncludeTrailingPathDelimiter(const AnsiString& path);
AnsiString ExcludeTrailingPathDelimiter(const AnsiString& path);
bool DeleteFile(const AnsiString& fileName);
bool RenameFile(const AnsiString& oldName, const AnsiString& newName);
bool CreateDir(const AnsiString& dir);
bool RemoveDir(const AnsiString& dir);
// Creates the folder and every missing parent.
bool ForceDirectories(const AnsiString& dir);
AnsiString GetCurrentDir();
