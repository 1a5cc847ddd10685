// Class information and published properties.
//
// Every class that is streamed, registered or inspected describes itself once,
// in its source file:
//
//     VARIRUVU_CLASS_INFO(TSafetyDelete, TComponent)
//     {
//         info.Property("Method", &TSafetyDelete::GetMethod, &TSafetyDelete::SetMethod);
//         info.Property("Canceled", &TSafetyDelete::GetCanceled);
//     }
//
// and declares it in its class with VARIRUVU_DECLARE_CLASS_INFO. Properties
// keep their declaration order after the inherited ones. Enumerations get their
// value names with VARIRUVU_ENUM_INFO next to their definition.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <variant>
#include <vector>

#include "classlib/Events.h"
#include "classlib/Object.h"
#include "classlib/Sets.h"
#include "classlib/SysUtils.h"
#include "classlib/System.h"

class TComponent;
class TCollection;
class TCollectionItem;

VARIRUVU_EXCEPTION(EPropertyError, Exception);
VARIRUVU_EXCEPTION(EPropertyConvertError, Exception);

enum TTypeKind : uint8_t {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkLString,
    tkWString,
    tkInt64,
};
using TTypeKinds = TSet<TTypeKind>;
inline const TTypeKinds tkOrdinal{tkInteger, tkChar, tkEnumeration, tkSet, tkWChar};
inline const TTypeKinds tkStrings{tkLString, tkWString};
inline const TTypeKinds tkAny = TTypeKinds::FromBits(0xFFFFFFFFu);

struct TTypeInfo {
    TTypeKind Kind = tkUnknown;
    std::string Name;
    int64_t MinValue = 0;                         // ordinal kinds
    int64_t MaxValue = 0;
    std::vector<std::string> EnumNames;           // enumeration: the names of 0, 1, ...
    const TTypeInfo* CompType = nullptr;          // set: its element enumeration
    const TClassInfo& (*ClassType)() = nullptr;   // class: the declared class
    const std::type_info* Signature = nullptr;    // method: the parameter list
};

const TTypeInfo& BooleanTypeInfo();
// Empty for a value outside the enumeration.
AnsiString GetEnumName(const TTypeInfo& type, int64_t value);
// -1 for a name the enumeration lacks; case is ignored.
int GetEnumValue(const TTypeInfo& type, const AnsiString& name);
// "a,b" (with brackets "[a,b]") from a set's bits.
AnsiString SetToString(const TTypeInfo& setType, uint32_t bits, bool brackets = false);
// Accepts "a,b", "[a, b]" and "[]"; an unknown name raises EPropertyConvertError.
uint32_t StringToSet(const TTypeInfo& setType, const AnsiString& text);

// ---- type information of C++ types ----

template <class T, class Enable = void>
struct TTypeInfoOf;

TTypeInfo MakeOrdinalTypeInfo(TTypeKind kind, const char* name, int64_t minValue, int64_t maxValue);
// `names` is the enumerators' text "a, b, c" as the macro below stringifies it.
TTypeInfo MakeEnumTypeInfo(const char* name, const char* names);

template <class T>
struct TTypeInfoOf<T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool> &&
                                       !std::is_same_v<T, char> && !std::is_same_v<T, wchar_t>>> {
    static const TTypeInfo& Get()
    {
        static const TTypeInfo info =
            sizeof(T) == 8 ? MakeOrdinalTypeInfo(tkInt64, "Int64", INT64_MIN, INT64_MAX)
                           : MakeOrdinalTypeInfo(tkInteger, "Integer", static_cast<int64_t>(std::numeric_limits<T>::min()),
                                                 static_cast<int64_t>(std::numeric_limits<T>::max()));
        return info;
    }
};
template <>
struct TTypeInfoOf<bool> {
    static const TTypeInfo& Get() { return BooleanTypeInfo(); }
};
template <>
struct TTypeInfoOf<char> {
    static const TTypeInfo& Get();
};
template <>
struct TTypeInfoOf<wchar_t> {
    static const TTypeInfo& Get();
};
template <>
struct TTypeInfoOf<double> {
    static const TTypeInfo& Get();
};
template <>
struct TTypeInfoOf<AnsiString> {
    static const TTypeInfo& Get();
};
template <>
struct TTypeInfoOf<WideString> {
    static const TTypeInfo& Get();
};
template <class E>
struct TTypeInfoOf<TSet<E>> {
    static const TTypeInfo& Get()
    {
        static const TTypeInfo info = [] {
            TTypeInfo t;
            t.Kind = tkSet;
            t.Name = "set of " + TTypeInfoOf<E>::Get().Name;
            t.CompType = &TTypeInfoOf<E>::Get();
            return t;
        }();
        return info;
    }
};
template <class C>
struct TTypeInfoOf<C*, std::enable_if_t<std::is_base_of_v<TObject, C>>> {
    static const TTypeInfo& Get()
    {
        static const TTypeInfo info = [] {
            TTypeInfo t;
            t.Kind = tkClass;
            t.ClassType = &C::ClassInfo;
            return t;
        }();
        return info;
    }
};
template <class... Args>
struct TTypeInfoOf<TEvent<Args...>> {
    static const TTypeInfo& Get()
    {
        static const TTypeInfo info = [] {
            TTypeInfo t;
            t.Kind = tkMethod;
            t.Name = "TEvent";
            t.Signature = &typeid(void(Args...));
            return t;
        }();
        return info;
    }
};

