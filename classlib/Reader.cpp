#include <cstring>
#include <limits>
#include <memory>

#include "classlib/Collections.h"
#include "classlib/Filers.h"

namespace {

double ExtendedToDouble(const uint8_t (&bytes)[10])
{
    static_assert(std::numeric_limits<long double>::digits == 64, "long double must be the 80-bit extended type");
    long double value = 0;
    std::memcpy(&value, bytes, 10);
    return static_cast<double>(value);
}

}  // namespace

TReader::TReader(TStream* stream) : TFiler(stream) {}

TReader::~TReader() = default;

void TReader::PropValueError()
{
    throw EReadError(L"Invalid property value");
}

// ---- defined properties ----

void TReader::DefineProperty(const AnsiString& name, const TReaderProc& readData, const TWriterProc&, bool)
{
    if (FCanHandle && readData && SameText(name, FPropName)) {
        FCanHandle = false;
        readData(this);
    }
}

void TReader::DefineBinaryProperty(const AnsiString& name, const TStreamProc& readData, const TStreamProc&, bool)
{
    if (!FCanHandle || !readData || !SameText(name, FPropName))
        return;
    FCanHandle = false;
    CheckValue(vaBinary);
    int32_t count = ReadCount();
    TMemoryStream data;
    data.SetSize(count);
    Read(data.GetMemory(), count);
    data.SetPosition(0);
    readData(&data);
}

// ---- values ----

void TReader::Read(void* buffer, int32_t count)
{
    FStream->ReadBuffer(buffer, count);
}

TValueType TReader::ReadValue()
{
    uint8_t value;
    Read(&value, 1);
    if (value > vaUTF8String)
        throw EReadError(L"Invalid stream format");
    return static_cast<TValueType>(value);
}

TValueType TReader::NextValue()
{
    TValueType value = ReadValue();
    FStream->Seek(-1, soCurrent);
    return value;
}

void TReader::CheckValue(TValueType value)
{
    if (ReadValue() != value) {
        FStream->Seek(-1, soCurrent);
        PropValueError();
    }
}

bool TReader::EndOfList()
{
    // What follows may be a name, whose length byte is no value type.
    uint8_t next;
    Read(&next, 1);
    FStream->Seek(-1, soCurrent);
    return next == vaNull;
}

void TReader::ReadListBegin()
{
    CheckValue(vaList);
}

void TReader::ReadListEnd()
{
    CheckValue(vaNull);
}

void TReader::ReadSignature()
{
    char signature[4];
    Read(signature, 4);
    if (std::memcmp(signature, FilerSignature, 4) != 0)
        throw EReadError(L"Invalid stream format");
}

// A count of bytes or units that the rest of the stream can hold.
int32_t TReader::ReadCount()
{
    int32_t count;
    Read(&count, 4);
    if (count < 0 || count > FStream->GetSize() - FStream->GetPosition())
        throw EReadError(L"Stream read error");
    return count;
}

AnsiString TReader::ReadBytes(int32_t count)
{
    AnsiString s(static_cast<size_t>(count), '\0');
    Read(s.data(), count);
    return s;
}

AnsiString TReader::ReadStr()
{
    uint8_t length;
    Read(&length, 1);
    return ReadBytes(length);
}

int64_t TReader::ReadIntegerValue(TValueType type)
{
    switch (type) {
    case vaInt8: {
        int8_t v;
        Read(&v, 1);
        return v;
    }
    case vaInt16: {
        int16_t v;
        Read(&v, 2);
        return v;
    }
    case vaInt32: {
        int32_t v;
        Read(&v, 4);
        return v;
    }
    case vaInt64: {
        int64_t v;
        Read(&v, 8);
        return v;
    }
    default:
        FStream->Seek(-1, soCurrent);
        PropValueError();
    }
}

int32_t TReader::ReadInteger()
{
    int64_t v = ReadIntegerValue(ReadValue());
    if (v < INT32_MIN || v > INT32_MAX)
        PropValueError();
    return static_cast<int32_t>(v);
}

int64_t TReader::ReadInt64()
{
    return ReadIntegerValue(ReadValue());
}

bool TReader::ReadBoolean()
{
    TValueType type = ReadValue();
    if (type != vaTrue && type != vaFalse)
        PropValueError();
    return type == vaTrue;
}

