#include "unicode/UniClasses.h"

#include "unicode/UniSystem.h"

namespace {

[[noreturn]] void InvalidPropertyValue()
{
    throw EReadError("Invalid property value");
}

// The 8-bit value is not decoded: the property's own full value is in the
// stream as well, and nothing here may override it.
void DropValue(TReader* reader)
{
    reader->ReadString();
}

}  // namespace

void WidePropertyFilerHook(TFiler* filer, TPersistent* instance)
{
    std::vector<const TPropInfo*> props = GetPropList(instance, TTypeKinds{tkWString, tkWChar});
    if (props.empty())
        return;
    TUniWideStringPropertyFiler stringFiler;
    TUniWideCharPropertyFiler charFiler;
    for (const TPropInfo* prop : props) {
        if (prop->Kind() == tkWString)
            stringFiler.DefineProperties(filer, *prop);
        else
            charFiler.DefineProperties(filer, instance, *prop);
    }
}

void TUniWideStringPropertyFiler::DefineProperties(TFiler* filer, const TPropInfo& prop)
{
    filer->DefineProperty(prop.Name + "W", DropValue, nullptr, false);
    filer->DefineProperty(prop.Name + "_UTF7", DropValue, nullptr, false);
}

void TUniWideCharPropertyFiler::DefineProperties(TFiler* filer, TPersistent* instance, const TPropInfo& prop)
{
    FTargetObject = instance;
    FTargetProperty = &prop;
    FActiveWriter = dynamic_cast<TWriter*>(filer);
    filer->DefineProperty(
        prop.Name + "W", [this](TReader* reader) { ReadData(reader); },
        [this](TWriter* writer) { WriteData(writer); }, FActiveWriter && IsStored());
    filer->DefineProperty(prop.Name + "_UTF7", [this](TReader* reader) { ReadDataUtf7(reader); }, nullptr, false);
    FTargetObject = nullptr;
    FTargetProperty = nullptr;
    FActiveWriter = nullptr;
}

// Streams carry no ancestor here, so only the declared default makes the
// value redundant.
bool TUniWideCharPropertyFiler::IsStored() const
{
    const TPropInfo& prop = *FTargetProperty;
    if (!prop.HasGetter() || !prop.HasSetter() || !IsStoredProp(FTargetObject, prop))
        return false;
    return !prop.Default || *prop.Default != GetOrdProp(FTargetObject, prop);
}

void TUniWideCharPropertyFiler::ReadData(TReader* reader)
{
    switch (reader->NextValue()) {
    case vaString:
        Store(AnsiToWide(reader->ReadString()));
        break;
    case vaWString:
        Store(reader->ReadWideString());
        break;
    default:
        InvalidPropertyValue();
    }
}

void TUniWideCharPropertyFiler::WriteData(TWriter* writer)
{
    writer->WriteWideString(WideString(1, static_cast<wchar_t>(GetOrdProp(FTargetObject, *FTargetProperty))));
}

void TUniWideCharPropertyFiler::ReadDataUtf7(TReader* reader)
{
    WideString text = DecodeUtf7(reader->ReadString());
    Store(text.substr(0, 1));
}

// An empty text stores character 0.
void TUniWideCharPropertyFiler::Store(const WideString& text)
{
    if (text.size() > 1)
        InvalidPropertyValue();
    SetOrdProp(FTargetObject, *FTargetProperty, text.empty() ? 0 : text[0]);
}
