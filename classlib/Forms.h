// Forms, the application object and the screen.
#pragma once

#include <vector>

#include "classlib/Controls.h"

class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
VARIRUVU_ENUM_INFO(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin);
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
VARIRUVU_ENUM_INFO(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp);
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
VARIRUVU_ENUM_INFO(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                   poDesktopCenter, poMainFormCenter, poOwnerFormCenter);
enum TCloseAction { caNone, caHide, caFree, caMinimize };
VARIRUVU_ENUM_INFO(TCloseAction, caNone, caHide, caFree, caMinimize);

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

// A top-level window whose window class bears the form's class name.
//
// A form class loads its components from the form resource named after it:
// its own constructor ends with LoadForm(), which reads the resource and then
// runs OnCreate. (A base constructor cannot: the class is not complete yet.)
class TCustomForm : public TWinControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    // An empty form; see LoadForm.
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons GetBorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TPosition GetPosition() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    TWinControl* GetActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* value);
    bool GetKeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    TModalResult GetModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // The menu on the window's bar.
    TMainMenu* GetMenu() const { return FMenu; }
    void SetMenu(TMainMenu* value);
    // The actions of the controls and of the menu's top-level items follow their OnUpdate.
    void UpdateActions();

    void Close();
    // Frees the form once the messages in the queue are handled.
    void Release();
    // Shows the form with every other window of the program disabled until
    // ModalResult is set or the form is closed; gives ModalResult.
    TModalResult ShowModal();
    bool IsModal() const { return FModal; }
    bool CloseQuery();
    // Sets the focus to the control (the form remembers it until it is shown).
    void FocusControl(TWinControl* control);
    void SetFocus() override;
    bool GetActive() const { return FActive; }

    void WndProc(TMessage& message) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

protected:
    // Reads the form resource (EResNotFound when there is none), then runs OnCreate.
    void LoadForm();
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWindowHandle() override;
    TRect ClientArea() const override;
    TPoint GetClientOrigin() const override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    void Notification(TComponent* component, TOperation operation) override;

private:
    static void TellFocusChanged(TWinControl* parent, TMessage& message);
    void ShowingChanged();
    void FrameStyle(DWORD& style, DWORD& exStyle) const;
    TSize FrameSize() const;
    void CenterOn(const TRect& area);

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    TWinControl* FActiveControl = nullptr;
    TMainMenu* FMenu = nullptr;
    TModalResult FModalResult = mrNone;
    bool FKeyPreview = false;
    bool FModal = false;
    bool FActive = false;
    bool FShownOnce = false;
    bool FDestroyed = false;
};

class TForm : public TCustomForm {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomForm::TCustomForm;
};

using TMessageEvent = TEvent<MSG&, bool&>;
using TExceptionEvent = TEvent<TObject*, Exception&>;
using TIdleEvent = TEvent<TObject*, bool&>;
using TShowHintEvent = TEvent<AnsiString&, bool&, THintInfo&>;
// A main-window hook sees each message of the application window first;
// setting Handled ends the message there.
using TWindowHook = TEvent<TMessage&, bool&>;

// The class the application makes its hint window of (a THintWindow descendant).
extern const TClassInfo* HintWindowClass;

