#pragma once
#include "util/Path.h"

// A file in a path tree; removing it deletes the file.
class AFX_EXT_CLASS CFilePath : public CPath {
public:
    explicit CFilePath(const char* path = nullptr);
    using CPath::IsDir;
    bool IsDir() const override;
    ~CFilePath() override;
    void PhysicalRemove() override;
};
