// Exceptions and the runtime's file and path helpers.
#pragma once

#include <exception>
#include <string>

#include "classlib/System.h"

// Root of every exception the system raises: a wide message; what() gives it as UTF-8.
class Exception : public std::exception {
public:
    explicit Exception(const WideString& message);
    explicit Exception(const AnsiString& message);
    explicit Exception(const char* message) : Exception(AnsiString(message)) {}

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

// True for an existing file; false for a folder or nothing.
bool FileExists(const AnsiString& fileName);
bool DirectoryExists(const AnsiString& name);
// The full path of a possibly relative name; the name itself when expansion fails.
AnsiString ExpandFileName(const AnsiString& fileName);
// Everything up to and including the last backslash or colon.
AnsiString ExtractFilePath(const AnsiString& fileName);
// Everything after the last backslash or colon.
AnsiString ExtractFileName(const AnsiString& fileName);
AnsiString IncludeTrailingPathDelimiter(const AnsiString& path);
