#include "classlib_fixture.h"

#include <functional>

TScratchFolder::TScratchFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    for (unsigned n = GetTickCount();; ++n) {
        FPath = AnsiString(temp) + "classlib_" + IntToStr(GetCurrentProcessId()) + "_" + IntToStr(n);
        if (CreateDirectoryA(FPath.c_str(), nullptr))
            break;
    }
}

TScratchFolder::~TScratchFolder()
{
    std::function<void(const AnsiString&)> removeTree = [&](const AnsiString& dir) {
        WIN32_FIND_DATAA data;
        HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &data);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                AnsiString name = data.cFileName;
                if (name == "." || name == "..")
                    continue;
                AnsiString path = dir + "\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    removeTree(path);
                else {
                    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(path.c_str());
                }
            } while (FindNextFileA(h, &data));
            FindClose(h);
        }
        RemoveDirectoryA(dir.c_str());
    };
    removeTree(FPath);
}

AnsiString ResourceBytes(const AnsiString& name)
{
    TResourceStream stream(GetModuleHandleA(nullptr), name, RT_RCDATA);
    AnsiString bytes(static_cast<size_t>(stream.GetSize()), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

AnsiString FileBytes(const AnsiString& path)
{
    TFileStream file(path, fmOpenRead | fmShareDenyNone);
    AnsiString bytes(static_cast<size_t>(file.GetSize()), '\0');
    file.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

void WriteFileBytes(const AnsiString& path, const AnsiString& bytes)
{
    TFileStream file(path, fmCreate);
    file.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

AnsiString WithoutCR(const AnsiString& text)
{
    AnsiString out;
    for (char c : text)
        if (c != '\r')
            out += c;
    return out;
}

AnsiString StreamBytes(TMemoryStream& stream)
{
    return AnsiString(static_cast<const char*>(stream.GetMemory()), static_cast<size_t>(stream.GetSize()));
}
