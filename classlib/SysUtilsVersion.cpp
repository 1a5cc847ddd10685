#include "classlib/SysUtilsVersion.h"
#include "classlib/Win.h"

namespace {

OSVERSIONINFOA ReadVersion()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    GetVersionExA(&info);
    return info;
}

const OSVERSIONINFOA StartVersion = ReadVersion();

}  // namespace

int Win32Platform = static_cast<int>(StartVersion.dwPlatformId);
int Win32MajorVersion = static_cast<int>(StartVersion.dwMajorVersion);
int Win32MinorVersion = static_cast<int>(StartVersion.dwMinorVersion);
