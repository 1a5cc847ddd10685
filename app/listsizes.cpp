#include "app/listsizes.h"

#include "classlib/FileSearch.h"
#include "classlib/SysUtils.h"

bool GetFileFindData(const AnsiString& path, WIN32_FIND_DATAA& data)
{
    TFileSearch search(path);
    if (!search.Found() || search.IsFolder())
        return false;
    data = search.Data();
    return true;
}

uint64_t FindDataSize(const WIN32_FIND_DATAA& data)
{
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) + data.nFileSizeLow;
}

int64_t GetFileSize64(const AnsiString& path)
{
    WIN32_FIND_DATAA data;
    return GetFileFindData(path, data) ? static_cast<int64_t>(FindDataSize(data)) : 0;
}

bool IsNotDotEntry(const AnsiString& name)
{
    return name != "." && name != "..";
}

void CountFolder(const AnsiString& root, const AnsiString& relative, int32_t& count, int64_t& bytes)
{
    const AnsiString folder = relative.empty() ? root : IncludeTrailingPathDelimiter(root) + relative;
    if (!DirectoryExists(folder))
        return;
    for (TFileSearch search(IncludeTrailingPathDelimiter(folder) + "*.*"); search.Found(); search.Next()) {
        const AnsiString name = search.Name();
        if (!IsNotDotEntry(name))
            continue;
        if (!search.IsFolder()) {
            ++count;
            bytes += static_cast<int64_t>(FindDataSize(search.Data()));
        } else if (!(search.Data().dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            CountFolder(root, relative.empty() ? name : IncludeTrailingPathDelimiter(relative) + name, count, bytes);
        }
    }
}
