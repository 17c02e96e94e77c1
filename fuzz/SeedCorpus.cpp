// Writes the seed corpus of every fuzz target: the formats the library itself writes,
// made by the library where it writes them (settings documents and web answers by the
// XML persist storage, byte images by the plain persist storage, ini files by the settings
// values, skin.ini by the skin locations, hexadecimal texts by the converter),
// and the examples its command lines, addresses and settings hold.
//
//   make_seeds <folder>      writes <folder>/<target>/seed-<n>
#include "shim/MemoryFiles.h"

#include "net/DownloadList.h"
#include "persist/NamedObject.h"
#include "persist/XmlPersistStorage.h"
#include "skins/SkinFolder.h"
#include "skins/SkinLocation.h"
#include "tnwbscut.h"
#include "tnwwndut.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

class CSeedWriter {
public:
    explicit CSeedWriter(std::string folder) : mFolder(std::move(folder)) {}

    bool Write(const std::string& target, const std::string& content)
    {
        const std::string folder = mFolder + "/" + target;
        mkdir(mFolder.c_str(), 0777);
        mkdir(folder.c_str(), 0777);
        const std::string path = folder + "/seed-" + std::to_string(++mCounts[target]);
        FILE* file = std::fopen(path.c_str(), "wb");
        if (!file)
            return false;
        const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
        return std::fclose(file) == 0 && written;
    }

private:
    std::string mFolder;
    std::map<std::string, int> mCounts;
};

