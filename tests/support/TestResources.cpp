#include "TestResources.h"

#include "ScratchFolder.h"

#include <windows.h>

std::string LoadResourceBytes(int id)
{
    HRSRC resource = ::FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_RCDATA);
    HGLOBAL loaded = resource ? ::LoadResource(nullptr, resource) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    return bytes ? std::string(static_cast<const char*>(bytes), ::SizeofResource(nullptr, resource)) : std::string();
}

bool WriteResourceToFile(int id, const std::string& path)
{
    const std::string bytes = LoadResourceBytes(id);
    return !bytes.empty() && WriteWholeFile(path, bytes);
}
