#include "classlib/SysUtils.h"
#include "components/KitLabel.h"

#include <shellapi.h>

VARIRUVU_CLASS_INFO(TKitURLLabel, TKitLabel)
{
    using P = TKitURLLabel;
    info.Property("URL", &P::GetURL, &P::SetURL);
    info.Property("Visited", &P::GetVisited, &P::SetVisited).Default(false);
    info.Property("VisitedColor", &P::GetVisitedColor, &P::SetVisitedColor)
        .OfType(ColorTypeInfo())
        .Default(static_cast<TColor>(RGB(128, 0, 128)));
    info.Property("UnvisitedColor", &P::GetUnvisitedColor, &P::SetUnvisitedColor)
        .OfType(ColorTypeInfo())
        .Default(clHighlight);
}

namespace {

// Systems before Windows 98 and 2000 have no hand pointer of their own.
HCURSOR HandCursor()
{
    if (IsWindowsVersion(Win95) || IsWindowsVersion(WinNT4))
        if (HCURSOR own = LoadCursorA(GetModuleHandleA(nullptr), "KITCOMMON_HANDCURSOR"))
            return own;
    return LoadCursorA(nullptr, IDC_HAND);
}

}  // namespace

bool OpenWithShell(const AnsiString& target)
{
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_FLAG_DDEWAIT | SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "Open";
    info.lpFile = target.c_str();
    info.nShow = SW_SHOWNORMAL;
    bool opened = ShellExecuteExA(&info);
    // The started program is none of ours to wait for.
    if (info.hProcess)
        CloseHandle(info.hProcess);
    return opened;
}

TKitURLLabel::TKitURLLabel(TComponent* AOwner) : TKitLabel(AOwner)
{
    GetFont()->SetColor(FUnvisitedColor);
    GetFont()->SetStyle(TFontStyles{fsUnderline});
    SetTextStyle(tsNormal);
    Screen->SetCursors(crKitHand, HandCursor());
    SetCursor(crKitHand);
}

void TKitURLLabel::Click()
{
    TKitLabel::Click();
    AnsiString target = Trim(FURL).empty() ? GetCaption() : FURL;
    if (Trim(target).empty())
        return;
    if (OpenWithShell(target))
        SetVisited(true);
    else if (UpperCase(ExtractFileExt(target)) == ".HTM")
        WinExec("RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", SW_SHOWNORMAL);
}

void TKitURLLabel::ShowVisitState()
{
    GetFont()->SetColor(FVisited ? FVisitedColor : FUnvisitedColor);
    Invalidate();
}

void TKitURLLabel::SetVisited(bool value)
{
    FVisited = value;
    ShowVisitState();
}

void TKitURLLabel::SetVisitedColor(TColor value)
{
    FVisitedColor = value;
    ShowVisitState();
}

void TKitURLLabel::SetUnvisitedColor(TColor value)
{
    FUnvisitedColor = value;
    ShowVisitState();
}