template <typename T>
std::string Bytes(const T& value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

// A settings object as applications save one, with every kind of value.
template <typename Storage>
void SaveSettings(Storage& storage, bool withValues)
{
    storage.EnterObject("Settings");
    storage.Save("Count", 3L);
    storage.Save("Title", "Holiday <cut> & \"final\"");
    storage.Save("Enabled", true);
    storage.Save("Has Data", static_cast<unsigned long>(4294967295UL));
    storage.Save("Quality", 0.75);
    storage.Save("Size", static_cast<__int64>(0x0123456789ABCDEFLL));
    unsigned char block[] = { 0x01, 0x02, 0xFF };
    storage.Save("Data", block, sizeof block);
    storage.EnterObject("Window");
    storage.Save("Left", 10L);
    storage.Save("Name", "Main window");
    storage.LeaveObject();
    storage.EnterObject("Empty");
    storage.LeaveObject();
    if (withValues) {
        storage.Save("Value", static_cast<short>(-5));
        storage.Save("a", 'x');
        storage.EnterObject("Child");
        storage.EnterObject("Child");
        storage.Save("Value", static_cast<unsigned char>(200));
        storage.LeaveObject();
        storage.LeaveObject();
    }
    storage.LeaveObject();
}

std::string XmlDocument(bool withValues)
{
    UMemoryFiles::Clear();
    const char* path = "C:\\seeds\\Data.xml";
    {
        CXmlPersistStorage storage("Settings", path);
        SaveSettings(storage, withValues);
    }
    std::string content;
    UMemoryFiles::Get(path, content);
    return content;
}

// A web service's answer as the library writes one: the object under "data", then the
// message and the result.
std::string WebAnswer(CPersistObject* object, const char* message, long result)
{
    UMemoryFiles::Clear();
    const char* path = "C:\\seeds\\Answer.xml";
    {
        CXmlPersistStorage storage("answer", path);
        storage.EnterObject("answer");
        if (object)
            object->Save("data", storage);
        storage.Save("message", message);
        storage.Save("result", result);
        storage.LeaveObject();
    }
    std::string content;
    UMemoryFiles::Get(path, content);
    return content;
}

CDownloadPackage* Package(const char* name, bool necessary, const char* description)
{
    auto* package = new CDownloadPackage;
    package->SetName(name);
    package->SetNecessary(necessary);
    package->SetSelected(!necessary);
    package->SetDescription(description);
    package->SetPage("https://www.tarnwell.com/codecs/?id=4&lang=en");
    package->SetFilePath("C:\\Downloads\\pack.exe");
    return package;
}

// A text as FuzzedDataProvider::ConsumeRandomLengthString gives it back: backslashes
// doubled, and a backslash and another byte to end it.
std::string Consumed(const std::string& text)
{
    std::string escaped;
    for (char c : text)
        escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return escaped + "\\;";
}

// An ini file as the library writes it, through the settings values.
std::string IniFile()
{
    UMemoryFiles::Clear();
    const char* path = "C:\\seeds\\fuzz.ini";
    CIniProfile profile(path);
    profile.WriteText("Main", "Title", "Holiday \"cut\"");
    profile.WriteText("Main", "Padded", "  both ends  ");
    profile.WriteText("Window 1", "Lines", "one\r\ntwo");
    CRegistry("Window 1", "Left", &profile).SetValue(4294967291UL);
    CRegistry("Settings", "Count", &profile).SetValue(12);
    std::string content;
    UMemoryFiles::Get(path, content);
    return content;
}

// A skin.ini as the skin locations save it.
std::string SkinIni()
{
    UMemoryFiles::Clear();
    CSkinFolder folder("C:\\seeds\\Skin\\");
    CSkinLocation main("Main Window");
    main.SetLeft(10);
    main.SetTop(20);
    main.SetWidth(640);
    main.SetHeight(480);
    CSkinLocation timeline("Timeline");
    timeline.SetWidth(4294967295UL);
    CSkinFolder::SaveAll();
    std::string content;
    UMemoryFiles::Get("C:\\seeds\\Skin\\skin.ini", content);
    return content;
}

std::string PersistImage(bool withValues)
{
    CPersistStorage storage;
    SaveSettings(storage, withValues);
    GUID guid = { 0x12345678, 0x9ABC, 0xDEF0, { 1, 2, 3, 4, 5, 6, 7, 8 } };
    storage.Save("Id", guid);
    unsigned long size = 0;
    const unsigned char* image = storage.GetData(size);
    return std::string(reinterpret_cast<const char*>(image), size);
}

// Load mode of the image target: the image first, the load script after it, and the
// image's length in the last two bytes (read from the end, high byte last).
std::string ImageLoadInput(const std::string& image, const std::string& script)
{
    std::string input = std::string(1, '\0') + image + script;
    input += static_cast<char>(image.size() & 0xFF);
    input += static_cast<char>(image.size() >> 8 & 0xFF);
    return input;
}

std::string Script(int seed)
{
    std::string script;
    unsigned value = 2166136261u + static_cast<unsigned>(seed);
    for (int i = 0; i < 600; ++i) {
        value = value * 16777619u ^ static_cast<unsigned>(i);
        script += static_cast<char>(value >> 24);
    }
    return script;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <folder>\n");
        return 2;
    }
    CSeedWriter seeds(argv[1]);
    bool ok = true;

    const std::string answer =
        std::string(CXmlDocument::kDeclaration) +
        "\r\n<answer>\r\n<data>\r\n<Name>Clip</Name>\r\n</data>\r\n<message>Done</message>\r\n"
        "<result>1</result>\r\n</answer>\r\n";
    for (bool withValues : { false, true }) {
        const std::string document = XmlDocument(withValues);
        ok &= seeds.Write("xml_document", document);
        ok &= seeds.Write("xml_persist", std::string(1, '\x10') + document);
        const std::string image = PersistImage(withValues);
        ok &= seeds.Write("persist_image", ImageLoadInput(image, Script(withValues)));
    }
    ok &= seeds.Write("xml_document", answer);
    ok &= seeds.Write("xml_persist", std::string(1, '\x08') + answer);
    for (int i = 0; i < 4; ++i) {
        ok &= seeds.Write("xml_persist", std::string(1, '\x01') + Script(i));
        ok &= seeds.Write("persist_image", std::string(1, '\x01') + Script(i));
        ok &= seeds.Write("buffers", Script(i));
        ok &= seeds.Write("xml_tree", Script(i));
    }

    // Package lists and other objects as web services answer with them.
    CDownloadList packages;
    packages.AddDownload(Package("Codec Pack", true, "Plays <everything> & more"));
    packages.AddDownload(Package("Runtime", false, ""));
    packages.AddDownload(Package("Extra \"filters\"", false, "Optional\r\nsecond line"));
    const std::string packageAnswer = WebAnswer(&packages, "Found 3", 1);
    ok &= seeds.Write("download_list", packageAnswer);
    ok &= seeds.Write("web_answer", packageAnswer);
    CDownloadList none;
    ok &= seeds.Write("download_list", WebAnswer(&none, "Nothing new", 1));
    CPersistList objects;
    auto* named = new CNamedObject;
    named->SetName("Clip");
    objects.Add(named);
    objects.Add(packages.Clone());
    ok &= seeds.Write("web_answer", WebAnswer(&objects, "Mixed", 2));
    ok &= seeds.Write("web_answer", WebAnswer(nullptr, "Unknown user &amp; key", 0));
    ok &= seeds.Write("web_answer", answer);

    // Form parameters: site, path, then names and values; the kinds (text or number) and
    // the numbers come from the end of the input.
    for (const char* form : { "http://127.0.0.1\\;/service.php\\;user\\;someone@example.com\\;key\\;A1 B2\\;\x02\x02",
                              "https://127.0.0.1:8443\\;/a b?c\\;title\\;a=1&b=2+3\\;n\\;\x05\x00\x00\x00\x01\x02" })
        ok &= seeds.Write("web_form", form);

    const std::string ini = IniFile();
    for (int i = 0; i < 3; ++i)
        ok &= seeds.Write("ini_profile", Consumed(ini) + Script(i));
    ok &= seeds.Write("skin_ini", SkinIni());
    ok &= seeds.Write("skin_ini", "[Main Window]\r\nLeft = -5\r\nTop=\"7\"\r\nWidth=12abc\r\n[Timeline]\nHeight=99999999999\n");

    for (const char* value : { "Holiday <cut> & more", "&#60;b&#62;", "&#38;#60;", "plain text" })
        ok &= seeds.Write("xml_value_text", value);

    // The raw line Windows gives a program (mode 0) and single arguments (mode 1).
    for (const char* line : { "/in:\"a b\" /out:c", "\"C:\\My Videos\\clip.avi\" /x:1",
                              "/x:1 movie.avi -y:2", "/a:\"\" /b:c", "-" })
        ok &= seeds.Write("command_line", std::string(1, '\0') + line);
    ok &= seeds.Write("command_line", std::string(1, '\1') + "C:\\path with spaces\\clip.avi");
    ok &= seeds.Write("command_line", std::string(1, '\1') + std::string("/in:a b\0/out:\"c\"\0file", 22));

    for (const char* url : { "http://www.tarnwell.com/a/b.php?x=1&y=2#top",
                             "https://user:secret@[::1]:8443/path", "ftp://127.0.0.1:21",
                             "www.tarnwell.com/a", "/only/a/path", "  HTTP://Host:65535  " })
        ok &= seeds.Write("url", url);
    // Form parameters as the web answers carry them: names, titles and file names.
    for (const char* param : { "Clip name", "C:\\My Videos\\Holiday (2).avi", "a=1&b=2+3",
                               "100% \"fun\"", "\xC3\xA9t\xC3\xA9", "~user/#top" })
        ok &= seeds.Write("url_encoder", param);

    for (unsigned long long number : { 0ULL, 1ULL, 0x0123456789ABCDEFULL, ~0ULL }) {
        ok &= seeds.Write("hex_text", UHexConverter::MakeText(&number, sizeof number, false));
        ok &= seeds.Write("hex_text", UHexConverter::MakeText(&number, sizeof number, true));
    }

    for (double seconds : { 83.45, 3723.0, -0.3, 0.0, 0.29999999, 1e20, -1e300,
                            std::numeric_limits<double>::infinity(), std::nan("") })
        ok &= seeds.Write("timecode", Bytes(seconds));

    for (int code : { 100, 110, 250, 252, 1800, 1700, -1 })
        ok &= seeds.Write("media_extension", Bytes(code));
    for (const char* format : { "JPEG", "BMP", "jpg" })
        ok &= seeds.Write("media_extension", format);

    if (!ok) {
        std::fprintf(stderr, "make_seeds: cannot write the seeds under %s\n", argv[1]);
        return 1;
    }
    return 0;
}
