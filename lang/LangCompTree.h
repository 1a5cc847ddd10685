// The tree a language controller keeps of its form: one node per named
// component, each with its translatable properties and their numeric IDs.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "classlib/Lists.h"
#include "classlib/System.h"

class TComponent;
class TStream;

// One translatable property of a component.
class TLang_PropEntry : public TObject {
public:
    TLang_PropEntry(int32_t id, const AnsiString& path) : ID(id), Path(path) {}

    int32_t ID;
    // "Caption", "Font.Name", "Columns[0].Caption".
    AnsiString Path;
    // The value the form was loaded with; never streamed.
    WideString DefText;
    // Set by a refresh for every property it still finds.
    bool Used = false;
};

// Kept sorted by path in CompareText order, no two paths equal under it.
class TLang_PropEntries : public TObjectList {
public:
    TLang_PropEntry* GetItem(int index) const { return static_cast<TLang_PropEntry*>(Get(index)); }
    // True when found; index is the entry or the insertion point.
    bool Find(const AnsiString& path, int& index) const;
    // Inserts at the sorted place; null when the path is already listed.
    TLang_PropEntry* Add(int32_t id, const AnsiString& path);
};

class TLang_CompEntry;

class TLang_CompEntries : public TObjectList {
public:
    explicit TLang_CompEntries(TLang_CompEntry* owner) : FOwner(owner) {}

    TLang_CompEntry* GetItem(int index) const;
    TLang_CompEntry* GetOwnerEntry() const { return FOwner; }

private:
    TLang_CompEntry* FOwner;
};

class TLang_CompEntry : public TObject {
public:
    explicit TLang_CompEntry(TLang_CompEntry* parent = nullptr) : FParent(parent) {}
    ~TLang_CompEntry() override;

    TLang_PropEntries* GetPropEntries() const { return FPropEntries.get(); }
    // Made on first use.
    TLang_PropEntries* NeedPropEntries();
    // Deletes the property entries whose used flag is clear; the list goes when empty.
    void DropUnusedPropEntries();
    TLang_CompEntries* GetChildren() const { return FChildren.get(); }
    TComponent* GetComponent() const { return FComponent; }
    TLang_CompEntry* GetParent() const { return FParent; }
    // The bound component's name, or the stored one while unbound.
    AnsiString GetName() const;
    // The names from the root's child down, joined with "."; empty for the root.
    AnsiString GetComponentPath() const;

    // Binds this node to `component` and its named children to the components
    // it owns; children whose component is gone are deleted.
    void Bind(TComponent* component);
    TLang_CompEntry* FindChild(const TComponent* component) const;
    TLang_CompEntry* AddChild(TComponent* component);
    // Deletes, at every level, the first child bound to `component`.
    void RemoveComponent(const TComponent* component);

    // This node and every node below it, parents before children.
    void ForEach(const std::function<void(TLang_CompEntry&)>& proc);
    // 0 for a tree without property entries.
    int32_t MaxID() const;

    // The binary notation of the LangData property; the nodes read are unbound.
    // EReadError "Stream read error" for a stream that ends early.
    static std::unique_ptr<TLang_CompEntry> ReadFrom(TStream* stream, TLang_CompEntry* parent = nullptr);
    void WriteTo(TStream* stream) const;

private:
    std::unique_ptr<TLang_PropEntries> FPropEntries;
    std::unique_ptr<TLang_CompEntries> FChildren;
    AnsiString FStoredName;
    TComponent* FComponent = nullptr;
    TLang_CompEntry* FParent;
};
