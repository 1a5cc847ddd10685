#include "components/KitRegIniFile.h"

VARIRUVU_CLASS_INFO(TKitRegIniFile, TComponent)
{
    info.Property("Path", &TKitRegIniFile::GetPath, &TKitRegIniFile::SetPath);
    info.Property("PathType", &TKitRegIniFile::GetPathType, &TKitRegIniFile::SetPathType).Default(ptIniFile);
    info.Property("RegKey", &TKitRegIniFile::GetRegKey, &TKitRegIniFile::SetRegKey).Default(hkeyCurrentUser);
    info.Property("RegAccess", &TKitRegIniFile::GetRegAccess, &TKitRegIniFile::SetRegAccess)
        .Default(TKitRegAccess{keyAllAccess});
    info.Property("SpecialFolder", &TKitRegIniFile::GetSpecialFolder, &TKitRegIniFile::SetSpecialFolder)
        .Default(sfNone);
    info.Property("FileEncoding", &TKitRegIniFile::GetFileEncoding, &TKitRegIniFile::SetFileEncoding)
        .Default(feDefault);
}
