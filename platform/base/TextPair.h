#pragma once
#include "BaseExport.h"

#include <string>

// A name and a text value, such as a command-line switch and its value or a source and
// target path. Null texts are kept as empty ones.
class TNWBS_CLASS CTextPair {
public:
    CTextPair(const char* name, const char* value);
    virtual ~CTextPair();

    const char* GetName() const;
    const char* GetValue() const;
    void SetName(const char* name);
    void SetValue(const char* value);

private:
    std::string mName;
    std::string mValue;
};
