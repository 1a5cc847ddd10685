#include "lang/LangCompTree.h"

#include <algorithm>

#include "classlib/Component.h"
#include "classlib/Streams.h"
#include "classlib/SysUtils.h"
#include "lang/LangSearch.h"

namespace {

template <class T>
T ReadValue(TStream* stream)
{
    T value{};
    stream->ReadBuffer(&value, sizeof(value));
    return value;
}

template <class T>
void WriteValue(TStream* stream, T value)
{
    stream->WriteBuffer(&value, sizeof(value));
}

// A 16-bit length and that many bytes.
AnsiString ReadShortText(TStream* stream)
{
    AnsiString text(ReadValue<uint16_t>(stream), '\0');
    if (!text.empty())
        stream->ReadBuffer(text.data(), static_cast<int32_t>(text.size()));
    return text;
}

void WriteShortText(TStream* stream, const AnsiString& text)
{
    const auto length = static_cast<uint16_t>(std::min<size_t>(text.size(), UINT16_MAX));
    WriteValue(stream, length);
    stream->WriteBuffer(text.data(), length);
}

}  // namespace

bool TLang_PropEntries::Find(const AnsiString& path, int& index) const
{
    return HalvingSearch(GetCount(), [&](int i) { return CompareText(GetItem(i)->Path, path); }, index);
}

TLang_PropEntry* TLang_PropEntries::Add(int32_t id, const AnsiString& path)
{
    int index = 0;
    if (Find(path, index))
        return nullptr;
    auto entry = std::make_unique<TLang_PropEntry>(id, path);
    Insert(index, entry.get());
    return entry.release();
}

TLang_CompEntry* TLang_CompEntries::GetItem(int index) const
{
    return static_cast<TLang_CompEntry*>(Get(index));
}

TLang_CompEntry::~TLang_CompEntry() = default;

TLang_PropEntries* TLang_CompEntry::NeedPropEntries()
{
    if (!FPropEntries)
        FPropEntries = std::make_unique<TLang_PropEntries>();
    return FPropEntries.get();
}

void TLang_CompEntry::DropUnusedPropEntries()
{
    if (!FPropEntries)
        return;
    for (int i = FPropEntries->GetCount(); i-- > 0;)
        if (!FPropEntries->GetItem(i)->Used)
            FPropEntries->Delete(i);
    if (FPropEntries->GetCount() == 0)
        FPropEntries.reset();
}

AnsiString TLang_CompEntry::GetName() const
{
    return FComponent ? FComponent->GetName() : FStoredName;
}

AnsiString TLang_CompEntry::GetComponentPath() const
{
    if (!FParent)
        return AnsiString();
    const AnsiString above = FParent->GetComponentPath();
    return above.empty() ? GetName() : above + "." + GetName();
}

void TLang_CompEntry::Bind(TComponent* component)
{
    FComponent = component;
    if (!component)
        return;
    FStoredName.clear();
    if (!FChildren)
        return;
    for (int i = FChildren->GetCount(); i-- > 0;) {
        TLang_CompEntry* child = FChildren->GetItem(i);
        if (child->FStoredName.empty())
            continue;
        if (TComponent* found = component->FindComponent(child->FStoredName))
            child->Bind(found);
        else
            FChildren->Delete(i);
    }
    if (FChildren->GetCount() == 0)
        FChildren.reset();
}

TLang_CompEntry* TLang_CompEntry::FindChild(const TComponent* component) const
{
    if (FChildren)
        for (int i = 0; i < FChildren->GetCount(); ++i)
            if (FChildren->GetItem(i)->FComponent == component)
                return FChildren->GetItem(i);
    return nullptr;
}

TLang_CompEntry* TLang_CompEntry::AddChild(TComponent* component)
{
    if (!FChildren)
        FChildren = std::make_unique<TLang_CompEntries>(this);
    auto child = std::make_unique<TLang_CompEntry>(this);
    child->FComponent = component;
    FChildren->Add(child.get());
    return child.release();
}

void TLang_CompEntry::RemoveComponent(const TComponent* component)
{
    if (!FChildren)
        return;
    if (TLang_CompEntry* bound = FindChild(component)) {
        FChildren->Remove(bound);
        if (FChildren->GetCount() == 0) {
            FChildren.reset();
            return;
        }
    }
    for (int i = 0; i < FChildren->GetCount(); ++i)
        FChildren->GetItem(i)->RemoveComponent(component);
}

void TLang_CompEntry::ForEach(const std::function<void(TLang_CompEntry&)>& proc)
{
    proc(*this);
    if (FChildren)
        for (int i = 0; i < FChildren->GetCount(); ++i)
            FChildren->GetItem(i)->ForEach(proc);
}

int32_t TLang_CompEntry::MaxID() const
{
    int32_t result = 0;
    if (FPropEntries)
        for (int i = 0; i < FPropEntries->GetCount(); ++i)
            result = std::max(result, FPropEntries->GetItem(i)->ID);
    if (FChildren)
        for (int i = 0; i < FChildren->GetCount(); ++i)
            result = std::max(result, FChildren->GetItem(i)->MaxID());
    return result;
}

std::unique_ptr<TLang_CompEntry> TLang_CompEntry::ReadFrom(TStream* stream, TLang_CompEntry* parent)
{
    auto node = std::make_unique<TLang_CompEntry>(parent);
    node->FStoredName = ReadShortText(stream);
    if (ReadValue<uint8_t>(stream)) {
        const int32_t count = ReadValue<int32_t>(stream);
        TLang_PropEntries* entries = node->NeedPropEntries();
        for (int32_t i = 0; i < count; ++i) {
            const int32_t id = ReadValue<int32_t>(stream);
            const AnsiString path = ReadShortText(stream);
            if (!entries->Add(id, path))
                throw EReadError(Format("Property %s is listed twice", path));
        }
    }
    if (ReadValue<uint8_t>(stream)) {
        const int32_t count = ReadValue<int32_t>(stream);
        node->FChildren = std::make_unique<TLang_CompEntries>(node.get());
        for (int32_t i = 0; i < count; ++i) {
            std::unique_ptr<TLang_CompEntry> child = ReadFrom(stream, node.get());
            node->FChildren->Add(child.get());
            child.release();
        }
    }
    return node;
}

void TLang_CompEntry::WriteTo(TStream* stream) const
{
    WriteShortText(stream, GetName());
    WriteValue<uint8_t>(stream, FPropEntries ? 1 : 0);
    if (FPropEntries) {
        WriteValue<int32_t>(stream, FPropEntries->GetCount());
        for (int i = 0; i < FPropEntries->GetCount(); ++i) {
            WriteValue<int32_t>(stream, FPropEntries->GetItem(i)->ID);
            WriteShortText(stream, FPropEntries->GetItem(i)->Path);
        }
    }
    WriteValue<uint8_t>(stream, FChildren ? 1 : 0);
    if (FChildren) {
        WriteValue<int32_t>(stream, FChildren->GetCount());
        for (int i = 0; i < FChildren->GetCount(); ++i)
            FChildren->GetItem(i)->WriteTo(stream);
    }
}
