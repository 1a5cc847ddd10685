#include "kit_stream.h"

#include "classlib/Filers.h"
#include "classlib/FormText.h"

namespace {

TComponent* Read(TComponent* root, const AnsiString& text)
{
    TMemoryStream in, binary;
    in.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(&in, &binary);
    binary.SetPosition(0);
    return TReader(&binary).ReadRootComponent(root);
}

}  // namespace

std::unique_ptr<TComponent> ReadComponentText(const AnsiString& text)
{
    return std::unique_ptr<TComponent>(Read(nullptr, text));
}

void ReadComponentTextInto(TComponent* root, const AnsiString& text)
{
    Read(root, text);
}
