#include "app/registrysettings.h"

#include "app/messageboxes.h"
#include "app/programfolder.h"
#include "classlib/Registry.h"

namespace {

constexpr const char* MirrorKey = "\\Software\\BREVANT\\Clearvane";
constexpr const char* RunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* FileVerbKey = "\\*\\shell\\Quon file variruvu";
constexpr const char* FolderVerbKey = "\\Folder\\shell\\Quon file variruvu";

// A key of `root` opened for writing, made when missing; null when neither works.
class TWritableKey {
public:
    TWritableKey(HKEY root, const AnsiString& key) : FRegistry(KEY_WRITE)
    {
        FRegistry.SetRootKey(root);
        FOpen = FRegistry.OpenKey(key, true);
    }
    explicit operator bool() const { return FOpen; }
    TRegistry* operator->() { return &FRegistry; }

private:
    TRegistry FRegistry;
    bool FOpen;
};

AnsiString Quoted(const AnsiString& text)
{
    return "\"" + text + "\"";
}

}  // namespace

void WriteRegistryMirror(const TRegistryMirror& mirror)
{
    TWritableKey key(HKEY_CURRENT_USER, MirrorKey);
    if (!key)
        return;
    key->WriteInteger("EraseMethod", mirror.EraseMethod);
    key->WriteString("ProgVers", mirror.ProgVers);
    key->WriteInteger("Language", mirror.Language);
    key->WriteString("LastApply", "");
    key->WriteString("LastUpdate", "");
    key->WriteBool("ShowSplash", mirror.ShowSplash);
    key->WriteBool("CntxMn", mirror.ContextMenu);
}

void WriteMirrorEraseMethod(int method)
{
    if (TWritableKey key(HKEY_CURRENT_USER, MirrorKey); key)
        key->WriteInteger("EraseMethod", method);
}

void WriteMirrorLastApply(const AnsiString& when)
{
    if (TWritableKey key(HKEY_CURRENT_USER, MirrorKey); key)
        key->WriteString("LastApply", when);
}

void WriteMirrorContextMenu(bool on)
{
    if (TWritableKey key(HKEY_CURRENT_USER, MirrorKey); key)
        key->WriteBool("CntxMn", on);
}

void AddRunEntry(const AnsiString& name, const AnsiString& path)
{
    if (TWritableKey key(HKEY_LOCAL_MACHINE, RunKey); key)
        key->WriteString(name, path);
}

void RemoveRunEntry(const AnsiString& name)
{
    if (TWritableKey key(HKEY_LOCAL_MACHINE, RunKey); key)
        key->DeleteValue(name);
}

void RegisterContextMenu()
{
    const AnsiString program = Quoted(ProgramFileName());
    // Each key is opened beneath the one before: the icon key lies under the command key.
    TWritableKey key(HKEY_CLASSES_ROOT, FileVerbKey);
    if (key) {
        key->WriteString("", MessageText("sFileVariruvuContext"));
        if (key->OpenKey("command", true)) {
            key->WriteString("", program + " " + Quoted("%1"));
            if (key->OpenKey("DefaultIcon", true))
                key->WriteString("", program + ",0");
        }
    }
    WriteMirrorContextMenu(true);
}

void UnregisterContextMenu()
{
    TRegistry classes(KEY_WRITE);
    classes.SetRootKey(HKEY_CLASSES_ROOT);
    classes.DeleteKey(FolderVerbKey);
    classes.DeleteKey(FileVerbKey);
    WriteMirrorContextMenu(false);
}
