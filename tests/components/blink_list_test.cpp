#include <gtest/gtest.h>

#include <vector>

#include "classlib/Forms.h"
#include "components/KitBlinkList.h"

namespace {

// Answers the blink query as a label would and keeps the phases it was sent.
class TBlinkProbe : public TControl {
public:
    TBlinkProbe(bool blinking) : TControl(nullptr), Blinking(blinking) {}
    void WndProc(TMessage& message) override
    {
        if (message.Msg == CM_BLINKQUERY) {
            ++Queries;
            message.Result = Blinking ? 1 : 0;
            return;
        }
        if (message.Msg == CM_BLINKSTATE) {
            Phases.push_back(static_cast<int>(message.WParam));
            return;
        }
        TControl::WndProc(message);
    }
    bool Blinking;
    int Queries = 0;
    std::vector<int> Phases;
};

void Tick(TKitBlinkingControlsList& list)
{
    list.GetTimer()->GetOnTimer()(list.GetTimer());
}

TEST(BlinkingList, EachTickFlipsThePhaseAndTakesTheIntervalOfThePhaseItEnters)
{
    TKitBlinkingControlsList list;
    EXPECT_EQ(list.GetBlinkPhase(), 1);
    EXPECT_EQ(list.GetTimer()->GetInterval(), 500u);
    EXPECT_TRUE(list.GetTimer()->GetEnabled());
    list.SetIntervalOn(700);
    list.SetIntervalOff(300);
    struct {
        int phase;
        unsigned interval;
    } const expected[] = {{0, 300}, {1, 700}, {0, 300}};
    for (const auto& step : expected) {
        Tick(list);
        EXPECT_EQ(list.GetBlinkPhase(), step.phase);
        EXPECT_EQ(list.GetTimer()->GetInterval(), step.interval);
    }
}

// A control that is not blinking stays in the list and is asked, but is sent no phase.
TEST(BlinkingList, OnlyControlsThatAnswerTheQueryGetThePhase)
{
    TKitBlinkingControlsList list;
    TBlinkProbe blinking(true), still(false);
    list.Add(&still);
    list.Add(&blinking);
    Tick(list);
    Tick(list);
    EXPECT_EQ(still.Queries, 2);
    EXPECT_TRUE(still.Phases.empty());
    EXPECT_EQ(blinking.Phases, (std::vector<int>{0, 1}));
    EXPECT_EQ(list.GetCount(), 2);
}

TEST(BlinkingList, RemoveTakesOutOneEntryAndTheListIsFreedOnlyWhenEmpty)
{
    TBlinkProbe a(true), b(true);
    BlinkList = std::make_unique<TKitBlinkingControlsList>();
    BlinkList->Add(&a);
    BlinkList->Add(&b);
    BlinkList->Add(&a);
    BlinkList->Remove(&a);
    Tick(*BlinkList);
    EXPECT_EQ(a.Phases.size(), 1u);
    EXPECT_EQ(b.Phases.size(), 1u);
    BlinkList->Remove(&a);
    FreeBlinkListIfEmpty();
    ASSERT_NE(BlinkList, nullptr);
    BlinkList->Remove(&b);
    FreeBlinkListIfEmpty();
    EXPECT_EQ(BlinkList, nullptr);
    FreeBlinkListIfEmpty();  // nothing left to free
}

// The system timer itself drives the ticks (shortened, so the test need not wait for 500 ms).
TEST(BlinkingList, TheWindowTimerTicksThroughTheMessageLoop)
{
    TKitBlinkingControlsList list;
    TBlinkProbe probe(true);
    list.Add(&probe);
    list.SetIntervalOn(10);
    list.SetIntervalOff(10);
    list.GetTimer()->SetInterval(10);
    DWORD deadline = GetTickCount() + 3000;
    while (probe.Phases.size() < 3 && GetTickCount() < deadline) {
        Application->ProcessMessages();
        Sleep(5);
    }
    ASSERT_GE(probe.Phases.size(), 3u);
    EXPECT_EQ(probe.Phases[0], 0);
    EXPECT_EQ(probe.Phases[1], 1);
    EXPECT_EQ(probe.Phases[2], 0);
}

}  // namespace
