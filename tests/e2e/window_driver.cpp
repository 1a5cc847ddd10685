#include "window_driver.h"

#include "classlib/SysUtils.h"
#include "program_driver.h"

bool IsWindowOfClass(HWND wnd, const char* className)
{
    char name[128] = {};
    GetClassNameA(wnd, name, sizeof(name));
    return lstrcmpiA(name, className) == 0 || lstrcmpiA(name, (AnsiString(className) + ".UnicodeClass").c_str()) == 0;
}

namespace {

struct TChildSearch {
    const char* ClassName;
    const char* Text;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectChild(HWND wnd, LPARAM param)
{
    auto* search = reinterpret_cast<TChildSearch*>(param);
    if (IsWindowOfClass(wnd, search->ClassName) && (!search->Text || WindowText(wnd) == search->Text))
        search->Found.push_back(wnd);
    return TRUE;
}

constexpr size_t TextOffset = 512;
constexpr size_t TextSize = 1024;

HWND WaitForDialog(DWORD processId, const char* title, DWORD milliseconds)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND dialog : TopLevelWindows("#32770", processId))
                if (WindowText(dialog) == title)
                    found = dialog;
            return found != nullptr;
        },
        milliseconds);
    return found;
}

bool WaitUntilGone(HWND wnd, DWORD milliseconds)
{
    return WaitUntil([wnd] { return !IsWindow(wnd) || !IsWindowVisible(wnd); }, milliseconds);
}


}  // namespace

HWND WaitForMainWindow(DWORD milliseconds)
{
    HWND main = WaitForWindow("TfrmMain", "QUON Variruvu", milliseconds);
    // The window shows before the controls of its pages have all been made; the list is among the last.
    for (int i = 0; i < 200 && main && !FindChild(main, "TUniListView"); ++i)
        Sleep(50);
    return main;
}

bool PassLicenceViewer(DWORD milliseconds)
{
    HWND viewer = WaitForWindow("Tfrmlicensedlg", "License Agreement", milliseconds);
    HWND next = viewer ? FindChild(viewer, "TUniButton", "Next >> ") : nullptr;
    if (!next)
        return false;
    ClickButton(next);
    return WaitUntilGone(viewer, milliseconds);
}

