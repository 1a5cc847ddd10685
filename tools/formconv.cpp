// Build-time form converter:
//   formconv <form.form> <form.bin> <form.rc>   text to binary, plus the resource
//                                               script that embeds it as RT_RCDATA
//                                               named after the form class in upper case
//   formconv --text <form.bin> <form.form>      binary back to text
#include <cstdio>

#include "classlib/Classes.h"
#include "classlib/FormText.h"
#include "tools/hostpath.h"

namespace {

// The class of the stream's root: what the resource is named after.
AnsiString RootClassName(TMemoryStream& binary)
{
    binary.SetPosition(0);
    TReader reader(&binary);
    reader.ReadSignature();
    return reader.ReadStr();
}

void ToBinary(const AnsiString& formName, const AnsiString& binName, const AnsiString& rcName)
{
    TFileStream form(LocalPath(formName), fmOpenRead | fmShareDenyWrite);
    TMemoryStream binary;
    ObjectTextToBinary(&form, &binary);
    binary.SaveToFile(LocalPath(binName));
    AnsiString quoted;
    for (char c : binName)
        quoted += c == '\\' ? AnsiString("\\\\") : AnsiString(1, c);
    WriteHostFile(rcName, UpperCase(RootClassName(binary)) + " RCDATA \"" + quoted + "\"\r\n");
}

void ToText(const AnsiString& binName, const AnsiString& formName)
{
    TFileStream binary(LocalPath(binName), fmOpenRead | fmShareDenyWrite);
    TFileStream form(LocalPath(formName), fmCreate);
    ObjectBinaryToText(&binary, &form);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 4 && AnsiString(argv[1]) == "--text")
            ToText(argv[2], argv[3]);
        else if (argc == 4)
            ToBinary(argv[1], argv[2], argv[3]);
        else {
            fprintf(stderr, "usage: formconv <form> <bin> <rc> | formconv --text <bin> <form>\n");
            return 2;
        }
    } catch (const Exception& e) {
        fprintf(stderr, "formconv: %s: %s\n", argv[argc == 4 && AnsiString(argv[1]) == "--text" ? 2 : 1], e.what());
        return 1;
    }
    return 0;
}
