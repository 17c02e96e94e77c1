#pragma once
#include "afx.h"
#include "tnwbscut.h"

// Persistence helpers that work with any storage: an object kept as an image file (the
// plain storage's byte image, with no header of its own), a text value of any length, and
// reversible scrambling of short texts such as passwords kept in settings.
//
// Decisions of this library:
// - The image file is replaced only once the new image is complete on disk
//   (UWholeFile::Replace), and Save reports false when the image could not be written,
//   not only when the file could not be opened: a full disk is no success.
// - Load(path, object) reads the whole file before it clears the object, so a file that
//   opens but cannot be read gives false and leaves the object as it was.
// - Load(storage, name, value) never hands the storage a buffer smaller than the length
//   the storage reported; when that length cannot be held in memory (a broken image), the
//   text is not loaded and value keeps what it held.
// - DecryptLoad keeps value as it was when the storage leaves the text untouched (a value
//   missing from an XML document), as Load does, instead of emptying it.
// - Scrambling: the text's bytes and a 16-bit check of them are combined with a fixed key
//   stream, each byte chained to the one before, and written as upper-case hexadecimal
//   digits (twice the text's length plus four). Decrypt accepts digits in either case
//   and gives an empty text for anything whose check does not hold, so a text that was
//   never scrambled (a password kept in plain text by an older version) almost always
//   comes back empty rather than as garbage. It hides texts from a glance, nothing more.
class AFX_EXT_CLASS UPersistUtils {
public:
    // The object as an image file, saved under the name "Settings".
    static bool Save(const char* path, CPersistObject& object);
    // The object from an image file; false (object untouched) when the file cannot be
    // opened. The object is cleared before it loads.
    static bool Load(const char* path, CPersistObject& object);

    // One text value, however long: LoadStringLength, then Load(name, char*).
    static void Load(CPersistStorage& storage, const char* name, CString& value);
    // One scrambled text value, unscrambled.
    static void DecryptLoad(CPersistStorage& storage, const char* name, CString& value);

    // Empty texts stay empty in both directions.
    static CString Encrypt(const char* text);
    static CString Decrypt(const char* text);
};
