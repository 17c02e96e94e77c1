#include "persist/PersistUtils.h"

#include "persist/PersistFiles.h"
#include "persist/WholeFile.h"

#include <climits>
#include <cstring>
#include <new>
#include <vector>

namespace {

const unsigned long kKeySeed = 0x6B8E3A51;
const unsigned char kChainStart = 0x5A;
const int kCheckBytes = 2;

// The key stream: a 32-bit xorshift generator from a fixed seed.
class CKeyStream {
public:
    CKeyStream() : mState(kKeySeed) {}
    unsigned char Next()
    {
        mState ^= mState << 13;
        mState ^= mState >> 17;
        mState ^= mState << 5;
        mState &= 0xFFFFFFFF;
        return static_cast<unsigned char>(mState >> 24);
    }

private:
    unsigned long mState;
};

// 16 bits of the FNV-1a hash of the text.
unsigned short Check(const unsigned char* bytes, size_t count)
{
    unsigned long hash = 2166136261u;
    for (size_t i = 0; i < count; ++i) {
        hash ^= bytes[i];
        hash = (hash * 16777619u) & 0xFFFFFFFF;
    }
    return static_cast<unsigned short>((hash >> 16) ^ (hash & 0xFFFF));
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

} // namespace

bool UPersistUtils::Save(const char* path, CPersistObject& object)
{
    CPersistStorage storage;
    object.Save(UPersistStorage::kSettingsName, storage);
    unsigned long size = 0;
    const unsigned char* image = storage.GetData(size);
    return UWholeFile::Replace(path, image, image ? size : 0);
}

bool UPersistUtils::Load(const char* path, CPersistObject& object)
{
    CHandle image;
    if (!UWholeFile::Read(path, CFile::shareExclusive, image))
        return false;
    object.Clear();
    CPersistStorage storage;
    storage.SetData(image.GetBuffer(), image.GetSize());
    object.Load(UPersistStorage::kSettingsName, storage);
    return true;
}

void UPersistUtils::Load(CPersistStorage& storage, const char* name, CString& value)
{
    unsigned long length = 0;
    storage.LoadStringLength(name, length);
    if (length == 0)
        length = 1;
    // A CString holds at most INT_MAX - 1 characters and its terminator.
    if (length >= static_cast<unsigned long>(INT_MAX))
        return;
    char* buffer;
    try {
        buffer = value.GetBuffer(static_cast<int>(length));
    } catch (const std::bad_alloc&) {
        return;
    }
    storage.Load(name, buffer);
    value.ReleaseBuffer();
}

void UPersistUtils::DecryptLoad(CPersistStorage& storage, const char* name, CString& value)
{
    CString loaded = Encrypt(value);
    Load(storage, name, loaded);
    value = Decrypt(loaded);
}

CString UPersistUtils::Encrypt(const char* text)
{
    if (!text || !*text)
        return CString();
    const size_t length = std::strlen(text);
    std::vector<unsigned char> bytes(text, text + length);
    const unsigned short check = Check(bytes.data(), length);
    bytes.push_back(static_cast<unsigned char>(check));
    bytes.push_back(static_cast<unsigned char>(check >> 8));
    CKeyStream key;
    unsigned char previous = kChainStart;
    for (unsigned char& byte : bytes) {
        byte ^= key.Next() ^ previous;
        previous = byte;
    }
    return CString(UHexConverter::MakeText(bytes.data(), static_cast<unsigned long>(bytes.size()), false));
}

CString UPersistUtils::Decrypt(const char* text)
{
    const size_t digits = text ? std::strlen(text) : 0;
    if (digits % 2 != 0 || digits < 2 * (1 + kCheckBytes))
        return CString();
    for (size_t i = 0; i < digits; ++i) {
        if (!IsHexDigit(text[i]))
            return CString();
    }
    const size_t count = digits / 2;
    const unsigned char* scrambled = UHexConverter::MakeData(text, false);
    std::vector<unsigned char> bytes(scrambled, scrambled + count);
    CKeyStream key;
    unsigned char previous = kChainStart;
    for (unsigned char& byte : bytes) {
        const unsigned char next = byte;
        byte ^= key.Next() ^ previous;
        previous = next;
    }
    const size_t length = count - kCheckBytes;
    const unsigned short check = static_cast<unsigned short>(bytes[length] | (bytes[length + 1] << 8));
    if (check != Check(bytes.data(), length) || std::memchr(bytes.data(), 0, length))
        return CString();
    return CString(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(length));
}