class TApplication : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    void Initialize() {}
    // Makes a form owned by the application; the first one becomes the main form.
    template <class T>
    void CreateForm(T*& reference)
    {
        reference = new T(this);
        if (!FMainForm)
            FMainForm = reference;
    }
    // Shows the main form and handles messages until the program is terminated.
    void Run();
    // Handles every message waiting in the calling thread's queue, then returns.
    void ProcessMessages();
    // The same, leaving the repaints of windows to a later round.
    void ProcessMessagesButPaint();
    // One message, or idle handling and a wait when there is none.
    void HandleMessage();
    void Terminate();
    bool GetTerminated() const { return FTerminated; }
    // Runs the idle handling once, as when the queue runs empty.
    void Idle();

    // The hidden application window: the owner of the forms and message boxes.
    HWND GetHandle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    TCustomForm* GetMainForm() const { return FMainForm; }
    AnsiString GetTitle() const;
    void SetTitle(const AnsiString& value);
    const AnsiString& GetHint() const { return FHint; }
    void SetHint(const AnsiString& value);
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    int GetHintPause() const { return FHintPause; }
    void SetHintPause(int value) { FHintPause = value; }
    int GetHintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int value) { FHintHidePause = value; }
    THintWindow* GetHintWindow() const { return FHintWindow; }
    // The control the mouse is over (the hint's source).
    TControl* GetMouseControl() const { return FMouseControl; }
    // The control the current hint comes from.
    TControl* GetHintControl() const { return FHintControl; }
    void CancelHint();
    void ActivateHint(TPoint cursorPos);
    bool GetShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool value) { FShowMainForm = value; }

    // An 8-bit message box owned by the active window or the application window.
    int MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags = MB_OK);
    // Called inside a catch block: OnException when assigned, else the error box; the program goes on.
    void HandleException(TObject* sender);
    void ShowException(const Exception& e);

    void HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(TWindowHook hook);

    // Called by the controls: the mouse moved over `control` (null: over no control of ours).
    void NoteMouseControl(TControl* control);
    // A control is going away: forget every reference to it.
    void ControlDestroying(TControl* control);
    void ModalStarted() { ++FModalLevel; }
    void ModalFinished() { --FModalLevel; }

    TMessageEvent OnMessage;
    TExceptionEvent OnException;
    TIdleEvent OnIdle;
    TNotifyEvent OnHint;
    TShowHintEvent OnShowHint;

private:
    // `filter`: PM_QS_* flags limiting what is taken, 0 for everything.
    bool ProcessMessage(MSG& msg, UINT filter = 0);
    bool DispatchAction(UINT msg, TBasicAction* action);
    void DoActionIdle();
    bool IsKeyMsg(MSG& msg);
    bool IsHintMsg(const MSG& msg);
    void WndProc(TMessage& message);
    void DoMouseIdle();
    void HintTimerExpired();
    void StartHintTimer(int timeout);
    void StopHintTimer();

    HWND FHandle = nullptr;
    WNDPROC FObjectInstance = nullptr;
    TCustomForm* FMainForm = nullptr;
    AnsiString FTitle;
    AnsiString FHint;
    bool FTerminated = false;
    bool FShowMainForm = true;
    bool FShowHint = true;
    bool FHintActive = false;
    int FHintPause = 500;
    int FHintHidePause = 2500;
    int FModalLevel = 0;
    TControl* FMouseControl = nullptr;
    TControl* FHintControl = nullptr;
    THintWindow* FHintWindow = nullptr;
    std::vector<TWindowHook> FWindowHooks;
};

extern TApplication* const Application;

// The screen: its size, cursors, forms and fonts.
class TScreen : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TScreen(TComponent* AOwner);

    int GetWidth() const { return GetSystemMetrics(SM_CXSCREEN); }
    int GetHeight() const { return GetSystemMetrics(SM_CYSCREEN); }
    TRect GetWorkAreaRect() const;
    int GetPixelsPerInch() const { return TFont::PixelsPerInch(); }
    // The system cursor of a cr... number (the arrow for an unknown one), or one set here.
    HCURSOR GetCursors(TCursor index) const;
    void SetCursors(TCursor index, HCURSOR value);
    // A cursor over every window of the program; crDefault lets each control choose.
    TCursor GetCursor() const { return FCursor; }
    void SetCursor(TCursor value);
    TFont* GetHintFont() const { return FHintFont.get(); }
    int GetFormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* GetForms(int index) const { return FForms.at(static_cast<size_t>(index)); }
    TCustomForm* GetActiveForm() const;

    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);

private:
    std::vector<std::pair<TCursor, HCURSOR>> FCursors;
    TCursor FCursor = crDefault;
    std::unique_ptr<TFont> FHintFont;
    std::vector<TCustomForm*> FForms;
};

extern TScreen* const Screen;
