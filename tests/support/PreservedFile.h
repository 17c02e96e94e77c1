#pragma once
#include <string>

// Keeps a file that a test replaces or changes, such as a settings file shared by the
// applications of the family: the constructor sets its content aside (and removes the
// file, so the test starts without it), the destructor puts the content back, or removes
// the file again when there was none, and the folders on its way that the test made, as
// far as they are empty.
class PreservedFile {
public:
    explicit PreservedFile(std::string path);
    ~PreservedFile();
    PreservedFile(const PreservedFile&) = delete;
    PreservedFile& operator=(const PreservedFile&) = delete;

    const std::string& Path() const { return mPath; }

private:
    std::string mPath;
    bool mExisted;
    // The deepest folder on the file's way that existed before.
    std::string mExistingFolder;
    std::string mContent;
};
