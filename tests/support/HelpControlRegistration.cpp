#include "tests/support/HelpControlRegistration.h"

namespace {

const char* const ControlClassKey = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";

HKEY CreateKey()
{
    HKEY key = nullptr;
    return RegCreateKeyExA(HKEY_CLASSES_ROOT, ControlClassKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                           nullptr) == ERROR_SUCCESS
               ? key
               : nullptr;
}

}  // namespace

THelpControlRegistration::THelpControlRegistration()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ControlClassKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    FExisted = true;
    DWORD size = 0;
    if (RegQueryValueExA(key, "", nullptr, &FType, nullptr, &size) == ERROR_SUCCESS) {
        FValue.resize(size);
        RegQueryValueExA(key, "", nullptr, &FType, reinterpret_cast<BYTE*>(FValue.data()), &size);
        FHadValue = true;
    }
    RegCloseKey(key);
}

THelpControlRegistration::~THelpControlRegistration()
{
    if (!FExisted) {
        Remove();
    } else if (FHadValue) {
        Set(FType, FValue);
    } else if (HKEY key = CreateKey()) {
        RegDeleteValueA(key, "");
        RegCloseKey(key);
    }
}

void THelpControlRegistration::Set(DWORD type, const AnsiString& bytes)
{
    if (HKEY key = CreateKey()) {
        RegSetValueExA(key, "", 0, type, reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }
}

void THelpControlRegistration::SetPath(const AnsiString& path, DWORD type)
{
    Set(type, AnsiString(path.c_str(), path.size() + 1));
}

void THelpControlRegistration::Remove()
{
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ControlClassKey);
}