double TReader::ReadFloat()
{
    TValueType type = ReadValue();
    switch (type) {
    case vaExtended: {
        uint8_t bytes[10];
        Read(bytes, 10);
        return ExtendedToDouble(bytes);
    }
    case vaSingle: {
        float v;
        Read(&v, 4);
        return v;
    }
    case vaDate: {
        double v;
        Read(&v, 8);
        return v;
    }
    case vaCurrency: {
        int64_t v;
        Read(&v, 8);
        return static_cast<double>(v) / 10000.0;
    }
    default:
        return static_cast<double>(ReadIntegerValue(type));
    }
}

WideString TReader::ReadWideString()
{
    switch (ReadValue()) {
    case vaString:
    case vaLString:
        FStream->Seek(-1, soCurrent);
        return AnsiToWide(ReadString());
    case vaWString: {
        int32_t count = ReadCount();
        if (count > (FStream->GetSize() - FStream->GetPosition()) / 2)
            throw EReadError(L"Stream read error");
        WideString s(static_cast<size_t>(count), L'\0');
        Read(s.data(), count * 2);
        return s;
    }
    case vaUTF8String:
        return AnsiToWide(ReadBytes(ReadCount()), CP_UTF8);
    default:
        FStream->Seek(-1, soCurrent);
        PropValueError();
    }
}

AnsiString TReader::ReadString()
{
    switch (ReadValue()) {
    case vaString:
        return ReadStr();
    case vaLString:
        return ReadBytes(ReadCount());
    case vaWString:
    case vaUTF8String:
        FStream->Seek(-1, soCurrent);
        return WideToAnsi(ReadWideString());
    default:
        FStream->Seek(-1, soCurrent);
        PropValueError();
    }
}

char TReader::ReadChar()
{
    AnsiString s = ReadString();
    if (s.size() != 1)
        PropValueError();
    return s[0];
}

wchar_t TReader::ReadWideChar()
{
    WideString s = ReadWideString();
    if (s.size() != 1)
        PropValueError();
    return s[0];
}

AnsiString TReader::ReadIdent()
{
    switch (ReadValue()) {
    case vaIdent:
        return ReadStr();
    case vaFalse:
        return "False";
    case vaTrue:
        return "True";
    case vaNil:
        return "nil";
    default:
        FStream->Seek(-1, soCurrent);
        PropValueError();
    }
}

uint32_t TReader::ReadSet(const TTypeInfo& setType)
{
    CheckValue(vaSet);
    uint32_t bits = 0;
    for (;;) {
        AnsiString name = ReadStr();
        if (name.empty())
            return bits;
        int v = GetEnumValue(*setType.CompType, name);
        if (v < 0 || v > 31)
            PropValueError();
        bits |= 1u << v;
    }
}

void TReader::SkipValue()
{
    auto skip = [this](int64_t count) {
        if (count > FStream->GetSize() - FStream->GetPosition())
            throw EReadError(L"Stream read error");
        FStream->Seek(count, soCurrent);
    };
    TValueType type = ReadValue();
    switch (type) {
    case vaNull:
        PropValueError();
    case vaList:
        while (!EndOfList())
            SkipValue();
        ReadListEnd();
        break;
    case vaInt8:
        skip(1);
        break;
    case vaInt16:
        skip(2);
        break;
    case vaInt32:
    case vaSingle:
        skip(4);
        break;
    case vaInt64:
    case vaCurrency:
    case vaDate:
        skip(8);
        break;
    case vaExtended:
        skip(10);
        break;
    case vaString:
    case vaIdent:
        ReadStr();
        break;
    case vaFalse:
    case vaTrue:
    case vaNil:
        break;
    case vaBinary:
    case vaLString:
    case vaUTF8String:
        skip(ReadCount());
        break;
    case vaWString:
        skip(int64_t(ReadCount()) * 2);
        break;
    case vaSet:
        while (!ReadStr().empty()) {
        }
        break;
    case vaCollection:
        while (!EndOfList()) {
            TValueType next = NextValue();
            if (next == vaInt8 || next == vaInt16 || next == vaInt32 || next == vaInt64)
                ReadInt64();
            ReadListBegin();
            while (!EndOfList()) {
                ReadStr();
                SkipValue();
            }
            ReadListEnd();
        }
        ReadListEnd();
        break;
    }
}

