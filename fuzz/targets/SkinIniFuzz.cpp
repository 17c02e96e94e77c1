// The "skin.ini" of a skin folder, read by the skin locations: left, top, width and height
// of each section, as the input file holds them.
//
// - A location loads; where the file holds no value, its number stays as it was.
// - Locations saved and read back by others of the same names give the same numbers.
// - Switching to a folder without "skin.ini" keeps every number; switching back reloads
//   the same ones.
// - A save into a file that cannot be written fails and changes nothing.
#include "FuzzCheck.h"

#include "../shim/MemoryFiles.h"
#include "skins/SkinFolder.h"
#include "skins/SkinLocation.h"

#include <strings.h>

#include <memory>
#include <vector>

namespace {

const char kFolder[] = "C:\\Skins\\Fuzz\\";
const char kOtherFolder[] = "C:\\Skins\\Empty\\";
const size_t kMaxLocations = 8;

// The section names of the file, as a skin's author wrote them, and one it lacks.
std::vector<std::string> SectionNames(const std::string& file)
{
    std::vector<std::string> names{ "Main Window" };
    for (size_t start = 0; start < file.size() && names.size() < kMaxLocations;) {
        size_t end = file.find('\n', start);
        if (end == std::string::npos)
            end = file.size();
        const std::string line = file.substr(start, end - start).c_str();
        const size_t open = line.find('[');
        const size_t close = line.find(']');
        if (open != std::string::npos && close != std::string::npos && close > open + 1) {
            // Names are compared as the profile functions compare them: trimmed, without
            // regard to case. Two locations of one section would overwrite each other.
            std::string name = line.substr(open + 1, close - open - 1);
            const size_t first = name.find_first_not_of(" \t\r\v\f");
            const size_t last = name.find_last_not_of(" \t\r\v\f");
            name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
            bool known = name.empty();
            for (const std::string& other : names)
                known = known || strcasecmp(other.c_str(), name.c_str()) == 0;
            if (!known)
                names.push_back(name);
        }
        start = end + 1;
    }
    return names;
}

struct SNumbers {
    unsigned long left, top, width, height;
    bool operator==(const SNumbers& other) const
    {
        return left == other.left && top == other.top && width == other.width && height == other.height;
    }
};

SNumbers NumbersOf(const CSkinLocation& location)
{
    return { location.GetLeft(), location.GetTop(), location.GetWidth(), location.GetHeight() };
}

std::unique_ptr<CSkinLocation> MakeLocation(const std::string& name, unsigned long first)
{
    auto location = std::make_unique<CSkinLocation>(name.c_str());
    location->SetLeft(first);
    location->SetTop(first + 1);
    location->SetWidth(first + 2);
    location->SetHeight(first + 3);
    return location;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string file(reinterpret_cast<const char*>(data), size);
    const std::string path = std::string(kFolder) + CSkinFolder::kIniFileName;
    UMemoryFiles::Clear();
    UMemoryFiles::Put(path, file);

    CSkinFolder folder(kFolder);
    FUZZ_CHECK(CSkinFolder::GetCurrent() == &folder, "the first folder is the current one");
    const std::vector<std::string> names = SectionNames(file);
    std::vector<std::unique_ptr<CSkinLocation>> locations;
    std::vector<SNumbers> loaded;
    for (size_t i = 0; i < names.size(); ++i) {
        locations.push_back(MakeLocation(names[i], 100 + 10 * i));
        const SNumbers before = NumbersOf(*locations[i]);
        FUZZ_CHECK(locations[i]->Load(), "a location of the current folder loads");
        const SNumbers after = NumbersOf(*locations[i]);
        const char* keys[] = { CSkinLocation::kLeftValue, CSkinLocation::kTopValue, CSkinLocation::kWidthValue,
                               CSkinLocation::kHeightValue };
        const unsigned long held[] = { before.left, before.top, before.width, before.height };
        const unsigned long got[] = { after.left, after.top, after.width, after.height };
        for (int k = 0; k < 4; ++k) {
            std::string text;
            if (!folder.GetProfile().ReadText(names[i].c_str(), keys[k], text))
                FUZZ_CHECK(got[k] == held[k], "a number the file lacks stays as it was");
            FUZZ_CHECK(got[k] <= 0xFFFFFFFFul, "a number has 32 bits");
        }
        loaded.push_back(after);
    }

    CSkinFolder::SaveAll();
    std::vector<std::unique_ptr<CSkinLocation>> readers;
    for (size_t i = 0; i < names.size(); ++i) {
        readers.push_back(MakeLocation(names[i], 5000 + 10 * i));
        FUZZ_CHECK(readers[i]->Load() && NumbersOf(*readers[i]) == loaded[i], "saved numbers read back");
    }

    folder.SetFolder(kOtherFolder);
    for (size_t i = 0; i < names.size(); ++i)
        FUZZ_CHECK(NumbersOf(*locations[i]) == loaded[i], "a folder without skin.ini keeps the numbers");
    folder.SetFolder(kFolder);
    for (size_t i = 0; i < names.size(); ++i)
        FUZZ_CHECK(NumbersOf(*locations[i]) == loaded[i], "switching back reloads the same numbers");

    std::string saved;
    UMemoryFiles::Get(path, saved);
    UMemoryFiles::Lock(path);
    locations[0]->SetLeft(loaded[0].left + 1);
    FUZZ_CHECK(!locations[0]->Save(), "a save into a locked file fails");
    std::string after;
    UMemoryFiles::Get(path, after);
    FUZZ_CHECK(after == saved, "a failed save changes nothing");
    return 0;
}
