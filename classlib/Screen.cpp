#include <algorithm>

#include "classlib/Forms.h"

VARIRUVU_CLASS_INFO(TScreen, TComponent) {}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner), FHintFont(std::make_unique<TFont>())
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        FHintFont->SetName(metrics.lfStatusFont.lfFaceName);
        FHintFont->SetHeight(metrics.lfStatusFont.lfHeight);
    }
    FHintFont->SetColor(clInfoText);
}

TRect TScreen::GetWorkAreaRect() const
{
    RECT r;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

HCURSOR TScreen::GetCursors(TCursor index) const
{
    for (const auto& [number, cursor] : FCursors)
        if (number == index)
            return cursor;
    static const struct {
        TCursor Number;
        const char* Id;
    } systemCursors[] = {
        {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},       {crIBeam, IDC_IBEAM},
        {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},     {crSizeNWSE, IDC_SIZENWSE},
        {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW},   {crHourGlass, IDC_WAIT},
        {crNo, IDC_NO},             {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
        {crHandPoint, IDC_HAND},    {crSizeAll, IDC_SIZEALL},   {crSQLWait, IDC_WAIT},
        {crDrag, IDC_ARROW},        {crNoDrop, IDC_NO},         {crHSplit, IDC_SIZEWE},
        {crVSplit, IDC_SIZENS},     {crMultiDrag, IDC_ARROW},
    };
    if (index == crNone)
        return nullptr;
    for (const auto& c : systemCursors)
        if (c.Number == index)
            return LoadCursorA(nullptr, c.Id);
    return LoadCursorA(nullptr, IDC_ARROW);
}

void TScreen::SetCursors(TCursor index, HCURSOR value)
{
    auto it = std::find_if(FCursors.begin(), FCursors.end(), [&](const auto& c) { return c.first == index; });
    if (it != FCursors.end())
        it->second = value;
    else
        FCursors.emplace_back(index, value);
}

void TScreen::SetCursor(TCursor value)
{
    if (value == FCursor)
        return;
    FCursor = value;
    POINT p;
    GetCursorPos(&p);
    if (value != crDefault)
        ::SetCursor(GetCursors(value));
    else
        SetCursorPos(p.x, p.y);  // lets the window under the mouse choose again
}

TCustomForm* TScreen::GetActiveForm() const
{
    TWinControl* control = FindControl(GetActiveWindow());
    return dynamic_cast<TCustomForm*>(control);
}

void TScreen::AddForm(TCustomForm* form)
{
    FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
}

namespace {
TScreen& TheScreen()
{
    static TScreen screen(nullptr);
    return screen;
}
}  // namespace

TScreen* const Screen = &TheScreen();
