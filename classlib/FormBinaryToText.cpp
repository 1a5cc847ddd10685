#include <cstdio>
#include <cstring>

#include "classlib/Filers.h"
#include "classlib/FormText.h"

namespace {

// Printable ASCII in quotes, every other code unit as #code.
AnsiString QuotedText(const WideString& units)
{
    if (units.empty())
        return "''";
    AnsiString out;
    bool quoted = false;
    for (wchar_t u : units) {
        bool printable = u >= 32 && u < 127;
        if (printable != quoted) {
            out += '\'';
            quoted = printable;
        }
        if (!printable) {
            out += '#';
            out += IntToStr(static_cast<uint16_t>(u));
        } else {
            if (u == L'\'')
                out += '\'';
            out += static_cast<char>(u);
        }
    }
    if (quoted)
        out += '\'';
    return out;
}

AnsiString FloatText(double value)
{
    char buf[64];
    snprintf(buf, sizeof buf, "%.15g", value);
    AnsiString text(buf);
    // Keeps a whole number a float when the text is read back.
    if (text.find_first_of(".eEni") == AnsiString::npos)
        text += ".0";
    return text;
}

class TBinaryToText {
public:
    explicit TBinaryToText(TReader& reader) : FReader(reader) {}

    AnsiString Convert()
    {
        FReader.ReadSignature();
        Object(0);
        return FOut;
    }

private:
    static AnsiString Indent(int n) { return AnsiString(static_cast<size_t>(n), ' '); }

    void Object(int indent)
    {
        AnsiString className = FReader.ReadStr();
        AnsiString name = FReader.ReadStr();
        FOut += Indent(indent) + "object " + (name.empty() ? className : name + ": " + className) + "\r\n";
        Properties(indent + 2);
        while (!FReader.EndOfList())
            Object(indent + 2);
        FReader.ReadListEnd();
        FOut += Indent(indent) + "end\r\n";
    }

    // Properties up to the end of their list, each on its own line.
    void Properties(int indent)
    {
        while (!FReader.EndOfList()) {
            FOut += Indent(indent) + FReader.ReadStr() + " = ";
            Value(indent);
            FOut += "\r\n";
        }
        FReader.ReadListEnd();
    }

    int32_t Count()
    {
        int32_t count;
        FReader.Read(&count, 4);
        TStream* s = FReader.GetStream();
        if (count < 0 || count > s->GetSize() - s->GetPosition())
            throw EReadError(L"Stream read error");
        return count;
    }

    void Value(int indent)
    {
        TValueType type = FReader.NextValue();
        switch (type) {
        case vaList:
            FReader.ReadListBegin();
            FOut += "(";
            while (!FReader.EndOfList()) {
                FOut += "\r\n" + Indent(indent + 2);
                Value(indent + 2);
            }
            FReader.ReadListEnd();
            FOut += ")";
            break;
        case vaInt8:
        case vaInt16:
        case vaInt32:
        case vaInt64:
            FOut += IntToStr(FReader.ReadInt64());
            break;
        case vaExtended:
            FOut += FloatText(FReader.ReadFloat());
            break;
        case vaSingle:
            FOut += FloatText(FReader.ReadFloat()) + "s";
            break;
        case vaCurrency:
            FOut += FloatText(FReader.ReadFloat()) + "c";
            break;
        case vaDate:
            FOut += FloatText(FReader.ReadFloat()) + "d";
            break;
        case vaString:
        case vaLString: {
            AnsiString bytes = FReader.ReadString();
            WideString units;
            for (char c : bytes)
                units += static_cast<wchar_t>(static_cast<unsigned char>(c));
            FOut += QuotedText(units);
            break;
        }
        case vaWString:
        case vaUTF8String:
            FOut += QuotedText(FReader.ReadWideString());
            break;
        case vaIdent:
        case vaFalse:
        case vaTrue:
        case vaNil:
            FOut += FReader.ReadIdent();
            break;
        case vaBinary:
            Binary(indent);
            break;
        case vaSet:
            Set();
            break;
        case vaCollection:
            Collection(indent);
            break;
        default:
            throw EReadError(L"Invalid property value");
        }
    }

    void Binary(int indent)
    {
        FReader.ReadValue();
        int32_t count = Count();
        AnsiString bytes(static_cast<size_t>(count), '\0');
        FReader.Read(bytes.data(), count);
        static const char digits[] = "0123456789ABCDEF";
        FOut += "{";
        for (int32_t i = 0; i < count; ++i) {
            if (i % 32 == 0)
                FOut += "\r\n" + Indent(indent + 2);
            auto b = static_cast<unsigned char>(bytes[static_cast<size_t>(i)]);
            FOut += digits[b >> 4];
            FOut += digits[b & 15];
        }
        FOut += "}";
    }

    void Set()
    {
        FReader.ReadValue();
        FOut += "[";
        bool first = true;
        for (AnsiString name; !(name = FReader.ReadStr()).empty(); first = false)
            FOut += (first ? "" : ", ") + name;
        FOut += "]";
    }

    void Collection(int indent)
    {
        FReader.ReadValue();
        FOut += "<";
        while (!FReader.EndOfList()) {
            TValueType next = FReader.NextValue();
            AnsiString order;
            if (next == vaInt8 || next == vaInt16 || next == vaInt32 || next == vaInt64)
                order = " [" + IntToStr(FReader.ReadInt64()) + "]";
            FReader.ReadListBegin();
            FOut += "\r\n" + Indent(indent + 2) + "item" + order + "\r\n";
            Properties(indent + 4);
            FOut += Indent(indent + 2) + "end";
        }
        FReader.ReadListEnd();
        FOut += ">";
    }

    TReader& FReader;
    AnsiString FOut;
};

}  // namespace

void ObjectBinaryToText(TStream* input, TStream* output)
{
    TReader reader(input);
    AnsiString text = TBinaryToText(reader).Convert();
    output->WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}
