// Design-time tool: brings the LangData of each form's language controller in
// line with the form and writes the form's language source beside it.
//   langdata <form.form>...
// Properties keep their IDs, new ones are numbered above the largest, and the
// language source (<form>.lngsrc) lists every text with its ID for translators.
#include <cstdio>

#include "app/formclasses.h"
#include "classlib/Classes.h"
#include "classlib/FormText.h"
#include "classlib/Forms.h"
#include "lang/LangCompTree.h"
#include "lang/LanguageController.h"
#include "tools/hostpath.h"
#include "tools/langdata/formtextpatch.h"
#include "unicode/UniWideStrings.h"

namespace {

TLanguageController* FindController(TComponent* root)
{
    for (int i = 0; i < root->GetComponentCount(); ++i)
        if (auto* controller = dynamic_cast<TLanguageController*>(root->GetComponents(i)))
            return controller;
    return nullptr;
}

AnsiString SourceFileName(const AnsiString& formFileName)
{
    const size_t dot = formFileName.find_last_of('.');
    return formFileName.substr(0, dot == AnsiString::npos ? formFileName.size() : dot) + ".lngsrc";
}

// Returns the number of translatable texts; -1 for a form without a language
// controller, whose texts no language file translates.
int RefreshForm(const AnsiString& fileName)
{
    const AnsiString text = ReadHostFile(fileName);
    TMemoryStream textStream;
    textStream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
    textStream.SetPosition(0);
    TMemoryStream binary;
    ObjectTextToBinary(&textStream, &binary);
    binary.SetPosition(0);

    TForm root(nullptr);
    root.SetDesigning(true);
    TReader(&binary).ReadRootComponent(&root);
    TLanguageController* controller = FindController(&root);
    if (!controller)
        return -1;

    controller->RefreshLangData();
    TMemoryStream data;
    controller->GetRootEntry()->WriteTo(&data);
    const AnsiString bytes(static_cast<const char*>(data.GetMemory()), static_cast<size_t>(data.GetSize()));
    const AnsiString patched = SetBinaryProperty(text, controller->GetName(), "LangData", bytes);
    if (patched != text)
        WriteHostFile(fileName, patched);

    TUniStringList source;
    controller->WriteLangSource(&source);
    AnsiString sourceText;
    for (int i = 0; i < source.GetCount(); ++i)
        sourceText += WideToAnsi(source.Get(i), CP_UTF8) + "\n";
    WriteHostFile(SourceFileName(fileName), sourceText);
    return source.GetCount();
}

}  // namespace

int main(int argc, char** argv)
{
    RegisterFormClasses();
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        try {
            const int count = RefreshForm(argv[i]);
            if (count < 0)
                printf("langdata: %s: no language controller, nothing to translate\n", argv[i]);
            else
                printf("langdata: %s: %d texts\n", argv[i], count);
        } catch (const Exception& e) {
            fprintf(stderr, "langdata: %s: %s\n", argv[i], e.what());
            ++failures;
        }
    }
    if (argc < 2)
        fprintf(stderr, "usage: langdata <form.form>...\n");
    return argc < 2 ? 2 : failures ? 1 : 0;
}
