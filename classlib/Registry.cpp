#include "classlib/Registry.h"

#include <vector>

namespace {

// Closes a key opened for one call.
class TKeyHolder {
public:
    TKeyHolder(HKEY key, bool owned) : FKey(key), FOwned(owned) {}
    ~TKeyHolder()
    {
        if (FOwned && FKey)
            RegCloseKey(FKey);
    }
    TKeyHolder(const TKeyHolder&) = delete;
    TKeyHolder& operator=(const TKeyHolder&) = delete;
    HKEY Get() const { return FKey; }

private:
    HKEY FKey;
    bool FOwned;
};

std::vector<AnsiString> EnumNames(HKEY key, bool values)
{
    std::vector<AnsiString> names;
    if (!key)
        return names;
    char name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        LONG r = values ? RegEnumValueA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr)
                        : RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (r != ERROR_SUCCESS)
            break;
        names.emplace_back(name, size);
    }
    return names;
}

}  // namespace

// ---- TRegistry ----

TRegistry::~TRegistry()
{
    CloseKey();
}

void TRegistry::SetRootKey(HKEY value)
{
    CloseKey();
    FRootKey = value;
}

void TRegistry::CloseKey()
{
    if (FCurrentKey)
        RegCloseKey(FCurrentKey);
    FCurrentKey = nullptr;
    FCurrentPath.clear();
}

HKEY TRegistry::BaseFor(const AnsiString& key, AnsiString& relative) const
{
    bool absolute = !key.empty() && key[0] == '\\';
    relative = ExcludeTrailingPathDelimiter(absolute ? key.substr(1) : key);
    return absolute || !FCurrentKey ? FRootKey : FCurrentKey;
}

bool TRegistry::OpenKey(const AnsiString& key, bool canCreate)
{
    AnsiString relative;
    HKEY base = BaseFor(key, relative);
    HKEY opened = nullptr;
    LONG r = canCreate ? RegCreateKeyExA(base, relative.c_str(), 0, nullptr, 0, FAccess, nullptr, &opened, nullptr)
                       : RegOpenKeyExA(base, relative.c_str(), 0, FAccess, &opened);
    if (r != ERROR_SUCCESS)
        return false;
    AnsiString path = (base == FRootKey) ? relative : FCurrentPath + "\\" + relative;
    CloseKey();
    FCurrentKey = opened;
    FCurrentPath = path;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const AnsiString& key)
{
    REGSAM saved = FAccess;
    FAccess = KEY_READ;
    bool ok = OpenKey(key, false);
    FAccess = saved;
    return ok;
}

