#pragma once

#include <string>

// A folder of its own under the temporary folder, removed with its files.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const std::string& name) const { return FPath + "\\" + name; }

private:
    std::string FPath;
};

std::string ReadTextFile(const std::string& path);
