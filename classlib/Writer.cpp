#include <cstring>
#include <limits>

#include "classlib/Collections.h"
#include "classlib/Filers.h"

namespace {

// Sets a state flag for the length of a scope.
class TStateScope {
public:
    explicit TStateScope(const std::function<void(bool)>& set) : FSet(set) { FSet(true); }
    ~TStateScope() { FSet(false); }

private:
    std::function<void(bool)> FSet;
};

}  // namespace

void TWriter::DefineProperty(const AnsiString& name, const TReaderProc&, const TWriterProc& writeData, bool hasData)
{
    if (hasData && writeData) {
        WritePropName(name);
        writeData(this);
    }
}

void TWriter::DefineBinaryProperty(const AnsiString& name, const TStreamProc&, const TStreamProc& writeData,
                                   bool hasData)
{
    if (!hasData || !writeData)
        return;
    TMemoryStream data;
    writeData(&data);
    WritePropName(name);
    WriteBinary(data.GetMemory(), static_cast<int32_t>(data.GetSize()));
}

void TWriter::Write(const void* buffer, int32_t count)
{
    FStream->WriteBuffer(buffer, count);
}

void TWriter::WriteValue(TValueType value)
{
    auto b = static_cast<uint8_t>(value);
    Write(&b, 1);
}

void TWriter::WriteSignature()
{
    Write(FilerSignature, 4);
}

void TWriter::WriteStr(const AnsiString& s)
{
    if (s.size() > 255)
        throw EWriteError(Format("Name too long: %s", s.substr(0, 32)));
    auto length = static_cast<uint8_t>(s.size());
    Write(&length, 1);
    Write(s.data(), length);
}

void TWriter::WritePropName(const AnsiString& name)
{
    WriteStr(FPropPath + name);
}

void TWriter::WriteInteger(int64_t value)
{
    if (value >= INT8_MIN && value <= INT8_MAX) {
        WriteValue(vaInt8);
        auto v = static_cast<int8_t>(value);
        Write(&v, 1);
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        WriteValue(vaInt16);
        auto v = static_cast<int16_t>(value);
        Write(&v, 2);
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        WriteValue(vaInt32);
        auto v = static_cast<int32_t>(value);
        Write(&v, 4);
    } else {
        WriteValue(vaInt64);
        Write(&value, 8);
    }
}

void TWriter::WriteBoolean(bool value)
{
    WriteValue(value ? vaTrue : vaFalse);
}

void TWriter::WriteFloat(double value)
{
    static_assert(std::numeric_limits<long double>::digits == 64, "long double must be the 80-bit extended type");
    long double extended = value;
    uint8_t bytes[10];
    std::memcpy(bytes, &extended, 10);
    WriteValue(vaExtended);
    Write(bytes, 10);
}

void TWriter::WriteString(const AnsiString& s)
{
    if (s.size() <= 255) {
        WriteValue(vaString);
        WriteStr(s);
        return;
    }
    WriteValue(vaLString);
    auto count = static_cast<int32_t>(s.size());
    Write(&count, 4);
    Write(s.data(), count);
}

void TWriter::WriteWideString(const WideString& s)
{
    WriteValue(vaWString);
    auto count = static_cast<int32_t>(s.size());
    Write(&count, 4);
    Write(s.data(), count * 2);
}

void TWriter::WriteChar(char c)
{
    WriteString(AnsiString(1, c));
}

void TWriter::WriteWideChar(wchar_t c)
{
    WriteWideString(WideString(1, c));
}

void TWriter::WriteIdent(const AnsiString& ident)
{
    if (SameText(ident, "False"))
        WriteValue(vaFalse);
    else if (SameText(ident, "True"))
        WriteValue(vaTrue);
    else if (SameText(ident, "nil"))
        WriteValue(vaNil);
    else {
        WriteValue(vaIdent);
        WriteStr(ident);
    }
}

void TWriter::WriteSet(const TTypeInfo& setType, uint32_t bits)
{
    WriteValue(vaSet);
    for (size_t i = 0; i < setType.CompType->EnumNames.size() && i < 32; ++i)
        if (bits & (1u << i))
            WriteStr(setType.CompType->EnumNames[i]);
    WriteStr(AnsiString());
}

void TWriter::WriteBinary(const void* data, int32_t count)
{
    WriteValue(vaBinary);
    Write(&count, 4);
    Write(data, count);
}

void TWriter::WriteListBegin()
{
    WriteValue(vaList);
}

void TWriter::WriteListEnd()
{
    WriteValue(vaNull);
}