bool TRegistry::CreateKey(const AnsiString& key)
{
    AnsiString relative;
    HKEY base = BaseFor(key, relative);
    HKEY made = nullptr;
    if (RegCreateKeyExA(base, relative.c_str(), 0, nullptr, 0, FAccess, nullptr, &made, nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(made);
    return true;
}

bool TRegistry::DeleteKey(const AnsiString& key)
{
    AnsiString relative;
    HKEY base = BaseFor(key, relative);
    HKEY opened = nullptr;
    if (RegOpenKeyExA(base, relative.c_str(), 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS)
        return false;
    {
        TKeyHolder holder(opened, true);
        TRegistry sub(KEY_ALL_ACCESS);
        for (const AnsiString& child : EnumNames(opened, false)) {
            sub.SetRootKey(opened);
            sub.DeleteKey(child);
        }
    }
    return RegDeleteKeyA(base, relative.c_str()) == ERROR_SUCCESS;
}

bool TRegistry::KeyExists(const AnsiString& key)
{
    AnsiString relative;
    HKEY base = BaseFor(key, relative);
    HKEY opened = nullptr;
    if (RegOpenKeyExA(base, relative.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

bool TRegistry::ValueExists(const AnsiString& name) const
{
    return FCurrentKey && RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const AnsiString& name)
{
    return FCurrentKey && RegDeleteValueA(FCurrentKey, name.c_str()) == ERROR_SUCCESS;
}

void TRegistry::GetKeyNames(TStrings* strings) const
{
    strings->Clear();
    for (const AnsiString& name : EnumNames(FCurrentKey, false))
        strings->Add(name);
}

void TRegistry::GetValueNames(TStrings* strings) const
{
    strings->Clear();
    for (const AnsiString& name : EnumNames(FCurrentKey, true))
        strings->Add(name);
}

AnsiString TRegistry::ReadString(const AnsiString& name) const
{
    DWORD type = 0, size = 0;
    if (!FCurrentKey || RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return AnsiString();
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw ERegistryException(Format("Invalid data type for '%s'", name));
    std::vector<char> data(size + 1, '\0');
    RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    return AnsiString(data.data());
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value)
{
    if (!FCurrentKey || RegSetValueExA(FCurrentKey, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
        throw ERegistryException(Format("Failed to set data for '%s'", name));
}

int32_t TRegistry::ReadInteger(const AnsiString& name) const
{
    DWORD type = 0, value = 0, size = sizeof value;
    if (!FCurrentKey ||
        RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        throw ERegistryException(Format("Invalid data type for '%s'", name));
    return static_cast<int32_t>(value);
}

void TRegistry::WriteInteger(const AnsiString& name, int32_t value)
{
    auto v = static_cast<DWORD>(value);
    if (!FCurrentKey ||
        RegSetValueExA(FCurrentKey, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v) !=
            ERROR_SUCCESS)
        throw ERegistryException(Format("Failed to set data for '%s'", name));
}

// ---- TRegIniFile ----

TRegIniFile::TRegIniFile(const AnsiString& fileName, REGSAM access) : TRegistry(access), FFileName(fileName)
{
    OpenKey(fileName, true);
}

HKEY TRegIniFile::SectionKey(const AnsiString& section, bool create, REGSAM access) const
{
    HKEY base = GetCurrentKey();
    if (!base)
        return nullptr;
    if (section.empty())
        return base;
    HKEY key = nullptr;
    LONG r = create ? RegCreateKeyExA(base, section.c_str(), 0, nullptr, 0, GetAccess(), nullptr, &key, nullptr)
                    : RegOpenKeyExA(base, section.c_str(), 0, access, &key);
    return r == ERROR_SUCCESS ? key : nullptr;
}

AnsiString TRegIniFile::ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue)
{
    TKeyHolder key(SectionKey(section, false), !section.empty());
    DWORD type = 0, size = 0;
    if (!key.Get() || RegQueryValueExA(key.Get(), ident.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return defaultValue;
    std::vector<char> data(size + 1, '\0');
    RegQueryValueExA(key.Get(), ident.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    return AnsiString(data.data());
}

void TRegIniFile::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value)
{
    TKeyHolder key(SectionKey(section, true), !section.empty());
    if (!key.Get() || RegSetValueExA(key.Get(), ident.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
        throw ERegistryException(Format("Failed to set data for '%s'", ident));
}

int32_t TRegIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident, int32_t defaultValue)
{
    TKeyHolder key(SectionKey(section, false), !section.empty());
    DWORD type = 0, value = 0, size = sizeof value;
    if (key.Get() &&
        RegQueryValueExA(key.Get(), ident.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
            ERROR_SUCCESS &&
        type == REG_DWORD)
        return static_cast<int32_t>(value);
    return StrToIntDef(ReadString(section, ident, AnsiString()), defaultValue);
}

void TRegIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, int32_t value)
{
    TKeyHolder key(SectionKey(section, true), !section.empty());
    auto v = static_cast<DWORD>(value);
    if (!key.Get() ||
        RegSetValueExA(key.Get(), ident.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v) !=
            ERROR_SUCCESS)
        throw ERegistryException(Format("Failed to set data for '%s'", ident));
}

bool TRegIniFile::ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue)
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TRegIniFile::WriteBool(const AnsiString& section, const AnsiString& ident, bool value)
{
    WriteInteger(section, ident, value ? 1 : 0);
}

void TRegIniFile::EraseSection(const AnsiString& section)
{
    TRegistry::DeleteKey(section);
}

void TRegIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident)
{
    TKeyHolder key(SectionKey(section, false, KEY_SET_VALUE), !section.empty());
    if (key.Get())
        RegDeleteValueA(key.Get(), ident.c_str());
}
