// The profile functions of Windows over the memory files (MemoryFiles.h), small but read
// and written as Windows reads and writes ini files:
// - a line "[name]" opens a section (a line without "]" names the rest of the line); the
//   lines before the first section belong to a section with an empty name;
// - a line "key=value" is a value, a line without "=" a key with an empty value; names and
//   values are trimmed of blanks, and a value wholly in double or single quotes (two of
//   them at least) reads without them;
// - sections and keys are found without regard to case or blanks around the names given,
//   the first one of a name counts;
// - a value is written in place of the one held, after the section's last key, or in a
//   new section at the end of the file; a null text removes the value, a null key the
//   whole section. A null section name fails (the library always gives one).
// A result that does not fit the buffer is cut and reported as size - 1 (size - 2 for a
// list of key names, which ends in two zeros).
#include "MemoryFiles.h"

#include "persist/WholeFile.h"

#include <windows.h>

#include <strings.h>

#include <string>
#include <vector>

namespace {

bool IsProfileBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trimmed(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsProfileBlank(text[begin]))
        ++begin;
    while (end > begin && IsProfileBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

struct SProfileLine {
    std::string text;
    bool isSection = false;
    bool isKey = false;
    std::string name;
    std::string value;
};

std::vector<SProfileLine> ReadLines(const char* path)
{
    std::vector<SProfileLine> lines;
    std::string content;
    if (!path || !UMemoryFiles::Get(path, content))
        return lines;
    for (size_t start = 0; start < content.size();) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        SProfileLine line;
        line.text = content.substr(start, end - start);
        if (!line.text.empty() && line.text.back() == '\r')
            line.text.pop_back();
        // The profile functions read C texts: a line ends at a zero byte.
        const std::string trimmed = Trimmed(line.text.c_str());
        if (!trimmed.empty() && trimmed[0] == '[') {
            line.isSection = true;
            const size_t close = trimmed.find(']');
            line.name = Trimmed(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        } else if (!trimmed.empty()) {
            line.isKey = true;
            const size_t equals = trimmed.find('=');
            line.name = Trimmed(trimmed.substr(0, equals));
            if (equals != std::string::npos)
                line.value = Trimmed(trimmed.substr(equals + 1));
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Names asked for are trimmed as the names of the file are.
bool SameName(const std::string& name, const char* wanted)
{
    return strcasecmp(name.c_str(), Trimmed(wanted).c_str()) == 0;
}

// The lines [first, last) of the section: after its header up to the next header. An
// empty section name also covers the lines before the first header.
bool FindSection(const std::vector<SProfileLine>& lines, const char* section, size_t& first, size_t& last)
{
    size_t header = lines.size();
    if (Trimmed(section).empty()) {
        first = 0;
    } else {
        for (header = 0; header < lines.size(); ++header) {
            if (lines[header].isSection && SameName(lines[header].name, section))
                break;
        }
        if (header == lines.size())
            return false;
        first = header + 1;
    }
    for (last = first; last < lines.size() && !lines[last].isSection;)
        ++last;
    return true;
}

size_t FindKey(const std::vector<SProfileLine>& lines, size_t first, size_t last, const char* key)
{
    for (size_t i = first; i < last; ++i) {
        if (lines[i].isKey && SameName(lines[i].name, key))
            return i;
    }
    return last;
}

std::string Unquoted(const std::string& value)
{
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

bool WriteLines(const char* path, const std::vector<SProfileLine>& lines)
{
    std::string content;
    for (const SProfileLine& line : lines)
        content += line.text + "\r\n";
    return UWholeFile::Replace(path, content.data(), static_cast<unsigned long>(content.size()));
}

} // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR text, DWORD size,
                               LPCSTR path)
{
    if (!text || size == 0)
        return 0;
    if (!section) {
        text[0] = '\0';
        return 0;
    }
    const std::vector<SProfileLine> lines = ReadLines(path);
    size_t first = 0;
    size_t last = 0;
    const bool hasSection = FindSection(lines, section, first, last);
    if (!key) {
        std::string names;
        for (size_t i = first; hasSection && i < last; ++i) {
            if (lines[i].isKey)
                names += lines[i].name + '\0';
        }
        if (size < 2) {
            text[0] = '\0';
            return 0;
        }
        if (names.size() + 1 > size) {
            names.resize(size - 2);
            names += '\0';
            std::memcpy(text, names.data(), names.size());
            text[size - 1] = '\0';
            return size - 2;
        }
        std::memcpy(text, names.data(), names.size());
        text[names.size()] = '\0';
        return static_cast<DWORD>(names.size());
    }
    std::string value = Trimmed(defaultText ? defaultText : "");
    const size_t found = hasSection ? FindKey(lines, first, last, key) : last;
    if (hasSection && found < last)
        value = Unquoted(lines[found].value);
    if (value.size() + 1 > size) {
        std::memcpy(text, value.data(), size - 1);
        text[size - 1] = '\0';
        return size - 1;
    }
    std::memcpy(text, value.c_str(), value.size() + 1);
    return static_cast<DWORD>(value.size());
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR text, LPCSTR path)
{
    if (!section || !path)
        return FALSE;
    std::vector<SProfileLine> lines = ReadLines(path);
    size_t first = 0;
    size_t last = 0;
    const bool hasSection = FindSection(lines, section, first, last);
    if (!key) {
        if (hasSection)
            lines.erase(lines.begin() + (first > 0 && *section ? first - 1 : first), lines.begin() + last);
        return WriteLines(path, lines);
    }
    const size_t found = hasSection ? FindKey(lines, first, last, key) : last;
    if (!text) {
        if (hasSection && found < last)
            lines.erase(lines.begin() + found);
        return WriteLines(path, lines);
    }
    SProfileLine line;
    line.text = std::string(key) + "=" + text;
    if (hasSection && found < last) {
        lines[found].text = line.text;
    } else if (hasSection) {
        size_t after = last;
        while (after > first && !lines[after - 1].isKey)
            --after;
        lines.insert(lines.begin() + after, line);
    } else {
        SProfileLine header;
        header.text = std::string("[") + section + "]";
        lines.push_back(header);
        lines.push_back(line);
    }
    return WriteLines(path, lines);
}