void TWriter::WriteCollection(TCollection* collection)
{
    WriteValue(vaCollection);
    AnsiString savedPath = FPropPath;
    FPropPath.clear();
    for (int i = 0; i < collection->GetCount(); ++i) {
        WriteListBegin();
        WriteProperties(collection->GetItem(i));
        WriteListEnd();
    }
    FPropPath = savedPath;
    WriteListEnd();
}

AnsiString TWriter::ReferenceName(TComponent* component) const
{
    if (component->GetName().empty())
        return AnsiString();
    if (component == FLookupRoot || component->GetOwner() == FLookupRoot)
        return component->GetName();
    TComponent* owner = component->GetOwner();
    return owner && !owner->GetName().empty() ? owner->GetName() + "." + component->GetName() : AnsiString();
}

void TWriter::WriteProperty(TPersistent* instance, const TPropInfo& prop)
{
    switch (prop.Kind()) {
    case tkClass: {
        TObject* value = GetObjectProp(instance, prop);
        if (auto* component = dynamic_cast<TComponent*>(value)) {
            AnsiString name = prop.HasSetter() ? ReferenceName(component) : AnsiString();
            if (!name.empty()) {
                WritePropName(prop.Name);
                WriteIdent(name);
            }
        } else if (auto* collection = dynamic_cast<TCollection*>(value)) {
            if (collection->GetCount() > 0) {
                WritePropName(prop.Name);
                WriteCollection(collection);
            }
        } else if (auto* nested = dynamic_cast<TPersistent*>(value)) {
            AnsiString savedPath = FPropPath;
            FPropPath += prop.Name + ".";
            WriteProperties(nested);
            FPropPath = savedPath;
        }
        return;
    }
    case tkMethod: {
        TMethod method = GetMethodProp(instance, prop);
        const TMethodInfo* info = method.Data && method.Data == FLookupRoot
                                      ? FLookupRoot->ClassType().FindMethodByCode(method.Code)
                                      : nullptr;
        if (info) {
            WritePropName(prop.Name);
            WriteIdent(info->Name);
        }
        return;
    }
    default:
        break;
    }
    if (!prop.HasSetter())
        return;
    switch (prop.Kind()) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet:
    case tkInt64: {
        int64_t value = GetOrdProp(instance, prop);
        if (prop.Default && *prop.Default == value)
            return;
        WritePropName(prop.Name);
        if (prop.Kind() == tkChar)
            WriteChar(static_cast<char>(value));
        else if (prop.Kind() == tkWChar)
            WriteWideChar(static_cast<wchar_t>(value));
        else if (prop.Kind() == tkEnumeration)
            WriteIdent(GetEnumName(*prop.PropType, value));
        else if (prop.Kind() == tkSet)
            WriteSet(*prop.PropType, static_cast<uint32_t>(value));
        else if (AnsiString ident; prop.Kind() == tkInteger && IntToIdent(*prop.PropType, value, ident))
            WriteIdent(ident);
        else
            WriteInteger(value);
        return;
    }
    case tkFloat: {
        double value = GetFloatProp(instance, prop);
        if (value != 0) {
            WritePropName(prop.Name);
            WriteFloat(value);
        }
        return;
    }
    case tkLString: {
        AnsiString value = GetStrProp(instance, prop);
        if (!value.empty()) {
            WritePropName(prop.Name);
            WriteString(value);
        }
        return;
    }
    case tkWString: {
        WideString value = GetWideStrProp(instance, prop);
        if (!value.empty()) {
            WritePropName(prop.Name);
            WriteWideString(value);
        }
        return;
    }
    default:
        return;
    }
}

void TWriter::WriteProperties(TPersistent* instance)
{
    for (const TPropInfo* prop : GetPropList(instance))
        if (prop->HasGetter() && IsStoredProp(instance, *prop))
            WriteProperty(instance, *prop);
    instance->DefineProperties(this);
}

void TWriter::WriteComponent(TComponent* component)
{
    TStateScope writing([component](bool on) { component->SetComponentStateFlag(csWriting, on); });
    AnsiString savedPath = FPropPath;
    FPropPath.clear();
    WriteStr(component->ClassName());
    WriteStr(component->GetName());
    WriteProperties(component);
    WriteListEnd();
    component->GetChildren([this](TComponent* child) { WriteComponent(child); }, FRoot);
    WriteListEnd();
    FPropPath = savedPath;
}

void TWriter::WriteRootComponent(TComponent* root)
{
    FRoot = FLookupRoot = root;
    WriteSignature();
    WriteComponent(root);
}
