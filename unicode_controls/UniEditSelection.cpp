#include <algorithm>

#include "unicode/UniSystem.h"
#include "unicode_controls/UniStdCtrls.h"

int GetWideSelStart(TCustomEdit* edit)
{
    if (IsUnicodePlatform())
        return edit->GetSelStart();
    AnsiString before = edit->GetText().substr(0, static_cast<size_t>(edit->GetSelStart()));
    return static_cast<int>(AnsiToWide(before).size());
}

void SetWideSelStart(TCustomEdit* edit, int value)
{
    if (IsUnicodePlatform()) {
        edit->SetSelStart(value);
        return;
    }
    WideString before = GetWideText(edit).substr(0, static_cast<size_t>(std::max(value, 0)));
    edit->SetSelStart(static_cast<int>(WideToAnsi(before).size()));
}

int GetWideSelLength(TCustomEdit* edit)
{
    if (IsUnicodePlatform())
        return edit->GetSelLength();
    return static_cast<int>(GetWideSelText(edit).size());
}

void SetWideSelLength(TCustomEdit* edit, int value)
{
    if (IsUnicodePlatform()) {
        edit->SetSelLength(value);
        return;
    }
    WideString text = GetWideText(edit);
    size_t start = std::min(static_cast<size_t>(GetWideSelStart(edit)), text.size());
    WideString selected = text.substr(start, static_cast<size_t>(std::max(value, 0)));
    edit->SetSelLength(static_cast<int>(WideToAnsi(selected).size()));
}

WideString GetWideSelText(TCustomEdit* edit)
{
    if (!IsUnicodePlatform())
        return AnsiToWide(edit->GetSelText());
    WideString text = GetWideText(edit);
    size_t start = std::min(static_cast<size_t>(edit->GetSelStart()), text.size());
    return text.substr(start, static_cast<size_t>(std::max(edit->GetSelLength(), 0)));
}
