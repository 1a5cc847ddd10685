#include "unicode/UniClasses.h"

WideString SyncWideFromAnsi(WideString& wideValue, const AnsiString& ansiValue)
{
    if (WideToAnsi(wideValue) != ansiValue)
        wideValue = AnsiToWide(ansiValue);
    return wideValue;
}

void SyncWideToAnsi(const WideString& newValue, WideString& wideValue, const AnsiString& ansiValue,
                    const std::function<void(const AnsiString&)>& setAnsi)
{
    if (newValue == SyncWideFromAnsi(wideValue, ansiValue))
        return;
    AnsiString newAnsi = WideToAnsi(newValue);
    // The twin ignores a value it already holds; emptied first, it acts on the
    // new one (and passes the wide text on to its window, say).
    if (AnsiToWide(newAnsi) != newValue && newAnsi == ansiValue)
        setAnsi("");
    wideValue = newValue;
    setAnsi(newAnsi);
}
