// Command lines: the raw line Windows hands a program, and arguments already split.
//
// - The file and every switch name and value are pieces of the text given, never bytes
//   from beyond it; a switch always has a name.
// - Parsing the same text again adds the same pairs once more and keeps the file.
//
// The first byte chooses raw-line or whole-argument mode; the rest, split at zero bytes,
// is the text (the first piece) and the argument vector (all pieces).
#include "FuzzCheck.h"

#include "core/CommandLineParams.h"

#include <vector>

namespace {

void CheckPieces(const CCommandLineParams& params, const std::string& input, int firstPair)
{
    FUZZ_CHECK(IsPartOf(static_cast<const char*>(params.GetFile()), input),
               "the file is a piece of the text");
    const CLookupList& pairs = params.GetParams();
    for (int i = firstPair; i < pairs.GetLookupCount(); ++i) {
        const CTextPair* pair = pairs.GetLookup(i);
        FUZZ_CHECK(*pair->GetName() != '\0', "a switch has a name");
        FUZZ_CHECK(IsPartOf(pair->GetName(), input), "a switch name is a piece of the text");
        FUZZ_CHECK(IsPartOf(pair->GetValue(), input), "a switch value is a piece of the text");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool wholeArgument = data[0] & 1;
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string text(rest.c_str());

    CCommandLineParams line;
    line.Parse(text.c_str(), wholeArgument);
    CheckPieces(line, text, 0);
    const int count = line.GetParams().GetLookupCount();
    const CString file = line.GetFile();
    line.Parse(text.c_str(), wholeArgument);
    FUZZ_CHECK(line.GetParams().GetLookupCount() == 2 * count, "a second parse adds the same pairs");
    FUZZ_CHECK(line.GetFile() == file, "a second parse keeps the file");

    // The program path comes first and is skipped.
    std::vector<std::string> pieces{ "program.exe" };
    for (size_t start = 0; start <= rest.size();) {
        const size_t end = rest.find('\0', start);
        pieces.push_back(rest.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? rest.size() + 1 : end + 1;
    }
    std::vector<char*> arguments;
    for (std::string& piece : pieces)
        arguments.push_back(&piece[0]);
    CCommandLineParams split;
    split.Parse(arguments.data(), static_cast<int>(arguments.size()));
    std::string joined;
    for (size_t i = 1; i < pieces.size(); ++i)
        joined += pieces[i] + '\n';
    CheckPieces(split, joined, 0);
    return 0;
}
