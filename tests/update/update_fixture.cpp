#include "tests/update/update_fixture.h"

#include <sstream>

#include "classlib/SysUtils.h"
#include "tests/support/BoxAnswerer.h"
#include "tests/support/OutsideTools.h"
#include "tests/support/ScratchFolder.h"

const char* const ServerHost = "127.0.0.1";

// ---- scratch folders ----

TScratch::TScratch(const char* tag) : FPath(WideToAnsi(MakeScratchFolder(AnsiToWide(tag)))) {}

TScratch::~TScratch()
{
    RemoveFolderTree(AnsiToWide(FPath));
}

AnsiString TScratch::Write(const AnsiString& name, const AnsiString& bytes) const
{
    const AnsiString path = File(name);
    ForceDirectories(ExtractFileDir(path));
    WriteFileBytes(path, bytes);
    return path;
}

// ---- the server ----

TUpdateServer::TUpdateServer()
{
    const AnsiString ready = UnixPath(FState.Path()) + "/ready";
    const AnsiString readyFile = FState.File("ready");
    const WideString line = AnsiToWide("/usr/bin/python3 " VARIRUVU_TEST_SOURCE "/update_server.py --root \"" +
                                       UnixPath(FFiles.Path()) + "\" --ready \"" + ready + "\" --log \"" +
                                       UnixPath(FState.Path()) + "/requests\" --host " + ServerHost);
    if (!RunHostProgram(L"Z:\\usr\\bin\\python3", line, {}, [&] { return FileExists(readyFile); }, 60000))
        return;
    std::istringstream ports(ReadFileBytes(readyFile));
    ports >> FHttpPort >> FFtpPort;
}

TUpdateServer::~TUpdateServer()
{
    if (!Running())
        return;
    const AnsiString readyFile = FState.File("ready");
    WriteFileBytes(readyFile + ".stop", "");
    for (const DWORD start = GetTickCount(); FileExists(readyFile) && GetTickCount() - start < 10000;)
        Sleep(50);
}

AnsiString TUpdateServer::Url(const AnsiString& mode, const AnsiString& name) const
{
    return "http://" + AnsiString(ServerHost) + ":" + IntToStr(FHttpPort) + "/" + mode + "/" + name;
}

std::vector<AnsiString> TUpdateServer::TakeRequests()
{
    std::istringstream lines(ReadFileBytes(FState.File("requests")));
    std::vector<AnsiString> all, fresh;
    for (AnsiString line; std::getline(lines, line);)
        all.push_back(line);
    for (size_t i = FRequestsSeen; i < all.size(); ++i)
        fresh.push_back(all[i]);
    FRequestsSeen = all.size();
    return fresh;
}

// ---- the recorded component ----

TRecordingNetUpdate::TRecordingNetUpdate() : TNetUpdate(nullptr)
{
    SetOnStatus(TNetUpdateStatus::FromFunction(
        [this](TObject*, const AnsiString& text, int32_t, int32_t) { FLastMessage = text; }));
}

void TRecordingNetUpdate::ReportStatus(int32_t MsgId, const AnsiString& Text, int32_t StatusCode, int32_t ErrCode)
{
    FLastMessage.clear();
    TNetUpdate::ReportStatus(MsgId, Text, StatusCode, ErrCode);
    Reports.push_back({MsgId, FLastMessage, StatusCode, ErrCode});
}

std::vector<int32_t> TRecordingNetUpdate::Numbers() const
{
    std::vector<int32_t> numbers;
    for (const TStatusReport& report : Reports)
        numbers.push_back(report.MsgId);
    return numbers;
}

const TStatusReport* TRecordingNetUpdate::Find(int32_t msgId) const
{
    for (const TStatusReport& report : Reports)
        if (report.MsgId == msgId)
            return &report;
    return nullptr;
}

AnsiString NumbersText(const std::vector<int32_t>& numbers)
{
    AnsiString text;
    for (int32_t n : numbers) {
        if (!text.empty())
            text += ' ';
        text += IntToStr(n);
    }
    return text;
}

// ---- windows ----

TWindowAnswerer::TWindowAnswerer(const char* className, std::function<void(HWND)> answer)
    : FClassName(className), FAnswer(std::move(answer))
{
    Current = this;
    FTimer = SetTimer(nullptr, 0, 100, &TWindowAnswerer::Tick);
}

TWindowAnswerer::~TWindowAnswerer()
{
    KillTimer(nullptr, FTimer);
    Current = nullptr;
}

void CALLBACK TWindowAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    TWindowAnswerer* self = Current;
    if (!self)
        return;
    for (HWND window : TopLevelWindows(self->FClassName, GetCurrentProcessId())) {
        if (window == self->FLast || !IsWindowEnabled(window))
            continue;
        self->FLast = window;
        ++self->FAnswered;
        self->FAnswer(window);
        return;
    }
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className)
{
    struct TSearch {
        const char* ClassName;
        std::vector<HWND> Found;
    } search{className, {}};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<TSearch*>(data);
            char name[64] = {};
            GetClassNameA(child, name, sizeof(name));
            if (lstrcmpiA(name, s->ClassName) == 0)
                s->Found.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

void ClickButton(HWND parent, const char* caption)
{
    for (const char* className : {"TButton", "TRadioButton", "TCheckBox"})
        for (HWND button : ChildrenOfClass(parent, className)) {
            char text[128] = {};
            GetWindowTextA(button, text, sizeof(text));
            if (lstrcmpA(text, caption) == 0) {
                SendMessageA(button, BM_CLICK, 0, 0);
                return;
            }
        }
}

int CountFiles(const AnsiString& folder, const char* pattern)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((IncludeTrailingPathDelimiter(folder) + pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
        count += (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
    while (FindNextFileA(find, &data));
    FindClose(find);
    return count;
}