// ---- properties ----

TPersistent* TReader::NestedObject(TPersistent* instance, const AnsiString& name)
{
    const TPropInfo* prop = instance->ClassType().FindProperty(name);
    if (!prop || prop->Kind() != tkClass || !prop->HasGetter())
        return nullptr;
    auto* nested = dynamic_cast<TPersistent*>(GetObjectProp(instance, *prop));
    return dynamic_cast<TComponent*>(nested) ? nullptr : nested;
}

void TReader::ReadProperty(TPersistent* instance)
{
    AnsiString fullName = ReadStr();
    TPersistent* target = instance;
    size_t start = 0;
    for (size_t dot; target && (dot = fullName.find('.', start)) != AnsiString::npos; start = dot + 1)
        target = NestedObject(target, fullName.substr(start, dot - start));
    AnsiString name = fullName.substr(start);
    if (!target || name.empty())
        throw EReadError(Format("Property %s does not exist", fullName));
    if (const TPropInfo* prop = target->ClassType().FindProperty(name)) {
        ReadPropValue(target, *prop);
        return;
    }
    FPropName = name;
    FCanHandle = true;
    target->DefineProperties(this);
    bool handled = !FCanHandle;
    FCanHandle = false;
    if (!handled)
        throw EReadError(Format("Property %s does not exist", fullName));
}

void TReader::ReadPropValue(TPersistent* instance, const TPropInfo& prop)
{
    TValueType next = NextValue();
    if (prop.Kind() == tkClass && next == vaCollection) {
        ReadValue();
        auto* collection = prop.HasGetter() ? dynamic_cast<TCollection*>(GetObjectProp(instance, prop)) : nullptr;
        if (!collection)
            PropValueError();
        ReadCollection(collection);
        return;
    }
    if (!prop.HasSetter())
        throw EReadError(Format("Property %s is read-only", prop.Name));
    const TTypeInfo& type = *prop.PropType;
    auto setOrd = [&](int64_t v) {
        if (type.Kind != tkSet && type.Kind != tkInt64 && (v < type.MinValue || v > type.MaxValue))
            PropValueError();
        SetOrdProp(instance, prop, v);
    };
    switch (prop.Kind()) {
    case tkInteger:
        if (NextValue() == vaIdent) {
            int64_t v = 0;
            if (!IdentToInt(type, ReadIdent(), v))
                PropValueError();
            setOrd(v);
        } else {
            setOrd(ReadInt64());
        }
        break;
    case tkInt64:
        SetInt64Prop(instance, prop, ReadInt64());
        break;
    case tkChar:
        setOrd(static_cast<unsigned char>(ReadChar()));
        break;
    case tkWChar:
        setOrd(static_cast<uint16_t>(ReadWideChar()));
        break;
    case tkEnumeration: {
        int v = GetEnumValue(type, ReadIdent());
        if (v < 0)
            PropValueError();
        setOrd(v);
        break;
    }
    case tkSet:
        setOrd(ReadSet(type));
        break;
    case tkFloat:
        SetFloatProp(instance, prop, ReadFloat());
        break;
    case tkLString:
        SetStrProp(instance, prop, ReadString());
        break;
    case tkWString:
        SetWideStrProp(instance, prop, ReadWideString());
        break;
    case tkMethod: {
        if (next == vaNil) {
            ReadValue();
            SetMethodProp(instance, prop, TMethod{});
            break;
        }
        AnsiString name = ReadIdent();
        // A form read for design has no handlers to bind.
        if (FLookupRoot && (FLookupRoot->GetComponentState() & csDesigning))
            break;
        const TMethodInfo* method = FLookupRoot ? FLookupRoot->ClassType().FindMethod(name) : nullptr;
        if (!method)
            throw EReadError(Format("Method %s not found", name));
        if (!method->Signature || !type.Signature || *method->Signature != *type.Signature)
            PropValueError();
        SetMethodProp(instance, prop, TMethod{FLookupRoot, method->Code});
        break;
    }
    case tkClass:
        if (next == vaNil) {
            ReadValue();
            SetObjectProp(instance, prop, nullptr);
        } else if (next == vaIdent) {
            FFixups.push_back(TFixup{instance, &prop, ReadIdent()});
        } else {
            PropValueError();
        }
        break;
    default:
        PropValueError();
    }
}

