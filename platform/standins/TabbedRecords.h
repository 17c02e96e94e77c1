#pragma once
#include <windows.h>

#include <fstream>
#include <ostream>
#include <string>
#include <vector>

// The text file a media stand-in keeps its library in: UTF-8, one record per line, the
// fields of a record divided by tabs and a list of ids within a field divided by commas.
// A missing file reads as no records; a line ending in CR LF reads as one ending in LF.
namespace tnwstandin {

inline std::string ToUtf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    std::string result(text.size() * 4 + 1, '\0');
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &result[0],
                                             static_cast<int>(result.size()), nullptr, nullptr);
    result.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return result;
}

inline std::wstring FromUtf8(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    std::wstring result(text.size() + 1, L'\0');
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &result[0],
                                             static_cast<int>(result.size()));
    result.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return result;
}

// Every field, the empty ones at the end too.
inline std::vector<std::string> Split(const std::string& line, char separator)
{
    std::vector<std::string> fields;
    size_t begin = 0;
    for (size_t end = line.find(separator); end != std::string::npos; end = line.find(separator, begin)) {
        fields.push_back(line.substr(begin, end - begin));
        begin = end + 1;
    }
    fields.push_back(line.substr(begin));
    return fields;
}

// Calls record(fields) for every line of the file.
template <class TRecord>
void ReadRecords(const std::string& file, TRecord record)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        record(Split(line, '\t'));
    }
}

// The ids of a comma list; the field is optional, so a record may end before it.
inline std::vector<long> ReadIds(const std::vector<std::string>& fields, size_t index)
{
    std::vector<long> ids;
    for (const std::string& id : Split(index < fields.size() ? fields[index] : "", ','))
        if (!id.empty())
            ids.push_back(std::stol(id));
    return ids;
}

inline void WriteIds(std::ostream& out, const std::vector<long>& ids)
{
    for (size_t i = 0; i < ids.size(); ++i)
        out << (i ? "," : "") << ids[i];
}

// The item of items (anything with an id) that has the id, or null.
template <class TItem>
TItem* FindById(std::vector<TItem>& items, long id)
{
    for (TItem& item : items)
        if (item.id == id)
            return &item;
    return nullptr;
}

// One more than the greatest id of either list, and at least first.
template <class TItems1, class TItems2>
long NextId(const TItems1& items1, const TItems2& items2, long first)
{
    long next = first;
    for (const auto& item : items1)
        next = item.id >= next ? item.id + 1 : next;
    for (const auto& item : items2)
        next = item.id >= next ? item.id + 1 : next;
    return next;
}

} // namespace tnwstandin
