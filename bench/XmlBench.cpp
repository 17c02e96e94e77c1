// Writing and reading back a settings document through CXmlWriter and CXmlReader, against
// loading the same file with MSXML's DOMDocument (msxml6) in the same run.
// Goals: our read at least 3 times as fast as MSXML's load; writing and reading grow
// linearly (ten times the data takes at most twelve times as long).
#include "tnwmfcut.h"

#include <msxml2.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// Absent from the MinGW headers.
const CLSID kDomDocument60 = { 0x88d96a05, 0xf192, 0x11d4, { 0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5 } };

const int kPropertiesPerObject = 10;
const int kRounds = 5;

class CStopwatch {
public:
    CStopwatch() { ::QueryPerformanceCounter(&mStart); }
    double Seconds() const
    {
        LARGE_INTEGER now, frequency;
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - mStart.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER mStart;
};

std::string ObjectName(int index)
{
    return "Object " + std::to_string(index);
}

double Write(const std::string& path, int objects)
{
    CStopwatch watch;
    CXmlWriter writer;
    writer.SetFilePath(path.c_str());
    writer.EnterNode("Settings");
    for (int i = 0; i < objects; ++i) {
        const std::string number = std::to_string(i);
        writer.EnterNode(ObjectName(i).c_str());
        writer.WriteValue("Name", ("Clip " + number + ".avi").c_str());
        writer.WriteValue("Path", ("C:\\Users\\Someone\\Videos\\Clip " + number + ".avi").c_str());
        writer.WriteValue("Count", number.c_str());
        writer.WriteValue("Left", "10");
        writer.WriteValue("Top", "-5");
        writer.WriteValue("Width", "640");
        writer.WriteValue("Height", "480");
        writer.WriteValue("Enabled", "1");
        writer.WriteValue("Quality", "0.750000");
        writer.WriteValue("Key", "0100000000000000");
        writer.LeaveNode();
    }
    writer.LeaveNode();
    if (writer.HasWriteFailed())
        std::printf("writing %s failed\n", path.c_str());
    return watch.Seconds();
}

// Reads the file, which is what MSXML's load does too, and then looks every property up,
// checking one of them. Returns the seconds of the read; lookups gets those of the lookups.
double Read(const std::string& path, int objects, double& lookups)
{
    CStopwatch readWatch;
    CXmlReader reader;
    reader.SetFilePath(path.c_str());
    const double read = readWatch.Seconds();
    CStopwatch lookupWatch;
    reader.EnterNode("Settings");
    long wrong = 0;
    for (int i = 0; i < objects; ++i) {
        reader.EnterNode(ObjectName(i).c_str());
        static const char* const kNames[kPropertiesPerObject] = { "Name",  "Path",    "Count",   "Left",   "Top",
                                                                  "Width", "Height", "Enabled", "Quality", "Key" };
        for (const char* name : kNames) {
            const CString value = reader.ReadValue(name);
            if (name == kNames[2] && atoi(value) != i)
                ++wrong;
        }
        reader.LeaveNode();
    }
    lookups = lookupWatch.Seconds();
    if (wrong)
        std::printf("%ld values read back wrong\n", wrong);
    return read;
}

// Negative when MSXML could not load the file.
double LoadWithMsxml(const std::string& path)
{
    IXMLDOMDocument* document = nullptr;
    if (FAILED(::CoCreateInstance(kDomDocument60, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                  reinterpret_cast<void**>(&document))))
        return -1;
    document->put_async(VARIANT_FALSE);
    VARIANT source;
    ::VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = CString(path.c_str()).AllocSysString();
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CStopwatch watch;
    document->load(source, &loaded);
    const double seconds = watch.Seconds();
    ::VariantClear(&source);
    document->Release();
    return loaded == VARIANT_TRUE ? seconds : -1;
}

double FileMegabytes(const std::string& path)
{
    return static_cast<double>(UFileUtils::GetFileSize(path.c_str())) / 1e6;
}

struct Timings {
    double write = 1e9;
    double read = 1e9;
    double lookups = 1e9;
    double msxml = 1e9;
    double megabytes = 0;
};

// Best of a few rounds: the machine's other load hits every round differently.
Timings Measure(const std::string& path, int objects)
{
    Timings best;
    for (int round = 0; round < kRounds; ++round) {
        best.write = std::min(best.write, Write(path, objects));
        double lookups = 0;
        best.read = std::min(best.read, Read(path, objects, lookups));
        best.lookups = std::min(best.lookups, lookups);
        const double msxml = LoadWithMsxml(path);
        best.msxml = msxml < 0 ? -1 : std::min(best.msxml, msxml);
    }
    best.megabytes = FileMegabytes(path);
    return best;
}

void Print(const char* label, int objects, const Timings& timings)
{
    std::printf("%s: %d properties in %d objects, %.1f MB, best of %d rounds\n", label, objects * kPropertiesPerObject,
                objects, timings.megabytes, kRounds);
    std::printf("  CXmlWriter write          %8.3f s %8.1f MB/s\n", timings.write, timings.megabytes / timings.write);
    std::printf("  CXmlReader read           %8.3f s %8.1f MB/s\n", timings.read, timings.megabytes / timings.read);
    std::printf("  CXmlReader lookups        %8.3f s\n", timings.lookups);
    if (timings.msxml < 0)
        std::printf("  MSXML DOMDocument load    could not load the file\n");
    else
        std::printf("  MSXML DOMDocument load    %8.3f s %8.1f MB/s\n", timings.msxml, timings.megabytes / timings.msxml);
}

} // namespace

int main()
{
    ::CoInitialize(nullptr);
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "bench_xml_" + std::to_string(::GetCurrentProcessId()) + ".xml";

    const Timings small = Measure(path, 2000);
    const Timings full = Measure(path, 20000);
    ::DeleteFileA(path.c_str());
    ::CoUninitialize();

    Print("small", 2000, small);
    Print("full", 20000, full);
    if (full.msxml > 0)
        std::printf("  ratio MSXML load / our read   %6.2f (goal: at least 3); with our lookups %.2f\n",
                    full.msxml / full.read, full.msxml / (full.read + full.lookups));
    std::printf("  growth for ten times the data: write %.2f, read %.2f, lookups %.2f (goal: at most 12)\n",
                full.write / small.write, full.read / small.read, full.lookups / small.lookups);
    return 0;
}
