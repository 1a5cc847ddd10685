#include "classlib/TypInfo.h"

#include <algorithm>
#include <map>
#include <mutex>

// ---- TObject ----

const TClassInfo& TObject::ClassInfo()
{
    // The root has no parent; the registry names an unnamed record "TObject".
    static const TClassInfo& info = RegisterNewClassInfo(std::make_unique<TClassInfo>());
    return info;
}

const char* TObject::ClassName() const
{
    return ClassType().GetName().c_str();
}

bool TObject::InheritsFrom(const TClassInfo& cls) const
{
    return ClassType().InheritsFrom(cls);
}

// ---- type information ----

TTypeInfo MakeOrdinalTypeInfo(TTypeKind kind, const char* name, int64_t minValue, int64_t maxValue)
{
    TTypeInfo t;
    t.Kind = kind;
    t.Name = name;
    t.MinValue = minValue;
    t.MaxValue = maxValue;
    return t;
}

TTypeInfo MakeEnumTypeInfo(const char* name, const char* names)
{
    TTypeInfo t = MakeOrdinalTypeInfo(tkEnumeration, name, 0, -1);
    AnsiString list(names);
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        if (comma == AnsiString::npos)
            comma = list.size();
        AnsiString item = Trim(list.substr(start, comma - start));
        if (!item.empty())
            t.EnumNames.push_back(item);
        start = comma + 1;
    }
    t.MaxValue = static_cast<int64_t>(t.EnumNames.size()) - 1;
    return t;
}

const TTypeInfo& BooleanTypeInfo()
{
    static const TTypeInfo info = MakeEnumTypeInfo("Boolean", "False, True");
    return info;
}

const TTypeInfo& TTypeInfoOf<char>::Get()
{
    static const TTypeInfo info = MakeOrdinalTypeInfo(tkChar, "Char", 0, 255);
    return info;
}

const TTypeInfo& TTypeInfoOf<wchar_t>::Get()
{
    static const TTypeInfo info = MakeOrdinalTypeInfo(tkWChar, "WideChar", 0, 65535);
    return info;
}

const TTypeInfo& TTypeInfoOf<double>::Get()
{
    static const TTypeInfo info = MakeOrdinalTypeInfo(tkFloat, "Double", 0, 0);
    return info;
}

const TTypeInfo& TTypeInfoOf<AnsiString>::Get()
{
    static const TTypeInfo info = MakeOrdinalTypeInfo(tkLString, "AnsiString", 0, 0);
    return info;
}

const TTypeInfo& TTypeInfoOf<WideString>::Get()
{
    static const TTypeInfo info = MakeOrdinalTypeInfo(tkWString, "WideString", 0, 0);
    return info;
}

AnsiString GetEnumName(const TTypeInfo& type, int64_t value)
{
    if (value < 0 || value >= static_cast<int64_t>(type.EnumNames.size()))
        return AnsiString();
    return type.EnumNames[static_cast<size_t>(value)];
}

int GetEnumValue(const TTypeInfo& type, const AnsiString& name)
{
    for (size_t i = 0; i < type.EnumNames.size(); ++i)
        if (SameText(type.EnumNames[i], name))
            return static_cast<int>(i);
    return -1;
}

AnsiString SetToString(const TTypeInfo& setType, uint32_t bits, bool brackets)
{
    AnsiString out;
    const TTypeInfo& element = *setType.CompType;
    for (size_t i = 0; i < element.EnumNames.size() && i < 32; ++i)
        if (bits & (1u << i)) {
            if (!out.empty())
                out += ',';
            out += element.EnumNames[i];
        }
    return brackets ? "[" + out + "]" : out;
}

uint32_t StringToSet(const TTypeInfo& setType, const AnsiString& text)
{
    AnsiString list = Trim(text);
    if (!list.empty() && list.front() == '[')
        list.erase(0, 1);
    if (!list.empty() && list.back() == ']')
        list.pop_back();
    uint32_t bits = 0;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        if (comma == AnsiString::npos)
            comma = list.size();
        AnsiString name = Trim(list.substr(start, comma - start));
        start = comma + 1;
        if (name.empty())
            continue;
        int value = GetEnumValue(*setType.CompType, name);
        if (value < 0 || value > 31)
            throw EPropertyConvertError(Format("Invalid enumeration name: %s", name));
        bits |= 1u << value;
    }
    return bits;
}

// ---- class records ----

bool TClassInfo::InheritsFrom(const TClassInfo& other) const
{
    for (const TClassInfo* c = this; c; c = c->FParent)
        if (c == &other)
            return true;
    return false;
}

