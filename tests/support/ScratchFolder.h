#pragma once
#include <string>

// A fresh empty folder under the system's temporary folder, removed with everything in it
// when the object is destroyed.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path, ending in a backslash.
    const std::string& Path() const { return mPath; }
    // Path() + name.
    std::string File(const std::string& name) const { return mPath + name; }

private:
    std::string mPath;
};

// Writes bytes to a file, replacing it; returns whether all were written.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// The whole content of a file, or an empty string when it cannot be read.
std::string ReadWholeFile(const std::string& path);
