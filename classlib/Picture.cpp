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

std::unique_ptr<TGraphic> CopyOf(TGraphic* graphic)
{
    const TClassInfo& cls = graphic->ClassType();
    std::unique_ptr<TGraphic> copy;
    if (&cls == &TBitmap::ClassInfo())
        copy = std::make_unique<TBitmap>();
    else if (&cls == &TPngImage::ClassInfo())
        copy = std::make_unique<TPngImage>();
    else if (&cls == &TIcon::ClassInfo())
        copy = std::make_unique<TIcon>();
    else
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

void TPicture::SaveToStream(TStream* stream)
{
    if (FGraphic)
        FGraphic->SaveToStream(stream);
}
