#include "AllValues.h"

#include <cstdio>
#include <functional>
#include <sstream>

void CAllValues::Clear()
{
    *this = CAllValues();
}

void CAllValues::SaveSelf(const char*, CPersistStorage& storage)
{
    storage.Save("Flag", mFlag);
    storage.Save("Signed 8", mSigned8);
    storage.Save("Unsigned 8", mUnsigned8);
    storage.Save("Signed 16", mSigned16);
    storage.Save("Unsigned 16", mUnsigned16);
    storage.Save("Signed 32", mSigned32);
    storage.Save("Unsigned 32", mUnsigned32);
    storage.Save("Signed 64", mSigned64);
    storage.Save("Single", mSingle);
    storage.Save("Double", mDouble);
    storage.Save("Title", static_cast<const char*>(mTitle));
    storage.Save("Output Folder", static_cast<const char*>(mFolder));
    storage.Save("Block Size", static_cast<unsigned long>(mBlock.size()));
    storage.Save("Block", mBlock.data(), static_cast<unsigned long>(mBlock.size()));
    mEntry.Save("Last Entry", storage);
}

void CAllValues::LoadSelf(const char*, CPersistStorage& storage)
{
    storage.Load("Flag", mFlag);
    storage.Load("Signed 8", mSigned8);
    storage.Load("Unsigned 8", mUnsigned8);
    storage.Load("Signed 16", mSigned16);
    storage.Load("Unsigned 16", mUnsigned16);
    storage.Load("Signed 32", mSigned32);
    storage.Load("Unsigned 32", mUnsigned32);
    storage.Load("Signed 64", mSigned64);
    storage.Load("Single", mSingle);
    storage.Load("Double", mDouble);
    UPersistUtils::Load(storage, "Title", mTitle);
    UPersistUtils::Load(storage, "Output Folder", mFolder);
    unsigned long size = 0;
    storage.Load("Block Size", size);
    mBlock.assign(size, 0xEE);
    storage.Load("Block", mBlock.data(), size);
    mEntry.Load("Last Entry", storage);
}

CAllValues CAllValues::Extremes(unsigned long blockSize)
{
    CAllValues values;
    values.mFlag = true;
    values.mSigned8 = -1;
    values.mUnsigned8 = 255;
    values.mSigned16 = -32768;
    values.mUnsigned16 = 65535;
    values.mSigned32 = -2147483647 - 1;
    values.mUnsigned32 = 4294967295ul;
    values.mSigned64 = -1234567890123456789ll;
    values.mSingle = 0.25f;
    values.mDouble = -123456.789;
    values.mTitle = "Holiday clip & friends > 2 GB";
    values.mFolder = "C:\\Media Files\\Converted Clips\\";
    values.mBlock = CountingBytes(blockSize);
    values.mEntry.SetName("Preset Name");
    values.mEntry.SetValue("High quality, 1280 x 720");
    return values;
}

namespace {

// Long texts and blocks are described by their length and a hash, so that a failed
// comparison stays readable.
std::string Digest(const std::string& bytes)
{
    return bytes.size() <= 40 ? bytes
                              : std::to_string(bytes.size()) + " bytes, hash " + std::to_string(std::hash<std::string>()(bytes));
}

std::string Digest(const CString& text)
{
    return Digest(std::string(text, text.GetLength()));
}

} // namespace

std::string CAllValues::Describe() const
{
    std::ostringstream text;
    char real[64];
    std::snprintf(real, sizeof real, "%.9g %.17g", mSingle, mDouble);
    CNamedValue& entry = const_cast<CNamedValue&>(mEntry);
    text << mFlag << " " << int(mSigned8) << " " << int(mUnsigned8) << " " << mSigned16 << " " << mUnsigned16
         << " " << mSigned32 << " " << mUnsigned32 << " " << mSigned64 << " " << real << " [" << Digest(mTitle)
         << "] [" << Digest(mFolder) << "] block [" << Digest(std::string(mBlock.begin(), mBlock.end())) << "] entry ["
         << Digest(entry.GetName()) << "] [" << Digest(entry.GetValue()) << "]";
    return text.str();
}

std::vector<unsigned char> CountingBytes(unsigned long count)
{
    std::vector<unsigned char> bytes(count);
    for (unsigned long i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(i);
    return bytes;
}
