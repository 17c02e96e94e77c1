#include "core/CommandLineParams.h"

CCommandLineParams::CCommandLineParams() = default;
CCommandLineParams::CCommandLineParams(const CCommandLineParams& other) = default;
CCommandLineParams& CCommandLineParams::operator=(const CCommandLineParams& other) = default;
CCommandLineParams::~CCommandLineParams() = default;

bool CCommandLineParams::HasParams() const
{
    return !mFile.IsEmpty() && mParams.GetLookupCount() > 0;
}

bool CCommandLineParams::TakeValue(CString& pendingName, const char* start, const char* end)
{
    const CString value(start, static_cast<int>(end - start));
    if (pendingName.IsEmpty()) {
        mFile = value;
        return false;
    }
    mParams.AddLookup(pendingName, value);
    pendingName.Empty();
    return true;
}

void CCommandLineParams::Parse(const char* text, bool wholeArgument)
{
    if (!text || !*text)
        return;
    CString pendingName;
    const char* nameStart = nullptr;
    const char* valueStart = nullptr;
    bool quoted = false;

    for (const char* p = text;; ++p) {
        switch (*p) {
        case '\0':
            if (valueStart)
                TakeValue(pendingName, valueStart, p);
            return;
        case ' ':
            // A file keeps its value open: whatever follows belongs to it.
            if (!wholeArgument && valueStart && !quoted && TakeValue(pendingName, valueStart, p))
                valueStart = nullptr;
            break;
        case '"':
            if (!valueStart && !nameStart) {
                valueStart = p + 1;
                quoted = true;
                // The first character of the value is taken unexamined.
                if (p[1] != '\0')
                    ++p;
            } else if (valueStart && quoted) {
                TakeValue(pendingName, valueStart, p);
                valueStart = nullptr;
                quoted = false;
            }
            break;
        case '-':
        case '/':
            if (!valueStart && !nameStart) {
                nameStart = p + 1;
                // The first character of the name is taken unexamined.
                if (p[1] != '\0')
                    ++p;
            }
            break;
        case ':':
            if (nameStart && !valueStart) {
                pendingName = CString(nameStart, static_cast<int>(p - nameStart));
                nameStart = nullptr;
            }
            break;
        default:
            if (!valueStart && !nameStart)
                valueStart = p;
            break;
        }
    }
}

void CCommandLineParams::Parse(char** arguments, int count)
{
    for (int i = 1; i < count; ++i)
        Parse(arguments[i], true);
}
