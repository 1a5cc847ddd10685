// The registry: keys opened by path under a root, and an INI-like view over it.
#pragma once

#include "classlib/IniFiles.h"

VARIRUVU_EXCEPTION(ERegistryException, Exception);

class TRegistry : public TObject {
public:
    explicit TRegistry(REGSAM access = KEY_ALL_ACCESS) : FAccess(access) {}
    ~TRegistry() override;

    HKEY GetRootKey() const { return FRootKey; }
    // Closes the current key.
    void SetRootKey(HKEY value);
    REGSAM GetAccess() const { return FAccess; }
    void SetAccess(REGSAM value) { FAccess = value; }
    HKEY GetCurrentKey() const { return FCurrentKey; }
    const AnsiString& GetCurrentPath() const { return FCurrentPath; }

    // A path that begins with a backslash starts at the root, any other at the
    // current key. Makes the key current; false when it cannot be opened (or made).
    bool OpenKey(const AnsiString& key, bool canCreate);
    bool OpenKeyReadOnly(const AnsiString& key);
    void CloseKey();
    bool CreateKey(const AnsiString& key);
    // Deletes the key with everything below it.
    bool DeleteKey(const AnsiString& key);
    bool KeyExists(const AnsiString& key);
    bool ValueExists(const AnsiString& name) const;
    bool DeleteValue(const AnsiString& name);
    void GetKeyNames(TStrings* strings) const;
    void GetValueNames(TStrings* strings) const;

    // Empty for a missing value; ERegistryException for one of another type.
    AnsiString ReadString(const AnsiString& name) const;
    void WriteString(const AnsiString& name, const AnsiString& value);
    // ERegistryException for a missing value or one of another type.
    int32_t ReadInteger(const AnsiString& name) const;
    void WriteInteger(const AnsiString& name, int32_t value);
    bool ReadBool(const AnsiString& name) const { return ReadInteger(name) != 0; }
    void WriteBool(const AnsiString& name, bool value) { WriteInteger(name, value ? 1 : 0); }

private:
    HKEY BaseFor(const AnsiString& key, AnsiString& relative) const;

    HKEY FRootKey = HKEY_CURRENT_USER;
    HKEY FCurrentKey = nullptr;
    AnsiString FCurrentPath;
    REGSAM FAccess;
};

// Sections are subkeys of the key named by the file name (under the current
// user unless the root is changed and the key opened again), idents are values.
class TRegIniFile : public TRegistry {
public:
    explicit TRegIniFile(const AnsiString& fileName, REGSAM access = KEY_ALL_ACCESS);

    const AnsiString& GetFileName() const { return FFileName; }
    AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue);
    void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value);
    // Reads integer values and integer text; anything else gives the default.
    int32_t ReadInteger(const AnsiString& section, const AnsiString& ident, int32_t defaultValue);
    void WriteInteger(const AnsiString& section, const AnsiString& ident, int32_t value);
    bool ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue);
    void WriteBool(const AnsiString& section, const AnsiString& ident, bool value);
    void EraseSection(const AnsiString& section);
    void DeleteKey(const AnsiString& section, const AnsiString& ident);

private:
    // The section's key, made for writing or opened with `access`; null when absent.
    HKEY SectionKey(const AnsiString& section, bool create, REGSAM access = KEY_READ) const;

    AnsiString FFileName;
};
