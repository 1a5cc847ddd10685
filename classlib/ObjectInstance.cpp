#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include "classlib/Controls.h"

namespace {

struct TInstanceRecord {
    TWndMethod Method;
};

#if defined(__x86_64__)
// The code of one thunk: the window handle's register (rcx) takes the method
// record, and a tail jump goes on to StdWndProc with the caller's shadow space
// and stack alignment untouched, so no frame of the thunk is ever on the stack.
#pragma pack(push, 1)
struct TThunkCode {
    uint8_t MovRcxImm[2] = {0x48, 0xB9};  // mov rcx, record
    void* Record;
    uint8_t MovRaxImm[2] = {0x48, 0xB8};  // mov rax, StdWndProc
    void* Target;
    uint8_t JmpRax[2] = {0xFF, 0xE0};     // jmp rax
    uint8_t Pad[10] = {0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC};
};
#pragma pack(pop)
static_assert(sizeof(TThunkCode) == 32);

LRESULT CALLBACK StdWndProc(TInstanceRecord* record, UINT msg, WPARAM wParam, LPARAM lParam)
#elif defined(__i386__)
// The code of one thunk: put the method record in front of the window
// procedure's arguments and jump to StdWndProc, which returns with stdcall.
#pragma pack(push, 1)
struct TThunkCode {
    uint8_t PopEax = 0x58;      // pop eax        (the return address)
    uint8_t PushImm = 0x68;     // push record
    void* Record;
    uint8_t PushEax = 0x50;     // push eax
    uint8_t MovEaxImm = 0xB8;   // mov eax, StdWndProc
    void* Target;
    uint8_t JmpEax[2] = {0xFF, 0xE0};  // jmp eax
    uint8_t Pad[6] = {0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC};
};
#pragma pack(pop)
static_assert(sizeof(TThunkCode) == 20);

LRESULT __stdcall StdWndProc(TInstanceRecord* record, HWND, UINT msg, WPARAM wParam, LPARAM lParam)
#else
#error "a window-procedure thunk is written for i386 and x86-64 only"
#endif
{
    TMessage message{msg, wParam, lParam, 0};
    record->Method(message);
    return message.Result;
}

// Thunks come from executable pages handed out slot by slot.
class TThunkPool {
public:
    WNDPROC Make(TWndMethod method)
    {
        std::lock_guard lock(FMutex);
        if (FFree.empty())
            Grow();
        TThunkCode* slot = FFree.back();
        FFree.pop_back();
        TInstanceRecord* record = std::make_unique<TInstanceRecord>(TInstanceRecord{std::move(method)}).release();
        TThunkCode code;
        code.Record = record;
        code.Target = reinterpret_cast<void*>(&StdWndProc);
        std::memcpy(static_cast<void*>(slot), &code, sizeof(code));
        FlushInstructionCache(GetCurrentProcess(), slot, sizeof(code));
        return reinterpret_cast<WNDPROC>(slot);
    }

    void Free(WNDPROC instance)
    {
        if (!instance)
            return;
        std::lock_guard lock(FMutex);
        auto* slot = reinterpret_cast<TThunkCode*>(instance);
        std::unique_ptr<TInstanceRecord> record(static_cast<TInstanceRecord*>(slot->Record));
        slot->Record = nullptr;
        FFree.push_back(slot);
    }

private:
    void Grow()
    {
        const size_t pageSize = 4096;
        void* page = VirtualAlloc(nullptr, pageSize, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
        if (!page)
            throw EOutOfResources(L"Out of system resources");
        auto* slots = static_cast<TThunkCode*>(page);
        for (size_t i = pageSize / sizeof(TThunkCode); i-- > 0;)
            FFree.push_back(&slots[i]);
    }

    std::mutex FMutex;
    std::vector<TThunkCode*> FFree;
};

TThunkPool& Pool()
{
    static TThunkPool pool;
    return pool;
}

}  // namespace

WNDPROC MakeObjectInstance(TWndMethod method)
{
    return Pool().Make(std::move(method));
}

void FreeObjectInstance(WNDPROC instance)
{
    Pool().Free(instance);
}

ATOM WindowAtom()
{
    static const ATOM atom = GlobalAddAtomA(Format("VariruvuWindow%.8X", GetCurrentProcessId()).c_str());
    return atom;
}

ATOM ControlAtom()
{
    static const ATOM atom = GlobalAddAtomA(
        Format("ControlOfs%.8X%.8X", reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr)), GetCurrentThreadId())
            .c_str());
    return atom;
}

TWinControl* FindControl(HWND wnd)
{
    if (!wnd)
        return nullptr;
    DWORD process = 0;
    GetWindowThreadProcessId(wnd, &process);
    if (process != GetCurrentProcessId())
        return nullptr;
    return static_cast<TWinControl*>(GetPropA(wnd, MAKEINTATOM(WindowAtom())));
}
