#include "lang/LangEscapes.h"

namespace {

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

}  // namespace

WideString UnescapeLangValue(const WideString& text)
{
    WideString result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        wchar_t next = i + 1 < text.size() ? text[i + 1] : L'\0';
        if (c != L'\\' || next == L'\0') {
            result += c;
        } else if (next == L'\\') {
            result += L'\\';
            ++i;
        } else if (next == L'n') {
            result += L"\r\n";
            ++i;
        } else if (next == L't') {
            result += L'\t';
            ++i;
        } else if (IsDigit(next) && i + 2 < text.size() && IsDigit(text[i + 2])) {
            result += wchar_t((next - L'0') * 10 + (text[i + 2] - L'0'));
            i += 2;
        } else {
            result += c;
        }
    }
    return result;
}

WideString EscapeLangValue(const WideString& text)
{
    WideString result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        wchar_t next = i + 1 < text.size() ? text[i + 1] : L'\0';
        if (c == L'\t') {
            result += L"\\t";
        } else if (c == L'\n' || c == L'\r') {
            result += L"\\n";
            // The other half of a CR LF or LF CR pair belongs to the same break.
            if ((next == L'\n' || next == L'\r') && next != c)
                ++i;
        } else if (c == L'\\') {
            result += L"\\\\";
        } else if (c < 32) {
            result += L'\\';
            result += wchar_t(L'0' + c / 10);
            result += wchar_t(L'0' + c % 10);
        } else {
            result += c;
        }
    }
    return result;
}
