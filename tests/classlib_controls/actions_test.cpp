#include <gtest/gtest.h>

#include <memory>

#include "classlib/Buttons.h"
#include "classlib/ComCtrls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Menus.h"
#include "classlib/StdActns.h"
#include "gallery.h"

namespace {

// A form with an action list, one action and a button and a label linked to it.
struct ActionFixture : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TActionList* list = new TActionList(form.get());
    TAction* action = new TAction(form.get());
    TButton* button = new TButton(form.get());
    TLabel* label = new TLabel(form.get());
    int executed = 0;

    void SetUp() override
    {
        action->SetActionList(list);
        action->SetCaption("&Open");
        action->SetHint("Open a file");
        action->SetOnExecute(TNotifyEvent::FromFunction([this](TObject*) { ++executed; }));
        button->SetParent(form.get());
        label->SetParent(form.get());
        button->SetAction(action);
        label->SetAction(action);
    }
};

TEST_F(ActionFixture, LinkedControlsTakeTheActionsValuesAndFollowItsChanges)
{
    for (TControl* control : std::initializer_list<TControl*>{button, label}) {
        EXPECT_EQ(control->GetCaption(), "&Open");
        EXPECT_EQ(control->GetHint(), "Open a file");
    }
    EXPECT_EQ(WindowText(button->GetHandle()), "&Open");
    action->SetCaption("&Close");
    action->SetEnabled(false);
    action->SetVisible(false);
    for (TControl* control : std::initializer_list<TControl*>{button, label}) {
        EXPECT_EQ(control->GetCaption(), "&Close");
        EXPECT_FALSE(control->GetEnabled());
        EXPECT_FALSE(control->GetVisible());
    }
    EXPECT_EQ(WindowText(button->GetHandle()), "&Close");
}

TEST_F(ActionFixture, AControlEditedAwayFromTheActionKeepsItsOwnValue)
{
    label->SetCaption("Mine");
    label->SetHint("My hint");
    action->SetCaption("&Close");
    action->SetHint("Close the file");
    EXPECT_EQ(label->GetCaption(), "Mine");
    EXPECT_EQ(label->GetHint(), "My hint");
    EXPECT_EQ(button->GetCaption(), "&Close");
    // what the action supplies is not stored with the control; its own values are
    EXPECT_FALSE(button->IsCaptionStored());
    EXPECT_TRUE(label->IsCaptionStored());
    EXPECT_TRUE(label->IsHintStored());
}

TEST_F(ActionFixture, TheLinkSeesTheOldValueWhenTheActionTellsIt)
{
    // a link is told before the action takes the value: it must still find its client linked
    struct Probe : TControlActionLink {
        using TControlActionLink::TControlActionLink;
        void SetCaption(const AnsiString& value) override
        {
            oldCaption = CustomAction()->GetCaption();
            linked = IsCaptionLinked();
            TControlActionLink::SetCaption(value);
        }
        AnsiString oldCaption;
        bool linked = false;
    };
    TLabel client(nullptr);
    client.SetCaption("&Open");
    Probe probe(&client);
    probe.SetAction(action);
    action->SetCaption("New");
    EXPECT_EQ(probe.oldCaption, "&Open");
    EXPECT_TRUE(probe.linked);
    EXPECT_EQ(client.GetCaption(), "New");
}