std::vector<const TPropInfo*> TClassInfo::GetProperties(TTypeKinds kinds) const
{
    // A class that publishes an inherited name again replaces the inherited
    // property in its place; the kinds are filtered after that, so a hidden
    // property never shows through under another kind.
    std::vector<const TPropInfo*> all = FParent ? FParent->GetProperties() : std::vector<const TPropInfo*>();
    for (const TPropInfo& p : FProperties) {
        auto hidden = std::find_if(all.begin(), all.end(),
                                   [&](const TPropInfo* inherited) { return SameText(inherited->Name, p.Name); });
        if (hidden != all.end())
            *hidden = &p;
        else
            all.push_back(&p);
    }
    std::vector<const TPropInfo*> props;
    for (const TPropInfo* p : all)
        if (kinds.Contains(p->Kind()))
            props.push_back(p);
    return props;
}

const TPropInfo* TClassInfo::FindProperty(const AnsiString& name) const
{
    for (const TClassInfo* c = this; c; c = c->FParent)
        for (const TPropInfo& p : c->FProperties)
            if (SameText(p.Name, name))
                return &p;
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(const AnsiString& name) const
{
    for (const TClassInfo* c = this; c; c = c->FParent)
        for (const TMethodInfo& m : c->FMethods)
            if (SameText(m.Name, name))
                return &m;
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethodByCode(TMethodCode code) const
{
    for (const TClassInfo* c = this; c; c = c->FParent)
        for (const TMethodInfo& m : c->FMethods)
            if (m.Code == code)
                return &m;
    return nullptr;
}

TComponent* TClassInfo::CreateComponent(TComponent* owner) const
{
    if (!FComponentFactory)
        throw EComponentError(Format("Cannot create an instance of %s", FName));
    return FComponentFactory(owner);
}

TCollectionItem* TClassInfo::CreateItem(TCollection* collection) const
{
    if (!FItemFactory)
        throw EComponentError(Format("Cannot create an instance of %s", FName));
    return FItemFactory(collection);
}

// ---- the registry ----

namespace {

struct TNameLess {
    bool operator()(const AnsiString& a, const AnsiString& b) const { return CompareText(a, b) < 0; }
};

struct TRegistryTables {
    std::recursive_mutex Lock;
    std::vector<std::unique_ptr<TClassInfo>> Records;
    std::map<AnsiString, const TClassInfo*, TNameLess> ByName;
};

TRegistryTables& Tables()
{
    static TRegistryTables tables;
    return tables;
}

}  // namespace

TClassInfo& RegisterNewClassInfo(std::unique_ptr<TClassInfo> info)
{
    TRegistryTables& t = Tables();
    std::lock_guard<std::recursive_mutex> guard(t.Lock);
    if (info->FName.empty())
        info->FName = "TObject";
    t.Records.push_back(std::move(info));
    TClassInfo& record = *t.Records.back();
    t.ByName.emplace(record.GetName(), &record);
    return record;
}

void RegisterClass(const TClassInfo& cls)
{
    TRegistryTables& t = Tables();
    std::lock_guard<std::recursive_mutex> guard(t.Lock);
    auto found = t.ByName.find(cls.GetName());
    if (found != t.ByName.end() && found->second != &cls)
        throw EFilerError(Format("A class named %s already exists", cls.GetName()));
    t.ByName[cls.GetName()] = &cls;
}

void RegisterClasses(std::initializer_list<const TClassInfo*> classes)
{
    for (const TClassInfo* cls : classes)
        RegisterClass(*cls);
}

void UnRegisterClass(const TClassInfo& cls)
{
    TRegistryTables& t = Tables();
    std::lock_guard<std::recursive_mutex> guard(t.Lock);
    auto found = t.ByName.find(cls.GetName());
    if (found != t.ByName.end() && found->second == &cls)
        t.ByName.erase(found);
}

const TClassInfo* GetClass(const AnsiString& name)
{
    TRegistryTables& t = Tables();
    std::lock_guard<std::recursive_mutex> guard(t.Lock);
    auto found = t.ByName.find(name);
    return found == t.ByName.end() ? nullptr : found->second;
}

const TClassInfo& FindClass(const AnsiString& name)
{
    const TClassInfo* cls = GetClass(name);
    if (!cls)
        throw EClassNotFound(Format("Class %s not found", name));
    return *cls;
}

// ---- property access ----

namespace {

TPropValue Read(const TObject* instance, const TPropInfo& prop, TTypeKinds kinds)
{
    if (!kinds.Contains(prop.Kind()))
        throw EPropertyConvertError(Format("Invalid property type: %s", prop.Name));
    if (!prop.HasGetter())
        throw EPropertyError(Format("Property %s is write-only", prop.Name));
    return prop.Getter(instance);
}

void Write(TObject* instance, const TPropInfo& prop, TTypeKinds kinds, const TPropValue& value)
{
    if (!kinds.Contains(prop.Kind()))
        throw EPropertyConvertError(Format("Invalid property type: %s", prop.Name));
    if (!prop.HasSetter())
        throw EPropertyError(Format("Property %s is read-only", prop.Name));
    prop.Setter(instance, value);
}

const TTypeKinds OrdinalAccess{tkInteger, tkChar, tkEnumeration, tkSet, tkWChar, tkInt64};

}  // namespace

const TPropInfo* GetPropInfo(const TObject* instance, const AnsiString& name, TTypeKinds kinds)
{
    const TPropInfo* p = instance->ClassType().FindProperty(name);
    return p && kinds.Contains(p->Kind()) ? p : nullptr;
}

std::vector<const TPropInfo*> GetPropList(const TObject* instance, TTypeKinds kinds)
{
    return instance->ClassType().GetProperties(kinds);
}

bool IsPublishedProp(const TObject* instance, const AnsiString& name)
{
    return GetPropInfo(instance, name) != nullptr;
}

bool IsStoredProp(const TObject* instance, const TPropInfo& prop)
{
    return prop.StoredProc ? prop.StoredProc(instance) : prop.StoredValue;
}

int64_t GetOrdProp(const TObject* instance, const TPropInfo& prop)
{
    return std::get<int64_t>(Read(instance, prop, OrdinalAccess));
}

void SetOrdProp(TObject* instance, const TPropInfo& prop, int64_t value)
{
    const TTypeInfo& type = *prop.PropType;
    if (type.Kind != tkSet && type.Kind != tkInt64 && (value < type.MinValue || value > type.MaxValue))
        throw EPropertyConvertError(Format("Value %d is out of range for property %s", value, prop.Name));
    Write(instance, prop, OrdinalAccess, value);
}

AnsiString GetEnumProp(const TObject* instance, const TPropInfo& prop)
{
    return GetEnumName(*prop.PropType, std::get<int64_t>(Read(instance, prop, TTypeKinds{tkEnumeration})));
}

void SetEnumProp(TObject* instance, const TPropInfo& prop, const AnsiString& value)
{
    int v = GetEnumValue(*prop.PropType, value);
    if (v < 0)
        throw EPropertyConvertError(Format("Invalid enumeration name: %s", value));
    Write(instance, prop, TTypeKinds{tkEnumeration}, static_cast<int64_t>(v));
}

AnsiString GetSetProp(const TObject* instance, const TPropInfo& prop, bool brackets)
{
    auto bits = static_cast<uint32_t>(std::get<int64_t>(Read(instance, prop, TTypeKinds{tkSet})));
    return SetToString(*prop.PropType, bits, brackets);
}

void SetSetProp(TObject* instance, const TPropInfo& prop, const AnsiString& value)
{
    Write(instance, prop, TTypeKinds{tkSet}, static_cast<int64_t>(StringToSet(*prop.PropType, value)));
}

int64_t GetInt64Prop(const TObject* instance, const TPropInfo& prop)
{
    return GetOrdProp(instance, prop);
}

void SetInt64Prop(TObject* instance, const TPropInfo& prop, int64_t value)
{
    SetOrdProp(instance, prop, value);
}

double GetFloatProp(const TObject* instance, const TPropInfo& prop)
{
    return std::get<double>(Read(instance, prop, TTypeKinds{tkFloat}));
}

void SetFloatProp(TObject* instance, const TPropInfo& prop, double value)
{
    Write(instance, prop, TTypeKinds{tkFloat}, value);
}

AnsiString GetStrProp(const TObject* instance, const TPropInfo& prop)
{
    TPropValue v = Read(instance, prop, tkStrings);
    return prop.Kind() == tkLString ? std::get<AnsiString>(v) : WideToAnsi(std::get<WideString>(v));
}

void SetStrProp(TObject* instance, const TPropInfo& prop, const AnsiString& value)
{
    if (prop.Kind() == tkWString)
        Write(instance, prop, tkStrings, AnsiToWide(value));
    else
        Write(instance, prop, tkStrings, value);
}

WideString GetWideStrProp(const TObject* instance, const TPropInfo& prop)
{
    TPropValue v = Read(instance, prop, tkStrings);
    return prop.Kind() == tkWString ? std::get<WideString>(v) : AnsiToWide(std::get<AnsiString>(v));
}

void SetWideStrProp(TObject* instance, const TPropInfo& prop, const WideString& value)
{
    if (prop.Kind() == tkLString)
        Write(instance, prop, tkStrings, WideToAnsi(value));
    else
        Write(instance, prop, tkStrings, value);
}

TObject* GetObjectProp(const TObject* instance, const TPropInfo& prop)
{
    return std::get<TObject*>(Read(instance, prop, TTypeKinds{tkClass}));
}

void SetObjectProp(TObject* instance, const TPropInfo& prop, TObject* value)
{
    if (prop.Kind() == tkClass && value && !value->InheritsFrom(prop.PropType->ClassType()))
        throw EPropertyConvertError(
            Format("Property %s cannot hold a %s", prop.Name, AnsiString(value->ClassName())));
    Write(instance, prop, TTypeKinds{tkClass}, value);
}

TMethod GetMethodProp(const TObject* instance, const TPropInfo& prop)
{
    return std::get<TMethod>(Read(instance, prop, TTypeKinds{tkMethod}));
}

void SetMethodProp(TObject* instance, const TPropInfo& prop, const TMethod& value)
{
    Write(instance, prop, TTypeKinds{tkMethod}, value);
}
