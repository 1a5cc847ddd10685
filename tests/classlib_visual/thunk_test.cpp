#include <gtest/gtest.h>

#include <vector>

#include "classlib/Controls.h"

namespace {

// What a thunk handed to its method, and the result it gives back.
struct TReceived {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
};

// Values that fill the whole register on either architecture: on x86-64 their
// upper halves would be lost by a thunk that moved only 32 bits.
const WPARAM WideWParam = static_cast<WPARAM>(0xFEDCBA9876543210ull);
const LPARAM WideLParam = static_cast<LPARAM>(0x8877665544332211ull);
const LRESULT WideResult = static_cast<LRESULT>(0xA5A5A5A55A5A5A5Aull);

TWndMethod Recorder(TReceived& received, LRESULT result)
{
    return TWndMethod::FromFunction([&received, result](TMessage& message) {
        received = {message.Msg, message.WParam, message.LParam};
        message.Result = result;
    });
}

TEST(ObjectInstance, AWindowProcedureGetsItsArgumentsAndGivesItsResultWhole)
{
    TReceived received;
    WNDPROC proc = MakeObjectInstance(Recorder(received, WideResult));
    // Called as Windows calls it, and through the platform's own dispatcher.
    EXPECT_EQ(proc(reinterpret_cast<HWND>(0x1234), WM_USER + 5, WideWParam, WideLParam), WideResult);
    EXPECT_EQ(received.Msg, UINT(WM_USER + 5));
    EXPECT_EQ(received.WParam, WideWParam);
    EXPECT_EQ(received.LParam, WideLParam);

    HWND wnd = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(wnd, nullptr);
    WNDPROC original = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    received = {};
    EXPECT_EQ(SendMessageA(wnd, WM_USER + 6, ~WideWParam, ~WideLParam), WideResult);
    EXPECT_EQ(received.Msg, UINT(WM_USER + 6));
    EXPECT_EQ(received.WParam, ~WideWParam);
    EXPECT_EQ(received.LParam, ~WideLParam);
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    DestroyWindow(wnd);
    FreeObjectInstance(proc);
}

TEST(ObjectInstance, ThunksSurviveThousandsOfCreationsAndFrees)
{
    // Freed slots are handed out again: each new thunk must call its own method.
    for (int round = 0; round < 5000; ++round) {
        TReceived first, second;
        WNDPROC a = MakeObjectInstance(Recorder(first, round));
        WNDPROC b = MakeObjectInstance(Recorder(second, -round));
        ASSERT_EQ(b(nullptr, WM_USER, round, -round), -round);
        ASSERT_EQ(a(nullptr, WM_USER, round, round), round);
        ASSERT_EQ(first.LParam, round);
        ASSERT_EQ(second.LParam, -round);
        FreeObjectInstance(b);
        FreeObjectInstance(a);
    }
    // Many alive at once span several pages of thunks.
    std::vector<TReceived> received(1000);
    std::vector<WNDPROC> procs;
    for (size_t i = 0; i < received.size(); ++i)
        procs.push_back(MakeObjectInstance(Recorder(received[i], static_cast<LRESULT>(i))));
    for (size_t i = 0; i < procs.size(); ++i)
        ASSERT_EQ(procs[i](nullptr, WM_USER, i, 0), static_cast<LRESULT>(i));
    for (WNDPROC proc : procs)
        FreeObjectInstance(proc);
}

}  // namespace
