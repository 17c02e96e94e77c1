#include "PersistImageReader.h"

#include <climits>
#include <cmath>
#include <cstring>

namespace {

// The whole part of a real, clamped to what 64 bits hold; not a number is 0. A broken or
// foreign image may hold any real where an integer is asked for.
__int64 WholePart(double real)
{
    const double kTwoToThe63 = 9223372036854775808.0;
    if (std::isnan(real))
        return 0;
    if (real >= kTwoToThe63)
        return LLONG_MAX;
    if (real < -kTwoToThe63)
        return LLONG_MIN;
    return static_cast<__int64>(real);
}

} // namespace

CPersistImageReader::CPersistImageReader() : mPosition(0), mOpenObjects(0), mMissingObjects(0)
{
}

void CPersistImageReader::SetImage(const unsigned char* data, unsigned long size)
{
    CHandle image;
    bool isImage = data && size >= kPersistImageHeaderSize &&
                   std::memcmp(data, kPersistImageMagic, sizeof kPersistImageMagic) == 0 &&
                   data[sizeof kPersistImageMagic] == kPersistImageFormat;
    if (isImage)
        image.Append(data, size);
    mImage = image;
    Rewind();
}

void CPersistImageReader::Rewind()
{
    mPosition = mImage.GetSize() > 0 ? kPersistImageHeaderSize : 0;
    mOpenObjects = 0;
    mMissingObjects = 0;
}

void CPersistImageReader::EnterObject(const char* name)
{
    Record found;
    if (mMissingObjects > 0 || !Find(name, kPersistRecordEnter, kPersistRecordEnter, found)) {
        ++mMissingObjects;
        return;
    }
    ++mOpenObjects;
}

void CPersistImageReader::LeaveObject()
{
    if (mMissingObjects > 0) {
        --mMissingObjects;
        return;
    }
    if (mOpenObjects == 0)
        return;
    // Whatever the object holds beyond what was loaded is passed over.
    Record record;
    while (ReadRecord(mPosition, record)) {
        mPosition = record.next;
        if (record.kind == kPersistRecordLeave)
            break;
        if (record.kind == kPersistRecordEnter)
            mPosition = SkipObject(record.next);
    }
    --mOpenObjects;
}

bool CPersistImageReader::ReadInteger(const char* name, __int64& value)
{
    Record found;
    if (!Find(name, kPersistRecordInteger, kPersistRecordReal, found))
        return false;
    __int64 bits = static_cast<__int64>(LittleEndian(found.value, 8));
    if (found.kind == kPersistRecordInteger) {
        value = bits;
    } else {
        double real;
        std::memcpy(&real, &bits, sizeof real);
        value = WholePart(real);
    }
    return true;
}

bool CPersistImageReader::ReadReal(const char* name, double& value)
{
    Record found;
    if (!Find(name, kPersistRecordReal, kPersistRecordInteger, found))
        return false;
    __int64 bits = static_cast<__int64>(LittleEndian(found.value, 8));
    if (found.kind == kPersistRecordReal)
        std::memcpy(&value, &bits, sizeof value);
    else
        value = static_cast<double>(bits);
    return true;
}

bool CPersistImageReader::ReadText(const char* name, const char*& text, unsigned long& length)
{
    Record found;
    if (!Find(name, kPersistRecordText, kPersistRecordText, found))
        return false;
    text = reinterpret_cast<const char*>(found.value);
    length = found.valueLength;
    return true;
}

bool CPersistImageReader::ReadBytes(const char* name, const unsigned char*& data,
                                    unsigned long& size)
{
    Record found;
    if (!Find(name, kPersistRecordBytes, kPersistRecordText, found))
        return false;
    data = found.value;
    size = found.valueLength;
    return true;
}

bool CPersistImageReader::ReadGuid(const char* name, GUID& value)
{
    Record found;
    if (!Find(name, kPersistRecordGuid, kPersistRecordGuid, found))
        return false;
    std::memcpy(&value, found.value, sizeof value);
    return true;
}

bool CPersistImageReader::Find(const char* name, EPersistRecordKind kind,
                               EPersistRecordKind alternative, Record& found)
{
    if (mMissingObjects > 0)
        return false;
    unsigned long at = mPosition;
    while (ReadRecord(at, found) && found.kind != kPersistRecordLeave) {
        if ((found.kind == kind || found.kind == alternative) && HasName(found, name)) {
            mPosition = found.next;
            return true;
        }
        at = found.kind == kPersistRecordEnter ? SkipObject(found.next) : found.next;
    }
    return false;
}

unsigned long CPersistImageReader::SkipObject(unsigned long at) const
{
    unsigned long depth = 1;
    Record record;
    while (ReadRecord(at, record)) {
        at = record.next;
        if (record.kind == kPersistRecordEnter)
            ++depth;
        else if (record.kind == kPersistRecordLeave && --depth == 0)
            return at;
    }
    return mImage.GetSize();
}

bool CPersistImageReader::ReadLength(unsigned long at, unsigned long& length) const
{
    if (at > mImage.GetSize() || mImage.GetSize() - at < 4)
        return false;
    length = static_cast<unsigned long>(LittleEndian(mImage.GetBuffer() + at, 4));
    return true;
}

bool CPersistImageReader::ReadRecord(unsigned long at, Record& record) const
{
    const unsigned long size = mImage.GetSize();
    if (at >= size)
        return false;
    const unsigned char* image = mImage.GetBuffer();
    record.kind = static_cast<EPersistRecordKind>(image[at]);
    unsigned long position = at + 1;
    if (!ReadLength(position, record.nameLength) || size - (position + 4) < record.nameLength)
        return false;
    position += 4;
    record.name = reinterpret_cast<const char*>(image + position);
    position += record.nameLength;

    switch (record.kind) {
    case kPersistRecordEnter:
    case kPersistRecordLeave:
        record.valueLength = 0;
        break;
    case kPersistRecordInteger:
    case kPersistRecordReal:
        record.valueLength = 8;
        break;
    case kPersistRecordGuid:
        record.valueLength = sizeof(GUID);
        break;
    case kPersistRecordText:
    case kPersistRecordBytes:
        if (!ReadLength(position, record.valueLength))
            return false;
        position += 4;
        break;
    default:
        return false;
    }
    if (size - position < record.valueLength)
        return false;
    record.value = image + position;
    record.next = position + record.valueLength;
    return true;
}

bool CPersistImageReader::HasName(const Record& record, const char* name)
{
    if (!name)
        name = "";
    return std::strlen(name) == record.nameLength &&
           std::memcmp(record.name, name, record.nameLength) == 0;
}

unsigned __int64 CPersistImageReader::LittleEndian(const unsigned char* bytes, int byteCount)
{
    unsigned __int64 value = 0;
    for (int i = byteCount - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}
