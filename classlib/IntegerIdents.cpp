#include <deque>
#include <mutex>

#include "classlib/Classes.h"

namespace {

struct TIdentType {
    TTypeInfo Type;
    std::vector<TIdentMapEntry> Idents;
};

// A deque: the registered type records never move, their addresses are the keys.
std::deque<TIdentType>& IdentTypes()
{
    static std::deque<TIdentType> types;
    return types;
}

std::mutex& IdentTypesLock()
{
    static std::mutex lock;
    return lock;
}

const TIdentType* FindIdentType(const TTypeInfo& type)
{
    std::lock_guard guard(IdentTypesLock());
    for (const TIdentType& t : IdentTypes())
        if (&t.Type == &type)
            return &t;
    return nullptr;
}

}  // namespace

const TTypeInfo& RegisterIntegerIdents(TTypeInfo type, std::vector<TIdentMapEntry> idents)
{
    std::lock_guard guard(IdentTypesLock());
    IdentTypes().push_back(TIdentType{std::move(type), std::move(idents)});
    return IdentTypes().back().Type;
}

bool IdentToInt(const TTypeInfo& type, const AnsiString& ident, int64_t& value)
{
    if (const TIdentType* t = FindIdentType(type))
        for (const TIdentMapEntry& e : t->Idents)
            if (CompareText(ident, e.Name) == 0) {
                value = e.Value;
                return true;
            }
    return false;
}

bool IntToIdent(const TTypeInfo& type, int64_t value, AnsiString& ident)
{
    if (const TIdentType* t = FindIdentType(type))
        for (const TIdentMapEntry& e : t->Idents)
            if (e.Value == value) {
                ident = e.Name;
                return true;
            }
    return false;
}
