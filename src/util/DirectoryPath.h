#pragma once
#include "tnwbscut.h"
#include "util/Path.h"

// A folder in a path tree, with the files and folders found in it as owned children.
// Its path ends with a backslash, and so do the paths of the folders Populate creates.
//
// Decisions of this library:
// - A path given without its closing separator is read as the folder it names, never as
//   a pattern that would also match its siblings ("C:\media" reads C:\media\, not
//   C:\media2\).
// - A folder that is a junction or symbolic link is listed but not read: links may lead
//   back up the tree (as some profile folders do) and reading them would never end.
//   Removing it removes the link, never what it points to.
// - Exclude compares paths as the file system does: without regard to case, and with or
//   without a closing separator.
class AFX_EXT_CLASS CDirectoryPath : public CPath {
public:
    explicit CDirectoryPath(const char* path = nullptr);
    using CPath::IsDir;
    bool IsDir() const override;
    ~CDirectoryPath() override;
    // Removes the children from the disk, then the folder itself (only when it is empty
    // by then: a file that could not go keeps its folder).
    void PhysicalRemove() override;
    // Removes every child from the disk and from the list.
    virtual void PhysicalRemoveChildren();

    // Adds every file and folder, reading the whole tree below.
    void Populate();
    // Adds the entries that match "*." + extension; folders among them are read whole.
    void Populate(const char* extension);

    int GetPathCount() const;
    // Null for an index out of range.
    CPath* GetPath(int index) const;
    // Takes the entry out of the list without deleting it: the caller owns it from then.
    void LetLoose(CPath* path);
    // Removes and deletes the first entry with that path, searched depth-first through
    // the folders; false when there is none.
    bool Exclude(const char* path);

private:
    CString FolderWithSeparator() const;
    void PopulateMatching(const char* pattern);

    CPointerList mChildren;
};
