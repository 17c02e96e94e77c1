#include "DocumentMutator.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

CDocumentMutator::CDocumentMutator(std::vector<std::string> documents, unsigned seed)
    : mDocuments(std::move(documents))
    , mRandom(seed)
{
}

std::string CDocumentMutator::Next()
{
    std::string text = mDocuments[mRandom() % mDocuments.size()];
    const int damages = 1 + static_cast<int>(mRandom() % 4);
    for (int i = 0; i < damages; ++i)
        Damage(text);
    return text;
}

size_t CDocumentMutator::Position(const std::string& text)
{
    return text.empty() ? 0 : mRandom() % (text.size() + 1);
}

char CDocumentMutator::AnyByte()
{
    // Half of the bytes are those the parse reacts to.
    static const char kMarkup[] = { '<', '>', '/', '\0', ' ', '?', '!', '\r', '\n' };
    if (mRandom() % 2)
        return kMarkup[mRandom() % sizeof kMarkup];
    return static_cast<char>(mRandom() % 256);
}

void CDocumentMutator::Damage(std::string& text)
{
    const size_t at = Position(text);
    const size_t length = 1 + mRandom() % 16;
    switch (mRandom() % 7) {
    case 0:
        if (at < text.size())
            text[at] = AnyByte();
        break;
    case 1:
        text.insert(at, 1, AnyByte());
        break;
    case 2:
        text.erase(at, length);
        break;
    case 3:
        text.resize(at);
        break;
    case 4: {
        // A piece repeated many times: deep or wide nesting of whatever tags it holds.
        const std::string piece = text.substr(at, length);
        const size_t times = 1 + mRandom() % 200;
        std::string repeated;
        for (size_t i = 0; i < times; ++i)
            repeated += piece;
        text.insert(at, repeated);
        break;
    }
    case 5: {
        const std::string piece = text.substr(Position(text), length);
        text.insert(Position(text), piece);
        break;
    }
    default: {
        const size_t to = Position(text);
        const std::string piece = text.substr(at, length);
        text.erase(at, length);
        text.insert(to <= text.size() ? to : text.size(), piece);
        break;
    }
    }
}

CGuardedText::CGuardedText(const std::string& bytes)
{
    SYSTEM_INFO system;
    ::GetSystemInfo(&system);
    const size_t page = system.dwPageSize;
    const size_t size = bytes.size() + 1;
    const size_t usable = (size + page - 1) / page * page;
    mBase = ::VirtualAlloc(nullptr, usable + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    DWORD previous;
    if (!mBase || !::VirtualProtect(static_cast<char*>(mBase) + usable, page, PAGE_NOACCESS, &previous))
        throw std::runtime_error("cannot place a guarded text");
    char* text = static_cast<char*>(mBase) + usable - size;
    std::memcpy(text, bytes.data(), bytes.size());
    text[bytes.size()] = '\0';
    mText = text;
}

CGuardedText::~CGuardedText()
{
    ::VirtualFree(mBase, 0, MEM_RELEASE);
}