void TReader::ReadCollection(TCollection* collection)
{
    collection->BeginUpdate();
    try {
        collection->Clear();
        while (!EndOfList()) {
            TValueType next = NextValue();
            if (next == vaInt8 || next == vaInt16 || next == vaInt32 || next == vaInt64)
                ReadInt64();  // an item order, not kept
            ReadListBegin();
            TCollectionItem* item = collection->Add();
            while (!EndOfList())
                ReadProperty(item);
            ReadListEnd();
        }
        ReadListEnd();
    } catch (...) {
        collection->EndUpdate();
        throw;
    }
    collection->EndUpdate();
}

// ---- components ----

TComponent* TReader::ReadComponent()
{
    AnsiString className = ReadStr();
    AnsiString name = ReadStr();
    const TClassInfo& cls = FindClass(className);
    TComponent* component = cls.CreateComponent(FOwner);
    FLoaded.push_back(component);
    component->SetComponentStateFlag(csLoading, true);
    component->SetComponentStateFlag(csReading, true);
    component->SetName(name);
    component->SetParentComponent(FParent);
    ReadComponentData(component);
    return component;
}

void TReader::ReadComponentData(TComponent* component)
{
    while (!EndOfList())
        ReadProperty(component);
    ReadListEnd();
    TComponent* savedOwner = FOwner;
    TComponent* savedParent = FParent;
    FOwner = component->GetChildOwner() ? component->GetChildOwner() : FRoot;
    FParent = component->GetChildParent();
    while (!EndOfList())
        ReadComponent();
    ReadListEnd();
    FOwner = savedOwner;
    FParent = savedParent;
    component->SetComponentStateFlag(csReading, false);
}

TComponent* TReader::FindReference(const AnsiString& name) const
{
    TComponent* found = nullptr;
    size_t start = 0;
    while (start <= name.size()) {
        size_t dot = name.find('.', start);
        if (dot == AnsiString::npos)
            dot = name.size();
        AnsiString part = name.substr(start, dot - start);
        if (!found)
            found = SameText(part, FRoot->GetName()) ? FRoot : FRoot->FindComponent(part);
        else
            found = found->FindComponent(part);
        if (!found)
            return nullptr;
        start = dot + 1;
    }
    return found;
}

void TReader::ResolveFixups()
{
    for (const TFixup& fixup : FFixups) {
        TComponent* target = FindReference(fixup.Name);
        if (!target)
            throw EReadError(Format("Invalid reference to component %s", fixup.Name));
        if (!target->InheritsFrom(fixup.Prop->PropType->ClassType()))
            PropValueError();
        SetObjectProp(fixup.Instance, *fixup.Prop, target);
    }
    FFixups.clear();
}

TComponent* TReader::ReadRootComponent(TComponent* root)
{
    ReadSignature();
    AnsiString className = ReadStr();
    AnsiString name = ReadStr();
    std::unique_ptr<TComponent> created;
    if (!root) {
        created.reset(FindClass(className).CreateComponent(nullptr));
        root = created.get();
    }
    FRoot = FLookupRoot = FOwner = root;
    FParent = root;
    FLoaded.assign(1, root);
    FFixups.clear();
    root->SetComponentStateFlag(csLoading, true);
    root->SetComponentStateFlag(csReading, true);
    try {
        root->SetName(name);
        ReadComponentData(root);
        ResolveFixups();
    } catch (...) {
        // The children first: a component may own those read after it.
        for (size_t i = FLoaded.size(); i-- > 1;)
            std::unique_ptr<TComponent> release(FLoaded[i]);
        root->SetComponentStateFlag(csLoading, false);
        root->SetComponentStateFlag(csReading, false);
        FLoaded.clear();
        FFixups.clear();
        throw;
    }
    std::vector<TComponent*> loaded;
    loaded.swap(FLoaded);
    for (TComponent* component : loaded)
        component->Loaded();
    created.release();
    return root;
}
