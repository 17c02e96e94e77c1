// What the parsers call of files, folders, the framework's resource chain and the XML node
// heap, for the native test build (see MemoryFiles.h).
#include "MemoryFiles.h"

#include "afxmodule.h"
#include "net/WebPost.h"
#include "persist/PersistFiles.h"
#include "persist/WholeFile.h"
#include "persist/XmlNodeHeap.h"
#include "tnwwndut.h"

#include <map>
#include <set>

namespace {

std::map<std::string, std::string>& Files()
{
    static std::map<std::string, std::string> files;
    return files;
}

std::set<std::string>& Locked()
{
    static std::set<std::string> locked;
    return locked;
}

} // namespace

const char UMemoryFiles::kCommonFolder[] = "C:\\ProgramData\\Tarnwell\\";
const char UMemoryFiles::kUserFolder[] = "C:\\Users\\fuzz\\AppData\\Roaming\\Tarnwell\\Fuzz\\";

bool UMemoryFiles::Get(const std::string& path, std::string& content)
{
    auto found = Files().find(path);
    if (found == Files().end())
        return false;
    content = found->second;
    return true;
}

void UMemoryFiles::Put(const std::string& path, const std::string& content)
{
    Files()[path] = content;
}

void UMemoryFiles::Lock(const std::string& path)
{
    Locked().insert(path);
}

void UMemoryFiles::Clear()
{
    Files().clear();
    Locked().clear();
}

bool UWholeFile::Read(const char* path, UINT, CHandle& data)
{
    data.Empty();
    std::string content;
    if (!path || !UMemoryFiles::Get(path, content))
        return false;
    if (!data.Append(content.data(), static_cast<unsigned long>(content.size()))) {
        data.Empty();
        return false;
    }
    return true;
}

bool UWholeFile::Replace(const char* path, const void* data, unsigned long size)
{
    if (!path || !*path || Locked().count(path) || (size > 0 && !data))
        return false;
    UMemoryFiles::Put(path, std::string(static_cast<const char*>(data), size));
    return true;
}

bool UFileUtils::FileExist(const char* path)
{
    std::string content;
    return path && UMemoryFiles::Get(path, content);
}

bool UDirectoryUtils::EstablishPath(const char* filePath)
{
    return filePath != nullptr;
}

std::string UDirectoryUtils::GetCommonAppDataDirectory()
{
    return UMemoryFiles::kCommonFolder;
}

std::string UDirectoryUtils::GetUserAppDataDirectory()
{
    return UMemoryFiles::kUserFolder;
}

HINSTANCE AfxFindResourceHandle(LPCSTR, LPCSTR)
{
    return nullptr;
}

// XML nodes come from the system heap one by one: the library cuts them from shared chunks
// for speed, which would hide a node read after it was deleted, or past its end, from
// AddressSanitizer.
void* UXmlNodeHeap::Allocate(size_t size)
{
    return ::operator new(size);
}

void UXmlNodeHeap::Free(void* block, size_t)
{
    ::operator delete(block);
}

// The native build has no network: every post ends as one to a server that cannot be
// reached, and web answers are read through CWebXml::ReadAnswer.
bool UWebPost::Post(const char*, const CString&, DWORD, CString&)
{
    return false;
}

const char* const UPersistStorage::kSettingsName = "Settings";

// Only the registry path of a settings value names the executable, and the native build
// has no registry.
std::string UApplicationUtils::GetExecutablePath()
{
    return "C:\\Program Files\\Tarnwell\\Fuzz.exe";
}

std::string UFileUtils::GetFileNameWithoutExtension(const char*)
{
    return "Fuzz";
}