std::vector<HWND> FindChildren(HWND parent, const char* className)
{
    TChildSearch search{className, nullptr, {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND FindChild(HWND parent, const char* className, const char* text)
{
    TChildSearch search{className, text, {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    for (HWND wnd : search.Found)
        if (IsWindowVisible(wnd))
            return wnd;
    return search.Found.empty() ? nullptr : search.Found.front();
}

HWND FindComboWithItem(HWND top, const char* item)
{
    for (HWND combo : FindChildren(top, "TUniComboBox"))
        if (SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item)) != CB_ERR)
            return combo;
    return nullptr;
}

DWORD WindowProcess(HWND wnd)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    return pid;
}

HWND ChildAt(HWND parent, POINT client)
{
    HWND found = parent;
    for (;;) {
        HWND child = ChildWindowFromPointEx(found, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == found)
            return found;
        MapWindowPoints(found, child, &client, 1);
        found = child;
    }
}

void ClickAt(HWND top, int x, int y)
{
    POINT point{x, y};
    HWND target = ChildAt(top, point);
    MapWindowPoints(top, target, &point, 1);
    // Posted, as the mouse does: a click that opens a modal box must not hold the caller.
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageA(target, WM_MOUSEMOVE, 0, at);
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(target, WM_LBUTTONUP, 0, at);
}

void ClickButton(HWND button)
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

void PickComboItem(HWND combo, int index)
{
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

int ComboItemIndex(HWND combo)
{
    return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

std::vector<WideString> ComboItems(HWND combo)
{
    std::vector<WideString> items;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        WideString item(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        items.push_back(item.c_str());
    }
    return items;
}

bool IsButtonChecked(HWND box)
{
    return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<uint32_t> ScreenPixels(HWND wnd, const RECT& client)
{
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    // From the screen, as the user sees it: the window's own surface belongs to its process.
    POINT origin{client.left, client.top};
    ClientToScreen(wnd, &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    const auto* pixels = static_cast<const uint32_t*>(bits);
    std::vector<uint32_t> copy(pixels, pixels + width * height);
    for (uint32_t& p : copy)
        p &= 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copy;
}

int InkIn(HWND wnd, const RECT& client)
{
    // Summed darkness rather than counted dark pixels: smoothed text spreads its ink over lighter pixels.
    int ink = 0;
    for (const uint32_t p : ScreenPixels(wnd, client))
        ink += 255 - static_cast<int>(((p >> 16 & 0xFF) * 30 + (p >> 8 & 0xFF) * 59 + (p & 0xFF) * 11) / 100);
    return ink;
}

AnsiString WindowText(HWND wnd)
{
    char text[1024] = {};
    GetWindowTextA(wnd, text, sizeof(text));
    return text;
}

WideString WideWindowText(HWND wnd)
{
    wchar_t text[1024] = {};
    GetWindowTextW(wnd, text, 1024);
    return text;
}

namespace {

struct TPlacedSearch {
    const char* ClassName;
    POINT InParent;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectPlacedChild(HWND wnd, LPARAM param)
{
    auto* search = reinterpret_cast<TPlacedSearch*>(param);
    RECT rect{};
    GetWindowRect(wnd, &rect);
    MapWindowPoints(nullptr, GetParent(wnd), reinterpret_cast<POINT*>(&rect), 2);
    if (IsWindowOfClass(wnd, search->ClassName) && IsWindowVisible(wnd) && rect.left == search->InParent.x &&
        rect.top == search->InParent.y)
        search->Found.push_back(wnd);
    return TRUE;
}

}  // namespace

HWND FindPlacedChild(HWND top, const char* className, POINT inParent)
{
    TPlacedSearch search{className, inParent, {}};
    EnumChildWindows(top, CollectPlacedChild, reinterpret_cast<LPARAM>(&search));
    return search.Found.size() == 1 ? search.Found.front() : nullptr;
}

HWND ShownSheet(HWND main)
{
    for (HWND sheet : FindChildren(main, "TKitTabSheet"))
        if (IsWindowVisible(sheet))
            return sheet;
    return nullptr;
}

AnsiString ShownPage(HWND main)
{
    HWND sheet = ShownSheet(main);
    return sheet ? WindowText(sheet) : AnsiString();
}

bool WaitForPage(HWND main, const AnsiString& caption, DWORD milliseconds)
{
    return WaitUntil([&] { return ShownPage(main) == caption; }, milliseconds);
}

HWND FindButton(HWND main, const char* text)
{
    HWND button = FindChild(main, "TUniBitBtn", text);
    return button ? button : FindChild(main, "TUniButton", text);
}

bool ClickButton(HWND main, const char* text)
{
    HWND button = FindButton(main, text);
    for (int i = 0; i < 100 && button && !IsWindowEnabled(button); ++i)
        Sleep(50);
    if (!button || !IsWindowEnabled(button))
        return false;
    ClickButton(button);
    return true;
}

void ClickMenuEntry(HWND main, int x, int y)
{
    // The side menu is the left panel, below the 73 pixels of the top panel.
    ClickAt(main, x, 73 + y);
}

bool ShowFilesPage(HWND main)
{
    ClickMenuEntry(main, 60, 90);
    return WaitForPage(main, "Files and Folders ", 10000);
}

int ProgressPosition(HWND bar)
{
    return static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0));
}

HWND MethodBox(HWND main)
{
    // The one with the three methods, whatever the language names them.
    for (HWND box : FindChildren(main, "TUniComboBox"))
        if (SendMessageA(box, CB_GETCOUNT, 0, 0) == 3)
            return box;
    return nullptr;
}

void ChooseMethod(HWND main, int index)
{
    PickComboItem(MethodBox(main), index);
}

TRemoteBuffer::TRemoteBuffer(DWORD processId, size_t size)
    : FProcess(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)),
      FAddress(VirtualAllocEx(FProcess, nullptr, size, MEM_COMMIT, PAGE_READWRITE))
{
}

TRemoteBuffer::~TRemoteBuffer()
{
    VirtualFreeEx(FProcess, FAddress, 0, MEM_RELEASE);
    CloseHandle(FProcess);
}

void TRemoteBuffer::Write(size_t offset, const void* data, size_t size) const
{
    WriteProcessMemory(FProcess, At(offset), data, size, nullptr);
}

AnsiString TRemoteBuffer::ReadText(size_t offset, size_t size) const
{
    std::vector<char> text(size + 1, '\0');
    ReadProcessMemory(FProcess, At(offset), text.data(), size, nullptr);
    return text.data();
}

WideString TRemoteBuffer::ReadWideText(size_t offset, size_t count) const
{
    std::vector<wchar_t> text(count + 1, L'\0');
    ReadProcessMemory(FProcess, At(offset), text.data(), count * sizeof(wchar_t), nullptr);
    return text.data();
}

TListDriver::TListDriver(HWND main, DWORD processId)
    : FList(FindChild(main, "TUniListView")), FRemote(processId, TextOffset + TextSize)
{
}

int TListDriver::RowCount() const
{
    return static_cast<int>(SendMessageA(FList, LVM_GETITEMCOUNT, 0, 0));
}

AnsiString TListDriver::Cell(int row, int column) const
{
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = FRemote.At(TextOffset);
    item.cchTextMax = TextSize;
    FRemote.Write(0, &item, sizeof(item));
    SendMessageA(FList, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(FRemote.At(0)));
    return FRemote.ReadText(TextOffset, TextSize);
}

int TListDriver::ColumnCount() const
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(FList, LVM_GETHEADER, 0, 0));
    return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

WideString TListDriver::ColumnCaption(int column) const
{
    LVCOLUMNW data{};
    data.mask = LVCF_TEXT;
    data.pszText = reinterpret_cast<wchar_t*>(FRemote.At(TextOffset));
    data.cchTextMax = TextSize / sizeof(wchar_t);
    FRemote.Write(0, &data, sizeof(data));
    SendMessageW(FList, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(FRemote.At(0)));
    return FRemote.ReadWideText(TextOffset, TextSize / sizeof(wchar_t));
}

bool TListDriver::Checked(int row) const
{
    const LRESULT state = SendMessageA(FList, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
    return (state >> 12) == 2;
}

void TListDriver::SetChecked(int row, bool checked) const
{
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    FRemote.Write(0, &item, sizeof(item));
    SendMessageA(FList, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(FRemote.At(0)));
}

bool ChooseFiles(DWORD processId, const AnsiString& folder, const std::vector<AnsiString>& names)
{
    HWND dialog = WaitForDialog(processId, "Open", 10000);
    HWND nameBox = dialog ? FindChild(GetDlgItem(dialog, 0x47C), "Edit") : nullptr;
    if (!nameBox)
        return false;
    // First into the folder, then the names, each quoted, as one multiple choice.
    SendMessageA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    PressButton(dialog, IDOK);
    Pause(500);
    AnsiString choice;
    for (const AnsiString& name : names)
        choice += "\"" + name + "\" ";
    SendMessageA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(choice.c_str()));
    PressButton(dialog, IDOK);
    return WaitUntilGone(dialog, 10000);
}

namespace {

// The browser's tree, read through memory of the program's process.
class TTreeDriver {
public:
    TTreeDriver(HWND tree, DWORD processId) : FTree(tree), FRemote(processId, TextOffset + TextSize) {}

    HTREEITEM Root() const { return Next(nullptr, TVGN_ROOT); }
    std::vector<HTREEITEM> Children(HTREEITEM item) const
    {
        // Expanding makes the browser fill in the children.
        SendMessageA(FTree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        std::vector<HTREEITEM> children;
        for (HTREEITEM child = Next(item, TVGN_CHILD); child; child = Next(child, TVGN_NEXT))
            children.push_back(child);
        return children;
    }
    AnsiString Text(HTREEITEM item) const
    {
        TVITEMA data{};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = FRemote.At(TextOffset);
        data.cchTextMax = TextSize;
        FRemote.Write(0, &data, sizeof(data));
        SendMessageA(FTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(FRemote.At(0)));
        return FRemote.ReadText(TextOffset, TextSize);
    }
    void Select(HTREEITEM item) const { SendMessageA(FTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)); }

private:
    HTREEITEM Next(HTREEITEM item, UINT how) const
    {
        return reinterpret_cast<HTREEITEM>(SendMessageA(FTree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    }

    HWND FTree;
    TRemoteBuffer FRemote;
};

}  // namespace

bool ChooseFolder(DWORD processId, const AnsiString& folder)
{
    HWND dialog = WaitForDialog(processId, "Browse for Folder", 10000);
    HWND treeWindow = dialog ? FindChild(dialog, "SysTreeView32") : nullptr;
    if (!treeWindow)
        return false;
    TTreeDriver tree(treeWindow, processId);
    // The drive is an entry below one of the desktop's entries ("My Computer"), shown as "... (C:)".
    AnsiString drive = "(";
    drive.append(folder, 0, 2).append(")");
    HTREEITEM item = nullptr;
    for (HTREEITEM top : tree.Children(tree.Root())) {
        for (HTREEITEM child : tree.Children(top)) {
            const AnsiString text = tree.Text(child);
            if (text.size() >= drive.size() && lstrcmpiA(text.substr(text.size() - drive.size()).c_str(), drive.c_str()) == 0)
                item = child;
        }
        if (item)
            break;
    }
    AnsiString rest = IncludeTrailingPathDelimiter(folder).substr(3);
    while (item && !rest.empty()) {
        const AnsiString name = rest.substr(0, rest.find('\\'));
        rest = rest.substr(name.size() + 1);
        HTREEITEM found = nullptr;
        for (HTREEITEM child : tree.Children(item))
            if (lstrcmpiA(tree.Text(child).c_str(), name.c_str()) == 0)
                found = child;
        item = found;
    }
    if (!item)
        return false;
    tree.Select(item);
    Pause(300);
    PressButton(dialog, IDOK);
    return WaitUntilGone(dialog, 10000);
}