TEST_F(ActionFixture, AClickExecutesTheActionOnlyWhileItIsEnabled)
{
    form->Show();
    SendMessageA(button->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(executed, 1);
    label->Click();
    EXPECT_EQ(executed, 2);
    action->SetEnabled(false);
    button->Click();
    EXPECT_EQ(executed, 2);
    // an OnClick of the control's own comes first and alone
    int own = 0;
    label->OnClick = TNotifyEvent::FromFunction([&](TObject*) { ++own; });
    action->SetEnabled(true);
    label->Click();
    EXPECT_EQ(own, 1);
    EXPECT_EQ(executed, 2);
}

TEST_F(ActionFixture, TheListsHandlerComesBeforeTheActionsOwn)
{
    TBasicAction* seen = nullptr;
    list->OnExecute = TActionEvent::FromFunction([&](TBasicAction* a, bool& handled) {
        seen = a;
        handled = true;
    });
    EXPECT_TRUE(action->Execute());
    EXPECT_EQ(seen, action);
    EXPECT_EQ(executed, 0);
}

TEST_F(ActionFixture, FreeingTheActionUnlinksItsClients)
{
    delete action;
    EXPECT_EQ(button->GetAction(), nullptr);
    EXPECT_EQ(label->GetAction(), nullptr);
    EXPECT_EQ(list->GetActionCount(), 0);
    EXPECT_EQ(button->GetCaption(), "&Open");
}

TEST_F(ActionFixture, TheApplicationUpdatesTheShowingFormsActionsWhileIdle)
{
    int updates = 0;
    action->SetOnUpdate(TNotifyEvent::FromFunction([&](TObject*) { ++updates; }));
    // a message in the queue keeps the idle handling from waiting
    auto idleOnce = [] {
        PostMessageA(Application->GetHandle(), WM_NULL, 0, 0);
        Application->Idle();
        Application->ProcessMessages();
    };
    idleOnce();  // the form is hidden: nothing
    EXPECT_EQ(updates, 0);
    form->Show();
    Application->ProcessMessages();
    idleOnce();
    EXPECT_EQ(updates, 2);  // the button's and the label's
}

TEST(ActionLinkClasses, EachControlKindAsksForItsOwnLinkClass)
{
    TForm form(nullptr);
    TAction action(nullptr);
    struct Case {
        TControl* control;
        const TClassInfo& link;
    } cases[] = {
        {new TLabel(&form), TControlActionLink::ClassInfo()},
        {new TPanel(&form), TWinControlActionLink::ClassInfo()},
        {new TButton(&form), TButtonActionLink::ClassInfo()},
        {new TCheckBox(&form), TButtonActionLink::ClassInfo()},
        {new TListView(&form), TListViewActionLink::ClassInfo()},
        {new TSpeedButton(&form), TSpeedButtonActionLink::ClassInfo()},
    };
    for (const Case& c : cases) {
        c.control->SetAction(&action);
        EXPECT_EQ(&c.control->GetActionLink()->ClassType(), &c.link) << c.control->ClassName();
    }
}

TEST(ActionLinkClasses, AGroupedSpeedButtonIsDownWhileItsActionIsChecked)
{
    TForm form(nullptr);
    TAction action(nullptr);
    auto* button = new TSpeedButton(&form);
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    button->SetAction(&action);
    action.SetChecked(true);
    EXPECT_TRUE(button->GetDown());
    action.SetChecked(false);
    EXPECT_FALSE(button->GetDown());
}

// Without an OnHint handler the application's hint goes out as a hint action
// through the application window, where a main-window hook sees it.
TEST(HintAction, TheApplicationHintReachesTheApplicationWindowAsAHintAction)
{
    AnsiString seen;
    bool exact = false;
    TWindowHook hook = TWindowHook::FromFunction([&](TMessage& message, bool& handled) {
        if (message.Msg != CM_ACTIONEXECUTE)
            return;
        auto* action = reinterpret_cast<TBasicAction*>(message.LParam);
        exact = &action->ClassType() == &THintAction::ClassInfo();
        seen = static_cast<THintAction*>(action)->GetHint();
        message.Result = 1;
        handled = true;
    });
    Application->GetHandle();
    Application->HookMainWindow(hook);
    Application->SetHint("Erases the files|Erases the files beyond recovery");
    Application->SetHint("");
    Application->SetHint("Short");
    Application->UnhookMainWindow(hook);
    EXPECT_TRUE(exact);
    EXPECT_EQ(seen, "Short");
}

}  // namespace
