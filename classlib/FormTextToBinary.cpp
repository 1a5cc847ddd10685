#include <cctype>
#include <cstdlib>

#include "classlib/Filers.h"
#include "classlib/FormText.h"

namespace {

bool IsIdentStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsIdentChar(char c)
{
    return IsIdentStart(c) || (c >= '0' && c <= '9');
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

class TTextToBinary {
public:
    TTextToBinary(const AnsiString& text, TWriter& writer) : FText(text), FWriter(writer)
    {
        if (FText.compare(0, 3, "\xEF\xBB\xBF") == 0)
            FPos = 3;
    }

    void Convert()
    {
        FWriter.WriteSignature();
        Object();
        SkipBlanks();
        if (FPos < FText.size())
            Error("End of text expected");
    }

private:
    [[noreturn]] void Error(const AnsiString& what) const { throw EParserError(Format("%s on line %d", what, FLine)); }

    void SkipBlanks()
    {
        while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) <= 32) {
            if (FText[FPos] == '\n')
                ++FLine;
            ++FPos;
        }
    }

    char Peek()
    {
        SkipBlanks();
        return FPos < FText.size() ? FText[FPos] : '\0';
    }

    void Expect(char c)
    {
        if (Peek() != c)
            Error(Format("'%s' expected", AnsiString(1, c)));
        ++FPos;
    }

    // An identifier; with dotted, dots may join several.
    AnsiString Ident(bool dotted)
    {
        if (!IsIdentStart(Peek()))
            Error("Identifier expected");
        size_t start = FPos;
        while (FPos < FText.size() && (IsIdentChar(FText[FPos]) || (dotted && FText[FPos] == '.')))
            ++FPos;
        return FText.substr(start, FPos - start);
    }

    bool AtKeyword(const char* keyword)
    {
        if (!IsIdentStart(Peek()))
            return false;
        size_t end = FPos;
        while (end < FText.size() && IsIdentChar(FText[end]))
            ++end;
        return SameText(FText.substr(FPos, end - FPos), keyword);
    }

    void Keyword(const char* keyword)
    {
        if (!AtKeyword(keyword))
            Error(Format("'%s' expected", keyword));
        Ident(false);
    }

    void Object()
    {
        Keyword("object");
        AnsiString first = Ident(false);
        AnsiString name, className = first;
        if (Peek() == ':') {
            ++FPos;
            name = first;
            className = Ident(false);
        }
        FWriter.WriteStr(className);
        FWriter.WriteStr(name);
        while (!AtKeyword("end") && !AtKeyword("object")) {
            FWriter.WriteStr(Ident(true));
            Expect('=');
            Value();
        }
        FWriter.WriteListEnd();
        while (AtKeyword("object"))
            Object();
        Keyword("end");
        FWriter.WriteListEnd();
    }

    void Value()
    {
        char c = Peek();
        if (c == '\'' || c == '#')
            String();
        else if (c == '-' || c == '+' || c == '$' || (c >= '0' && c <= '9'))
            Number();
        else if (c == '[')
            Set();
        else if (c == '(')
            List();
        else if (c == '{')
            Binary();
        else if (c == '<')
            Collection();
        else if (IsIdentStart(c))
            FWriter.WriteIdent(Ident(true));
        else
            Error("Invalid property value");
    }