template <class E, size_t N>
constexpr bool EnumValuesAreDense(const E (&values)[N])
{
    for (size_t i = 0; i < N; ++i)
        if (static_cast<size_t>(values[i]) != i)
            return false;
    return true;
}

// Gives the enumeration E its value names; the values must be 0, 1, 2, ...
#define VARIRUVU_ENUM_INFO(E, ...)                                                      \
    template <>                                                                         \
    struct TTypeInfoOf<E> {                                                             \
        static_assert(EnumValuesAreDense<E>({__VA_ARGS__}), #E " must count from 0");   \
        static const TTypeInfo& Get()                                                   \
        {                                                                               \
            static const TTypeInfo info = MakeEnumTypeInfo(#E, #__VA_ARGS__);           \
            return info;                                                                \
        }                                                                               \
    }

// ---- property values and their conversion ----

using TPropValue = std::variant<int64_t, double, AnsiString, WideString, TObject*, TMethod>;

template <class T, class Enable = void>
struct TPropCodec;

template <class T>
struct TPropCodec<T, std::enable_if_t<std::is_integral_v<T> || std::is_enum_v<T>>> {
    static TPropValue ToValue(T v) { return static_cast<int64_t>(v); }
    static T FromValue(const TPropValue& v) { return static_cast<T>(std::get<int64_t>(v)); }
};
template <class E>
struct TPropCodec<TSet<E>> {
    static TPropValue ToValue(TSet<E> v) { return static_cast<int64_t>(v.Bits()); }
    static TSet<E> FromValue(const TPropValue& v) { return TSet<E>::FromBits(static_cast<uint32_t>(std::get<int64_t>(v))); }
};
template <class T>
struct TPropCodec<T, std::enable_if_t<std::is_same_v<T, double> || std::is_same_v<T, AnsiString> ||
                                      std::is_same_v<T, WideString>>> {
    static TPropValue ToValue(const T& v) { return v; }
    static T FromValue(const TPropValue& v) { return std::get<T>(v); }
};
template <class C>
struct TPropCodec<C*, std::enable_if_t<std::is_base_of_v<TObject, C>>> {
    static TPropValue ToValue(C* v) { return static_cast<TObject*>(v); }
    static C* FromValue(const TPropValue& v) { return dynamic_cast<C*>(std::get<TObject*>(v)); }
};
template <class... Args>
struct TPropCodec<TEvent<Args...>> {
    static TPropValue ToValue(const TEvent<Args...>& v) { return v.ToMethod(); }
    static TEvent<Args...> FromValue(const TPropValue& v) { return TEvent<Args...>::FromMethod(std::get<TMethod>(v)); }
};

// ---- the records ----

class TPropInfo {
public:
    std::string Name;
    const TTypeInfo* PropType = nullptr;
    std::function<TPropValue(const TObject*)> Getter;     // empty: write-only
    std::function<void(TObject*, const TPropValue&)> Setter;  // empty: read-only
    std::function<bool(const TObject*)> StoredProc;      // empty: StoredValue decides
    bool StoredValue = true;
    std::optional<int64_t> Default;                      // ordinal kinds only

    TTypeKind Kind() const { return PropType->Kind; }
    bool HasGetter() const { return static_cast<bool>(Getter); }
    bool HasSetter() const { return static_cast<bool>(Setter); }
};

struct TMethodInfo {
    std::string Name;
    TMethodCode Code = nullptr;
    const std::type_info* Signature = nullptr;
};

class TClassInfo {
public:
    using TComponentFactory = TComponent* (*)(TComponent* owner);
    using TItemFactory = TCollectionItem* (*)(TCollection* collection);

    const std::string& GetName() const { return FName; }
    const TClassInfo* GetParent() const { return FParent; }
    bool InheritsFrom(const TClassInfo& other) const;

    // Published properties: the inherited ones first, each class's in declaration order;
    // one published again by a descendant stands in the inherited place.
    std::vector<const TPropInfo*> GetProperties(TTypeKinds kinds = tkAny) const;
    // Case is ignored; null when there is none.
    const TPropInfo* FindProperty(const AnsiString& name) const;
    const TMethodInfo* FindMethod(const AnsiString& name) const;
    const TMethodInfo* FindMethodByCode(TMethodCode code) const;

    bool CanCreateComponent() const { return FComponentFactory != nullptr; }
    // The class's constructor taking an owner; EComponentError for a class that has none.
    TComponent* CreateComponent(TComponent* owner) const;
    TCollectionItem* CreateItem(TCollection* collection) const;

private:
    template <class C>
    friend class TClassBuilder;
    friend TClassInfo& RegisterNewClassInfo(std::unique_ptr<TClassInfo> info);

    std::string FName;
    const TClassInfo* FParent = nullptr;
    TComponentFactory FComponentFactory = nullptr;
    TItemFactory FItemFactory = nullptr;
    std::vector<TPropInfo> FProperties;
    std::vector<TMethodInfo> FMethods;
};

// ---- the class registry ----

// Every described class is registered when its class information is first
// used; RegisterClass makes sure of it for a class no code has touched yet.
void RegisterClass(const TClassInfo& cls);
void RegisterClasses(std::initializer_list<const TClassInfo*> classes);
void UnRegisterClass(const TClassInfo& cls);
// Null for an unknown name; case is ignored.
const TClassInfo* GetClass(const AnsiString& name);
// EClassNotFound for an unknown name.
const TClassInfo& FindClass(const AnsiString& name);
TClassInfo& RegisterNewClassInfo(std::unique_ptr<TClassInfo> info);

// ---- describing a class ----

template <class C>
class TClassBuilder {
public:
    // A read-only property.
    template <class B, class R>
    TClassBuilder& Property(const char* name, R (B::*getter)() const)
    {
        static_assert(std::is_base_of_v<B, C>);
        using T = std::decay_t<R>;
        TPropInfo& p = Add(name, TTypeInfoOf<T>::Get());
        p.Getter = [getter](const TObject* o) { return TPropCodec<T>::ToValue((static_cast<const C*>(o)->*getter)()); };
        return *this;
    }

    template <class B, class R, class BS, class A>
    TClassBuilder& Property(const char* name, R (B::*getter)() const, void (BS::*setter)(A))
    {
        static_assert(std::is_base_of_v<BS, C>);
        using T = std::decay_t<R>;
        static_assert(std::is_same_v<T, std::decay_t<A>>, "getter and setter must agree on the type");
        Property(name, getter);
        FInfo.FProperties.back().Setter = [setter](TObject* o, const TPropValue& v) {
            (static_cast<C*>(o)->*setter)(TPropCodec<T>::FromValue(v));
        };
        return *this;
    }

    // A property that reads and writes a field directly.
    template <class B, class T>
    TClassBuilder& Property(const char* name, T B::*field)
    {
        static_assert(std::is_base_of_v<B, C>);
        TPropInfo& p = Add(name, TTypeInfoOf<T>::Get());
        p.Getter = [field](const TObject* o) { return TPropCodec<T>::ToValue(static_cast<const C*>(o)->*field); };
        p.Setter = [field](TObject* o, const TPropValue& v) { static_cast<C*>(o)->*field = TPropCodec<T>::FromValue(v); };
        return *this;
    }

    // The value the writer leaves out (ordinal properties: integers, enumerations, sets, characters).
    template <class V>
    TClassBuilder& Default(V value)
    {
        FInfo.FProperties.back().Default = std::get<int64_t>(TPropCodec<V>::ToValue(value));
        return *this;
    }
    // Publishes the last property under a named integer type of the same
    // range (such as TColor), so that filers find the type's identifiers.
    TClassBuilder& OfType(const TTypeInfo& type)
    {
        TPropInfo& p = FInfo.FProperties.back();
        if (type.Kind != p.PropType->Kind || type.MinValue < p.PropType->MinValue ||
            type.MaxValue > p.PropType->MaxValue)
            throw std::logic_error("OfType: " + p.Name + " cannot hold " + type.Name);
        p.PropType = &type;
        return *this;
    }
    TClassBuilder& Stored(bool stored)
    {
        FInfo.FProperties.back().StoredValue = stored;
        return *this;
    }
    template <class B>
    TClassBuilder& Stored(bool (B::*predicate)() const)
    {
        FInfo.FProperties.back().StoredProc = [predicate](const TObject* o) {
            return (static_cast<const C*>(o)->*predicate)();
        };
        return *this;
    }

    // A published handler that form streams bind events to by name.
    template <class B, class... Args>
    TClassBuilder& Method(const char* name, void (B::*method)(Args...))
    {
        static_assert(std::is_base_of_v<B, C>);
        TMethodInfo m;
        m.Name = name;
        m.Code = ErasedCode<Args...>(static_cast<void (C::*)(Args...)>(method));
        m.Signature = &typeid(void(Args...));
        FInfo.FMethods.push_back(std::move(m));
        return *this;
    }

    static const TClassInfo& Build(const char* name, const TClassInfo& (*parent)(), void (*describe)(TClassBuilder&))
    {
        TClassBuilder builder;
        builder.FInfo.FName = name;
        builder.FInfo.FParent = &parent();
        if constexpr (std::is_base_of_v<TComponent, C> && std::is_constructible_v<C, TComponent*> &&
                      !std::is_abstract_v<C>)
            builder.FInfo.FComponentFactory = [](TComponent* owner) -> TComponent* { return new C(owner); };
        if constexpr (std::is_base_of_v<TCollectionItem, C> && std::is_constructible_v<C, TCollection*> &&
                      !std::is_abstract_v<C>)
            builder.FInfo.FItemFactory = [](TCollection* collection) -> TCollectionItem* { return new C(collection); };
        describe(builder);
        return RegisterNewClassInfo(std::make_unique<TClassInfo>(std::move(builder.FInfo)));
    }

private:
    template <class... Args>
    static TMethodCode ErasedCode(void (C::*method)(Args...))
    {
        using TBaseMethod = void (TObject::*)(Args...);
        TBaseMethod base = static_cast<TBaseMethod>(method);
        TMethodCode code;
        static_assert(sizeof(code) == sizeof(base));
        std::memcpy(static_cast<void*>(&code), &base, sizeof(code));
        return code;
    }

    TPropInfo& Add(const char* name, const TTypeInfo& type)
    {
        TPropInfo p;
        p.Name = name;
        p.PropType = &type;
        FInfo.FProperties.push_back(std::move(p));
        return FInfo.FProperties.back();
    }

    TClassInfo FInfo;
};

#define VARIRUVU_CLASS_INFO(Class, Parent)                                                               \
    static void VariruvuDescribe_##Class([[maybe_unused]] TClassBuilder<Class>& info);                   \
    const TClassInfo& Class::ClassInfo()                                                                 \
    {                                                                                                    \
        static const TClassInfo& classInfo =                                                             \
            TClassBuilder<Class>::Build(#Class, &Parent::ClassInfo, &VariruvuDescribe_##Class);          \
        return classInfo;                                                                                \
    }                                                                                                    \
    static void VariruvuDescribe_##Class([[maybe_unused]] TClassBuilder<Class>& info)

// ---- reading and writing published properties ----

const TPropInfo* GetPropInfo(const TObject* instance, const AnsiString& name, TTypeKinds kinds = tkAny);
std::vector<const TPropInfo*> GetPropList(const TObject* instance, TTypeKinds kinds = tkAny);
bool IsPublishedProp(const TObject* instance, const AnsiString& name);
// The stored test of the property for this instance.
bool IsStoredProp(const TObject* instance, const TPropInfo& prop);

int64_t GetOrdProp(const TObject* instance, const TPropInfo& prop);
void SetOrdProp(TObject* instance, const TPropInfo& prop, int64_t value);
AnsiString GetEnumProp(const TObject* instance, const TPropInfo& prop);
void SetEnumProp(TObject* instance, const TPropInfo& prop, const AnsiString& value);
AnsiString GetSetProp(const TObject* instance, const TPropInfo& prop, bool brackets = false);
void SetSetProp(TObject* instance, const TPropInfo& prop, const AnsiString& value);
int64_t GetInt64Prop(const TObject* instance, const TPropInfo& prop);
void SetInt64Prop(TObject* instance, const TPropInfo& prop, int64_t value);
double GetFloatProp(const TObject* instance, const TPropInfo& prop);
void SetFloatProp(TObject* instance, const TPropInfo& prop, double value);
// 8-bit and wide string properties both answer; the other kind is converted.
AnsiString GetStrProp(const TObject* instance, const TPropInfo& prop);
void SetStrProp(TObject* instance, const TPropInfo& prop, const AnsiString& value);
WideString GetWideStrProp(const TObject* instance, const TPropInfo& prop);
void SetWideStrProp(TObject* instance, const TPropInfo& prop, const WideString& value);
TObject* GetObjectProp(const TObject* instance, const TPropInfo& prop);
// EPropertyConvertError when the object is not of the property's class.
void SetObjectProp(TObject* instance, const TPropInfo& prop, TObject* value);
TMethod GetMethodProp(const TObject* instance, const TPropInfo& prop);
void SetMethodProp(TObject* instance, const TPropInfo& prop, const TMethod& value);
