#include "tests/support/BoxAnswerer.h"

namespace {

struct TWindowSearch {
    const char* ClassName;
    DWORD ProcessId;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectWindow(HWND wnd, LPARAM param)
{
    auto* search = reinterpret_cast<TWindowSearch*>(param);
    char name[64] = {};
    GetClassNameA(wnd, name, sizeof(name));
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (lstrcmpiA(name, search->ClassName) == 0 && IsWindowVisible(wnd) &&
        (search->ProcessId == 0 || pid == search->ProcessId))
        search->Found.push_back(wnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(const char* className, DWORD processId)
{
    TWindowSearch search{className, processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

AnsiString MessageBoxText(HWND box)
{
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    return text;
}

void PressButton(HWND box, int id)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

TBoxAnswerer::TBoxAnswerer(TBoxAnswer answer, DWORD processId)
    : FAnswer(std::move(answer)), FProcessId(processId), FThread([this] { Watch(); })
{
}

TBoxAnswerer::~TBoxAnswerer()
{
    FStop = true;
    FThread.join();
}

std::vector<AnsiString> TBoxAnswerer::Texts() const
{
    std::lock_guard<std::mutex> guard(FLock);
    return FTexts;
}

bool TBoxAnswerer::WaitForCount(size_t count, DWORD milliseconds) const
{
    const DWORD start = GetTickCount();
    while (Texts().size() < count) {
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(20);
    }
    return true;
}

void TBoxAnswerer::Watch()
{
    while (!FStop) {
        for (HWND box : TopLevelWindows("#32770", FProcessId)) {
            const AnsiString text = MessageBoxText(box);
            const int id = text.empty() ? 0 : FAnswer(text);
            if (!id)
                continue;
            {
                std::lock_guard<std::mutex> guard(FLock);
                FTexts.push_back(text);
            }
            PressButton(box, id);
            // Gone before the next look, so that no box is answered twice.
            for (int i = 0; i < 250 && IsWindow(box) && IsWindowVisible(box); ++i)
                Sleep(20);
        }
        Sleep(20);
    }
}
