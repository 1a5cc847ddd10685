// Where a component keeps its settings: an ini file or a registry key. Only the
// options are held here; a change marks the store for opening again.
#pragma once

#include "classlib/Classes.h"

enum TKitPathType { ptIniFile, ptRegistry };
VARIRUVU_ENUM_INFO(TKitPathType, ptIniFile, ptRegistry);
enum TKitRegKey {
    hkeyClassesRoot,
    hkeyCurrentUser,
    hkeyLocalMachine,
    hkeyUsers,
    hkeyPerformanceData,
    hkeyCurrentConfig,
    hkeyDynData
};
VARIRUVU_ENUM_INFO(TKitRegKey, hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers, hkeyPerformanceData,
                   hkeyCurrentConfig, hkeyDynData);
enum TKitRegAccessKind {
    keyQueryValue,
    keySetValue,
    keyCreateSubKey,
    keyEnumerateSubKeys,
    keyNotify,
    keyCreateLink,
    keyRead,
    keyWrite,
    keyExecute,
    keyAllAccess
};
VARIRUVU_ENUM_INFO(TKitRegAccessKind, keyQueryValue, keySetValue, keyCreateSubKey, keyEnumerateSubKeys, keyNotify,
                   keyCreateLink, keyRead, keyWrite, keyExecute, keyAllAccess);
using TKitRegAccess = TSet<TKitRegAccessKind>;
enum TKitSpecialFolder { sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments, sfProgramData };
VARIRUVU_ENUM_INFO(TKitSpecialFolder, sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments,
                   sfProgramData);
enum TKitIniFileEncoding { feDefault, feUTF8, feUnicode };
VARIRUVU_ENUM_INFO(TKitIniFileEncoding, feDefault, feUTF8, feUnicode);

class TKitRegIniFile : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TComponent::TComponent;

    const AnsiString& GetPath() const { return FPath; }
    void SetPath(const AnsiString& value) { Change(FPath, value); }
    TKitPathType GetPathType() const { return FPathType; }
    void SetPathType(TKitPathType value) { Change(FPathType, value); }
    TKitRegKey GetRegKey() const { return FRegKey; }
    void SetRegKey(TKitRegKey value) { Change(FRegKey, value); }
    TKitRegAccess GetRegAccess() const { return FRegAccess; }
    void SetRegAccess(TKitRegAccess value) { Change(FRegAccess, value); }
    TKitSpecialFolder GetSpecialFolder() const { return FSpecialFolder; }
    void SetSpecialFolder(TKitSpecialFolder value) { Change(FSpecialFolder, value); }
    TKitIniFileEncoding GetFileEncoding() const { return FFileEncoding; }
    void SetFileEncoding(TKitIniFileEncoding value) { Change(FFileEncoding, value); }

    bool GetNeedsReopen() const { return FNeedsReopen; }

private:
    template <class T>
    void Change(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        FNeedsReopen = true;
    }

    AnsiString FPath;
    TKitPathType FPathType = ptIniFile;
    TKitRegKey FRegKey = hkeyCurrentUser;
    TKitRegAccess FRegAccess{keyAllAccess};
    TKitSpecialFolder FSpecialFolder = sfNone;
    TKitIniFileEncoding FFileEncoding = feDefault;
    bool FNeedsReopen = true;
};
