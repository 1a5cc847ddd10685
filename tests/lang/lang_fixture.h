// What the localisation tests share: a scratch folder and files and streams of given content.
#pragma once

#include <memory>

#include "classlib/Streams.h"

// A folder of its own under the temporary folder, removed with everything in it.
class TScratchFolder {
public:
    TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;
    ~TScratchFolder();

    const WideString& Path() const { return FPath; }
    // The full name of an entry; sub-folders on the way are created.
    WideString File(const WideString& name) const;
    WideString Folder(const WideString& name) const;

private:
    WideString FPath;
};

void WriteFileBytes(const WideString& path, const AnsiString& bytes);
// UTF-16 LE with its byte-order mark, the way language files are shipped.
void WriteLangFile(const WideString& path, const WideString& text);
// A language file holding only a header with this LANGID and the given constants section lines.
WideString LangFileText(int langID, const WideString& constants = L"");

std::unique_ptr<TMemoryStream> StreamOf(const AnsiString& bytes);
std::unique_ptr<TMemoryStream> StreamOf(const WideString& text);
