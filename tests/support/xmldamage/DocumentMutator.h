#pragma once
#include <random>
#include <string>
#include <vector>

// Damaged versions of real documents, for tests that feed a reader what users and servers
// may hand it. Each Next() takes one of the documents and applies a few random damages:
// bytes changed (often to the bytes markup is made of, or zero), inserted, deleted,
// repeated or cut off, and pieces moved. The same seed gives the same sequence, so a
// failure can be replayed from the seed and the count.
class CDocumentMutator {
public:
    CDocumentMutator(std::vector<std::string> documents, unsigned seed);

    std::string Next();

private:
    void Damage(std::string& text);
    size_t Position(const std::string& text);
    char AnyByte();

    std::vector<std::string> mDocuments;
    std::mt19937 mRandom;
};

// A copy of bytes with a terminating zero, placed so that the page right after the zero is
// inaccessible: a read past the end faults at once instead of going unnoticed.
class CGuardedText {
public:
    explicit CGuardedText(const std::string& bytes);
    ~CGuardedText();
    CGuardedText(const CGuardedText&) = delete;
    CGuardedText& operator=(const CGuardedText&) = delete;

    const char* Text() const { return mText; }

private:
    void* mBase;
    const char* mText;
};
