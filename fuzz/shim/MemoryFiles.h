#pragma once
#include <string>

// The native test build keeps files in memory: the library's whole-file reads and writes,
// its file checks and folder creation act on this table, so that a document written by
// the XML writer can be read back by the XML reader without touching the disk, and every
// fuzz run starts from the same (empty) state.
//
// The all-users and per-user application-data folders are fixed texts, different from
// each other, so that the per-user fall-back of settings files takes part in the runs.
class UMemoryFiles {
public:
    static const char kCommonFolder[];
    static const char kUserFolder[];

    // False when there is no such file.
    static bool Get(const std::string& path, std::string& content);
    static void Put(const std::string& path, const std::string& content);
    // Later writes to path fail, as on a read-only file or a full disk.
    static void Lock(const std::string& path);
    // Forgets every file and lock.
    static void Clear();
};
