#include "classlib/FolderBrowser.h"

bool BrowseForFolder(HWND owner, const AnsiString& title, AnsiString& path)
{
    // The browser's tree needs OLE on this thread; balanced calls are harmless.
    HRESULT ole = OleInitialize(nullptr);
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    LPITEMIDLIST items = SHBrowseForFolderA(&info);
    bool found = false;
    if (items) {
        char buffer[MAX_PATH + 1] = {};
        found = SHGetPathFromIDListA(items, buffer) != FALSE;
        if (found)
            path = buffer;
        CoTaskMemFree(items);
    }
    if (SUCCEEDED(ole))
        OleUninitialize();
    return found;
}
