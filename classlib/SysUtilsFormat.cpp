#include "classlib/SysUtils.h"

namespace {

template <class S>
S Widen(const AnsiString& text);
template <>
AnsiString Widen<AnsiString>(const AnsiString& text)
{
    return text;
}
template <>
WideString Widen<WideString>(const AnsiString& text)
{
    return AnsiToWide(text);
}

template <class S>
S StringArg(const TFormatArg& arg)
{
    if constexpr (std::is_same_v<S, AnsiString>)
        return arg.GetKind() == TFormatArg::fkAnsi ? arg.GetAnsi() : WideToAnsi(arg.GetWide());
    else
        return arg.GetKind() == TFormatArg::fkWide ? arg.GetWide() : AnsiToWide(arg.GetAnsi());
}

// The digits of the integer argument, without a sign.
AnsiString Digits(const TFormatArg& arg, char type)
{
    int64_t v = arg.GetInteger();
    uint64_t u = arg.GetIs64() ? static_cast<uint64_t>(v) : static_cast<uint32_t>(v);
    if (type == 'd' && v < 0)
        u = 0 - static_cast<uint64_t>(v);
    else if (type == 'd')
        u = static_cast<uint64_t>(v);
    unsigned base = (type == 'x' || type == 'X') ? 16 : 10;
    const char* digitChars = type == 'x' ? "0123456789abcdef" : "0123456789ABCDEF";
    AnsiString out;
    do {
        out.insert(out.begin(), digitChars[u % base]);
        u /= base;
    } while (u != 0);
    return out;
}

template <class S>
S FormatWith(const S& format, std::initializer_list<TFormatArg> args)
{
    using C = typename S::value_type;
    auto invalid = [&] {
        return EConvertError(L"Format '" + StringArg<WideString>(TFormatArg(format)) + L"' invalid or incompatible with argument");
    };
    S out;
    auto next = args.begin();
    size_t i = 0;
    while (i < format.size()) {
        C c = format[i++];
        if (c != C('%')) {
            out += c;
            continue;
        }
        if (i < format.size() && format[i] == C('%')) {
            out += C('%');
            ++i;
            continue;
        }
        bool left = false;
        if (i < format.size() && format[i] == C('-')) {
            left = true;
            ++i;
        }
        size_t width = 0;
        while (i < format.size() && format[i] >= C('0') && format[i] <= C('9'))
            width = width * 10 + static_cast<size_t>(format[i++] - C('0'));
        bool hasPrecision = false;
        size_t precision = 0;
        if (i < format.size() && format[i] == C('.')) {
            hasPrecision = true;
            ++i;
            while (i < format.size() && format[i] >= C('0') && format[i] <= C('9'))
                precision = precision * 10 + static_cast<size_t>(format[i++] - C('0'));
        }
        if (i >= format.size() || next == args.end())
            throw invalid();
        char type = static_cast<char>(format[i++]);
        const TFormatArg& arg = *next++;
        S piece;
        if (type == 's' || type == 'S') {
            if (arg.GetKind() == TFormatArg::fkInteger)
                throw invalid();
            piece = StringArg<S>(arg);
            if (hasPrecision && piece.size() > precision)
                piece.resize(precision);
        } else if (type == 'd' || type == 'D' || type == 'u' || type == 'U' || type == 'x' || type == 'X') {
            if (arg.GetKind() != TFormatArg::fkInteger)
                throw invalid();
            char t = type == 'D' ? 'd' : type == 'U' ? 'u' : type;
            AnsiString digits = Digits(arg, t);
            if (hasPrecision && digits.size() < precision)
                digits.insert(0, precision - digits.size(), '0');
            if (t == 'd' && arg.GetInteger() < 0)
                digits.insert(0, 1, '-');
            piece = Widen<S>(digits);
        } else {
            throw invalid();
        }
        if (piece.size() < width)
            piece = left ? piece + S(width - piece.size(), C(' ')) : S(width - piece.size(), C(' ')) + piece;
        out += piece;
    }
    return out;
}

}  // namespace

AnsiString FormatArgs(const AnsiString& format, std::initializer_list<TFormatArg> args)
{
    return FormatWith(format, args);
}

WideString WideFormatArgs(const WideString& format, std::initializer_list<TFormatArg> args)
{
    return FormatWith(format, args);
}
