// The controls and the form the visual class library tests use.
#pragma once

#include <string>
#include <vector>

#include "classlib/Forms.h"
#include "classlib/Timer.h"

// The events and messages the test classes saw, in order.
extern std::vector<std::string> EventLog;

// A windowed control that fills itself with its colour.
class TTestPanel : public TCustomControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TTestPanel(TComponent* AOwner);
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    // Messages of this number are logged as they pass WndProc and DefaultHandler.
    UINT TracedMessage = 0;

protected:
    void Paint() override;
};

// A window-less control that fills itself with its colour and logs the mouse.
class TTestShape : public TGraphicControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TTestShape(TComponent* AOwner);
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
};

// A system button; its reflected notifications are counted.
class TTestButton : public TWinControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TTestButton(TComponent* AOwner);
    void WndProc(TMessage& message) override;
    int Commands = 0;

protected:
    void CreateParams(TCreateParams& params) override;
};

class TVisualForm : public TForm {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TVisualForm(TComponent* AOwner);

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    TCloseAction CloseAction = caHide;
    TTestPanel* TopPanel = nullptr;
    TTestPanel* ClientPanel = nullptr;
    TTestPanel* Inner = nullptr;
    TTestShape* Shape = nullptr;
    TTestShape* BottomShape = nullptr;
    TTestButton* Button = nullptr;
    TTestButton* Button2 = nullptr;
};

// The pixels of a control printed through WM_PRINTCLIENT into a 32-bit DIB.
class TPrintedControl {
public:
    TPrintedControl(TWinControl* control, LPARAM flags);
    // 0x00RRGGBB, as a reader of the screen would name it.
    uint32_t Pixel(int x, int y) const;

private:
    TBitmap FBitmap;
};