    void String()
    {
        WideString units;
        Peek();
        for (;;) {
            // Quoted parts and #codes join when they touch; '+' joins across blanks.
            char c = FPos < FText.size() ? FText[FPos] : '\0';
            if (c != '\'' && c != '#' && Peek() == '+') {
                ++FPos;
                if (Peek() != '\'' && Peek() != '#')
                    Error("String expected");
                continue;
            }
            if (c == '\'') {
                ++FPos;
                AnsiString raw;
                for (;;) {
                    if (FPos >= FText.size() || FText[FPos] == '\n')
                        Error("Unterminated string");
                    if (FText[FPos] == '\'') {
                        if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
                            raw += '\'';
                            FPos += 2;
                            continue;
                        }
                        ++FPos;
                        break;
                    }
                    raw += FText[FPos++];
                }
                units += AnsiToWide(raw, CP_UTF8);
            } else if (c == '#') {
                ++FPos;
                size_t start = FPos;
                long code = 0;
                while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9' && code <= 0xFFFF)
                    code = code * 10 + (FText[FPos++] - '0');
                if (FPos == start || code > 0xFFFF)
                    Error("Invalid character code");
                units += static_cast<wchar_t>(code);
            } else {
                break;
            }
        }
        bool ascii = true;
        for (wchar_t u : units)
            ascii = ascii && u < 128;
        if (ascii)
            FWriter.WriteString(AnsiString(units.begin(), units.end()));
        else
            FWriter.WriteWideString(units);
    }

    void Number()
    {
        size_t start = FPos;
        if (FText[FPos] == '-' || FText[FPos] == '+')
            ++FPos;
        if (FPos < FText.size() && FText[FPos] == '$') {
            ++FPos;
            while (FPos < FText.size() && HexDigit(FText[FPos]) >= 0)
                ++FPos;
        } else {
            while (FPos < FText.size() &&
                   (std::isdigit(static_cast<unsigned char>(FText[FPos])) || FText[FPos] == '.' ||
                    FText[FPos] == 'e' || FText[FPos] == 'E' ||
                    ((FText[FPos] == '-' || FText[FPos] == '+') && (FText[FPos - 1] == 'e' || FText[FPos - 1] == 'E'))))
                ++FPos;
        }
        AnsiString number = FText.substr(start, FPos - start);
        bool isFloat = number.find_first_of(".eE") != AnsiString::npos && number.find('$') == AnsiString::npos;
        char suffix = FPos < FText.size() ? FText[FPos] : '\0';
        if (isFloat || suffix == 's' || suffix == 'c' || suffix == 'd') {
            char* end = nullptr;
            double value = std::strtod(number.c_str(), &end);
            if (number.empty() || *end != '\0')
                Error(Format("Invalid number %s", number));
            if (suffix == 's' || suffix == 'c' || suffix == 'd')
                ++FPos;
            WriteFloat(value, suffix);
            return;
        }
        int64_t value;
        if (!TryStrToInt64(number, value))
            Error(Format("Invalid number %s", number));
        FWriter.WriteInteger(value);
    }

    void WriteFloat(double value, char suffix)
    {
        if (suffix == 's') {
            auto v = static_cast<float>(value);
            FWriter.WriteValue(vaSingle);
            FWriter.Write(&v, 4);
        } else if (suffix == 'c') {
            auto v = static_cast<int64_t>(value * 10000.0 + (value < 0 ? -0.5 : 0.5));
            FWriter.WriteValue(vaCurrency);
            FWriter.Write(&v, 8);
        } else if (suffix == 'd') {
            FWriter.WriteValue(vaDate);
            FWriter.Write(&value, 8);
        } else {
            FWriter.WriteFloat(value);
        }
    }

    void Set()
    {
        Expect('[');
        FWriter.WriteValue(vaSet);
        if (Peek() != ']') {
            FWriter.WriteStr(Ident(false));
            while (Peek() == ',') {
                ++FPos;
                FWriter.WriteStr(Ident(false));
            }
        }
        Expect(']');
        FWriter.WriteStr(AnsiString());
    }

    void List()
    {
        Expect('(');
        FWriter.WriteListBegin();
        while (Peek() != ')') {
            if (Peek() == '\0')
                Error("')' expected");
            Value();
        }
        ++FPos;
        FWriter.WriteListEnd();
    }

    void Binary()
    {
        Expect('{');
        AnsiString bytes;
        int high = -1;
        while (Peek() != '}') {
            int d = HexDigit(Peek());
            if (d < 0)
                Error("Invalid binary value");
            ++FPos;
            if (high < 0) {
                high = d;
            } else {
                bytes += static_cast<char>(high * 16 + d);
                high = -1;
            }
        }
        if (high >= 0)
            Error("Invalid binary value");
        ++FPos;
        FWriter.WriteBinary(bytes.data(), static_cast<int32_t>(bytes.size()));
    }

    void Collection()
    {
        Expect('<');
        FWriter.WriteValue(vaCollection);
        while (Peek() != '>') {
            Keyword("item");
            if (Peek() == '[') {
                ++FPos;
                Peek();
                Number();
                Expect(']');
            }
            FWriter.WriteListBegin();
            while (!AtKeyword("end")) {
                FWriter.WriteStr(Ident(true));
                Expect('=');
                Value();
            }
            Keyword("end");
            FWriter.WriteListEnd();
        }
        ++FPos;
        FWriter.WriteListEnd();
    }

    const AnsiString& FText;
    TWriter& FWriter;
    size_t FPos = 0;
    int FLine = 1;
};

}  // namespace

void ObjectTextToBinary(TStream* input, TStream* output)
{
    int64_t size = input->GetSize() - input->GetPosition();
    AnsiString text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    input->ReadBuffer(text.data(), static_cast<int32_t>(text.size()));
    TWriter writer(output);
    TTextToBinary(text, writer).Convert();
}
