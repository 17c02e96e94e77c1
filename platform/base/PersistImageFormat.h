#pragma once

// The byte image of the plain persist storage, shared by its writer and its reader.
//
// An image starts with the four bytes "TNWP" and a format number (one byte), followed by
// records. A record is its kind (one byte), its name (length as 4 bytes, then the bytes,
// no terminator) and its value. All numbers are little-endian.
//
// | kind     | value                                   |
// |----------|-----------------------------------------|
// | enter    | none: the properties of a nested object follow, up to the matching leave |
// | leave    | none (and an empty name)                |
// | integer  | 8 bytes, signed                         |
// | real     | 8 bytes, an IEEE double                 |
// | text     | length as 4 bytes, then the bytes       |
// | bytes    | length as 4 bytes, then the bytes       |
// | guid     | 16 bytes, as the GUID lies in memory    |
enum EPersistRecordKind : unsigned char {
    kPersistRecordEnter = 1,
    kPersistRecordLeave = 2,
    kPersistRecordInteger = 3,
    kPersistRecordReal = 4,
    kPersistRecordText = 5,
    kPersistRecordBytes = 6,
    kPersistRecordGuid = 7
};

const char kPersistImageMagic[4] = {'T', 'N', 'W', 'P'};
const unsigned char kPersistImageFormat = 1;
const unsigned long kPersistImageHeaderSize = 5;
