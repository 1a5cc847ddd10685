#include "unicode/UniClasses.h"

#include <memory>
#include <type_traits>

#include <objbase.h>

#include "unicode/UniSysUtils.h"

namespace {

struct TKeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using TKey = std::unique_ptr<std::remove_pointer_t<HKEY>, TKeyCloser>;

TKey OpenReadOnly(HKEY parent, const WideString& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    return TKey(key);
}

// The default value of the sub-key; '' when it is missing or no text.
WideString ReadDefaultValue(HKEY parent, const wchar_t* subKey)
{
    TKey key = OpenReadOnly(parent, subKey);
    DWORD type = 0;
    DWORD size = 0;
    if (!key || RegQueryValueExW(key.get(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return L"";
    WideString value(size / sizeof(wchar_t), L'\0');
    if (RegQueryValueExW(key.get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()), &size) !=
        ERROR_SUCCESS)
        return L"";
    // The stored text may or may not carry its terminator.
    value.resize(wcsnlen(value.c_str(), size / sizeof(wchar_t)));
    return value;
}

}  // namespace

bool IsComServerRegistered(const GUID& classId)
{
    LPOLESTR progId = nullptr;
    if (FAILED(ProgIDFromCLSID(classId, &progId)))
        return false;
    CoTaskMemFree(progId);
    wchar_t classText[39];
    StringFromGUID2(classId, classText, 39);
    // A path under a root key must not begin with a backslash.
    TKey classKey = OpenReadOnly(HKEY_LOCAL_MACHINE, WideString(L"SOFTWARE\\Classes\\CLSID\\") + classText);
    if (!classKey)
        return false;
    WideString server = ReadDefaultValue(classKey.get(), L"InProcServer32");
    if (server.empty())
        server = ReadDefaultValue(classKey.get(), L"InProcServer");
    return !server.empty() && FileExistsW(server);
}
