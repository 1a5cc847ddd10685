// The what's-new and licence windows, built in code.
#include <memory>

#include "classlib/ComCtrls.h"
#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"
#include "classlib/SysUtils.h"
#include "update/NUpdate.h"

namespace {

bool IsRichText(TStream* stream)
{
    char head[5] = {};
    const int32_t read = stream->Read(head, sizeof(head));
    stream->SetPosition(0);
    return read == 5 && UpperCase(AnsiString(head, 5)) == "{\\RTF";
}

// A result of the text event other than 1 refuses the text.
int32_t AskTextEvent(const TNetUpdateTextDownloaded& event, TObject* sender, TStream* stream)
{
    TStringList lines;
    lines.LoadFromStream(stream);
    int32_t res = 1;
    event(sender, &lines, res);
    return res == 1 ? 0 : -1;
}

// A 400 x 400 dialog with the text box at (10, 10) and room for a row of buttons below it.
class TTextWindow {
public:
    TTextWindow(const AnsiString& caption, TStream* stream, bool richText)
        : FForm(std::make_unique<TForm>(Application))
    {
        FForm->SetBounds(0, 0, 400, 400);
        FForm->SetCaption(caption);
        FForm->SetBorderStyle(bsDialog);
        FForm->SetBorderIcons(TBorderIcons{biSystemMenu});
        FForm->SetPosition(poScreenCenter);
        TCustomMemo* box = richText ? static_cast<TCustomMemo*>(new TRichEdit(FForm.get()))
                                    : static_cast<TCustomMemo*>(new TMemo(FForm.get()));
        box->SetParent(FForm.get());
        box->SetBounds(10, 10, FForm->GetClientWidth() - 20, FForm->GetClientHeight() - 60);
        box->SetReadOnly(true);
        box->SetWordWrap(true);
        box->SetScrollBars(ssVertical);
        box->GetLines()->LoadFromStream(stream);
        FBox = box;
    }

    TForm& Form() { return *FForm; }
    TCustomMemo& Box() { return *FBox; }
    int ButtonTop() const { return FBox->GetTop() + FBox->GetHeight() + 10; }

    template <class C>
    C* Add(const AnsiString& caption, int left, int width, int tabOrder)
    {
        C* control = new C(FForm.get());
        control->SetParent(FForm.get());
        control->SetBounds(left, ButtonTop(), width, 25);
        control->SetCaption(caption);
        control->SetTabOrder(tabOrder);
        return control;
    }

private:
    std::unique_ptr<TForm> FForm;
    TCustomMemo* FBox = nullptr;
};

constexpr int ButtonWidth = 75;

}  // namespace

int32_t TNetUpdate::ShowWhatsNew(TStream* Stream)
{
    const bool richText = IsRichText(Stream);
    if (FOnDownloadedWhatsNew && !richText)
        return AskTextEvent(FOnDownloadedWhatsNew, this, Stream);
    const auto ini = OpenControlFile();
    AnsiString caption = ini->ReadString("whatsnew", "caption", "");
    if (caption.empty())
        caption = "What's new";
    TTextWindow window(caption, Stream, richText);
    const int right = window.Box().GetLeft() + window.Box().GetWidth();
    TButton* ok = window.Add<TButton>(ini->ReadString("whatsnew", "okbtn", "Ok"), right - 2 * ButtonWidth - 10,
                                      ButtonWidth, 0);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    TButton* cancel = window.Add<TButton>(ini->ReadString("whatsnew", "cancelbtn", "Cancel"), right - ButtonWidth,
                                          ButtonWidth, 1);
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    if (window.Form().ShowModal() == mrCancel) {
        ReportStatus(938, "", 14, 0);
        return -1;
    }
    return 0;
}

int32_t TNetUpdate::ShowLicence(TStream* Stream)
{
    const bool richText = IsRichText(Stream);
    if (FOnDownloadedEULA && richText)
        return AskTextEvent(FOnDownloadedEULA, this, Stream);
    const auto ini = OpenControlFile();
    TTextWindow window(ini->ReadString("eula", "caption", ""), Stream, richText);
    const int right = window.Box().GetLeft() + window.Box().GetWidth();
    TButton* ok = window.Add<TButton>(ini->ReadString("eula", "okbtn", "Ok"), right - ButtonWidth, ButtonWidth, 0);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    const int radioWidth = 120;
    TRadioButton* accept = window.Add<TRadioButton>(ini->ReadString("eula", "accept", "I accept"), 10, radioWidth, 1);
    TRadioButton* notAccept = window.Add<TRadioButton>(ini->ReadString("eula", "notaccept", "I do not accept"),
                                                       radioWidth + 20, radioWidth, 2);
    notAccept->SetChecked(true);
    window.Form().ShowModal();
    return accept->GetChecked() ? 0 : -1;
}
