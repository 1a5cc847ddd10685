#include <cstring>

#include "classlib/Graphics.h"

namespace {

std::unique_ptr<TGraphic> GraphicForExtension(const AnsiString& fileName)
{
    AnsiString ext = LowerCase(ExtractFileExt(fileName));
    if (ext == ".bmp")
        return std::make_unique<TBitmap>();
    if (ext == ".png")
        return std::make_unique<TPngImage>();
    if (ext == ".ico")
        return std::make_unique<TIcon>();
    throw EInvalidGraphic(Format("Unknown picture file extension (%s)", ext));
}

std::unique_ptr<TGraphic> GraphicForSignature(const AnsiString& head)
{
    if (head.compare(0, 2, "BM") == 0)
        return std::make_unique<TBitmap>();
    if (head.compare(0, 4, "\x89PNG") == 0)
        return std::make_unique<TPngImage>();
    if (head.size() >= 4 && std::memcmp(head.data(), "\0\0\1\0", 4) == 0)
        return std::make_unique<TIcon>();
    throw EInvalidGraphic(L"Unknown picture format");
}

// A graphic of the picture formats by its class name; null for another name.
std::unique_ptr<TGraphic> GraphicOfClass(const AnsiString& className)
{
    if (className == TBitmap::ClassInfo().GetName())
        return std::make_unique<TBitmap>();
    if (className == TPngImage::ClassInfo().GetName())
        return std::make_unique<TPngImage>();
    if (className == TIcon::ClassInfo().GetName())
        return std::make_unique<TIcon>();
    return nullptr;
}

std::unique_ptr<TGraphic> CopyOf(TGraphic* graphic)
{
    std::unique_ptr<TGraphic> copy = GraphicOfClass(graphic->ClassName());
    if (!copy)
        throw EInvalidGraphic(Format("Cannot assign a %s to a picture", AnsiString(graphic->ClassName())));
    copy->Assign(graphic);
    return copy;
}

}  // namespace

VARIRUVU_CLASS_INFO(TPicture, TPersistent) {}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Install(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic)
        FGraphic->OnChange = TNotifyEvent(this, &TPicture::GraphicChanged);
    GraphicChanged(this);
}

void TPicture::GraphicChanged(TObject*)
{
    if (OnChange)
        OnChange(this);
}

void TPicture::SetGraphic(TGraphic* value)
{
    Install(value ? CopyOf(value) : nullptr);
}

TBitmap* TPicture::GetBitmap()
{
    auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get());
    if (!bitmap || &FGraphic->ClassType() != &TBitmap::ClassInfo()) {
        Install(std::make_unique<TBitmap>());
        bitmap = static_cast<TBitmap*>(FGraphic.get());
    }
    return bitmap;
}

void TPicture::Assign(TPersistent* source)
{
    if (!source) {
        Install(nullptr);
    } else if (auto* picture = dynamic_cast<TPicture*>(source)) {
        if (picture != this)
            SetGraphic(picture->FGraphic.get());
    } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
        SetGraphic(graphic);
    } else {
        TPersistent::Assign(source);
    }
}

void TPicture::LoadFromFile(const AnsiString& fileName)
{
    std::unique_ptr<TGraphic> graphic = GraphicForExtension(fileName);
    graphic->LoadFromFile(fileName);
    Install(std::move(graphic));
}

void TPicture::SaveToFile(const AnsiString& fileName)
{
    if (FGraphic)
        FGraphic->SaveToFile(fileName);
}

void TPicture::LoadFromStream(TStream* stream)
{
    int64_t start = stream->GetPosition();
    AnsiString head(4, '\0');
    head.resize(static_cast<size_t>(stream->Read(head.data(), 4)));
    stream->SetPosition(start);
    std::unique_ptr<TGraphic> graphic = GraphicForSignature(head);
    graphic->LoadFromStream(stream);
    Install(std::move(graphic));
}

// "Data": a byte with the length of the graphic's class name, the name, then
// the graphic's own bytes, so that a form can carry a picture of any format.
void TPicture::DefineProperties(TFiler* filer)
{
    TPersistent::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "Data", [this](TStream* stream) { ReadData(stream); }, [this](TStream* stream) { WriteData(stream); },
        FGraphic != nullptr);
}

void TPicture::ReadData(TStream* stream)
{
    uint8_t length = 0;
    stream->ReadBuffer(&length, 1);
    AnsiString className(length, '\0');
    stream->ReadBuffer(className.data(), length);
    std::unique_ptr<TGraphic> graphic = GraphicOfClass(className);
    if (!graphic)
        throw EInvalidGraphic(Format("Unknown picture class %s", className));
    graphic->LoadFromStream(stream);
    Install(std::move(graphic));
}

void TPicture::WriteData(TStream* stream)
{
    const AnsiString className = FGraphic->ClassName();
    const auto length = static_cast<uint8_t>(className.size());
    stream->WriteBuffer(&length, 1);
    stream->WriteBuffer(className.data(), length);
    FGraphic->SaveToStream(stream);
}

void TPicture::SaveToStream(TStream* stream)
{
    if (FGraphic)
        FGraphic->SaveToStream(stream);
}
