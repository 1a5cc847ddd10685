#include "unicode_controls/UniControlsState.h"

namespace {

constexpr WPARAM ParkedMark = 255;

WPARAM CharWord(WPARAM wParam) { return wParam & 0xFFFF; }
WPARAM SpareWord(WPARAM wParam) { return (wParam >> 16) & 0xFFFF; }
WPARAM WithCharField(WPARAM wParam, WPARAM field) { return (wParam & ~WPARAM(0xFFFFFFFF)) | field; }

}  // namespace

void ParkWideChar(TMessage& message)
{
    WPARAM ch = CharWord(message.WParam);
    if (SpareWord(message.WParam) != 0 || ch < 256)
        return;
    message.WParam = WithCharField(message.WParam, (ch << 16) | ParkedMark);
}

void RestoreWideChar(TMessage& message)
{
    WPARAM spare = SpareWord(message.WParam);
    if (spare != 0 && CharWord(message.WParam) == ParkedMark)
        message.WParam = WithCharField(message.WParam, spare);
}

void InitWideCharMessage(TMessage& message, wchar_t ch)
{
    message = TMessage{WM_CHAR, static_cast<WPARAM>(ch), 0, 0};
    ParkWideChar(message);
}

wchar_t GetWideCharFromMessage(const TMessage& message)
{
    WPARAM spare = SpareWord(message.WParam);
    if (spare != 0 && CharWord(message.WParam) == ParkedMark)
        return static_cast<wchar_t>(spare);
    return static_cast<wchar_t>(CharWord(message.WParam));
}
