// A settings document written through CXmlWriter and read back through CXmlReader,
// against three baselines of the platform measured in the same run on the same file:
// MSXML's DOMDocument load (msxml6), XmlLite's pull parse (IXmlReader, every element name
// and text taken), and XmlLite's writer (IXmlWriter, the same elements, flushed to disk as
// our writer flushes).
// Goals: our read at least 3 times as fast as MSXML's load and twice as fast as XmlLite's
// pull parse; our writer at least 100 MB/s; writing and reading grow linearly (ten times
// the data takes at most twelve times as long).
//
//   bench_xml [--long]     default: 20,000 objects, best of 5 rounds; long: 200,000 and 7
#include "tnwmfcut.h"

#include "BenchRun.h"
#include "Stopwatch.h"

#include <msxml2.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Absent from the MinGW headers and import libraries.
const CLSID kDomDocument60 = { 0x88d96a05, 0xf192, 0x11d4, { 0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5 } };
const IID kXmlReaderId = { 0x7279fc81, 0x709d, 0x4095, { 0xb6, 0x3d, 0x69, 0xfe, 0x4b, 0x0d, 0x90, 0x30 } };
const IID kXmlWriterId = { 0x7279fc88, 0x709d, 0x4095, { 0xb6, 0x3d, 0x69, 0xfe, 0x4b, 0x0d, 0x90, 0x30 } };
typedef HRESULT(WINAPI* CreateXmlObject)(REFIID, void**, IMalloc*);

const int kPropertiesPerObject = 10;
const char* const kNames[kPropertiesPerObject] = { "Name",  "Path",   "Count",   "Left",    "Top",
                                                   "Width", "Height", "Enabled", "Quality", "Key" };

// What the document holds, made before any clock runs: the benchmark's own string work is
// no part of what it measures.
struct SDocument {
    std::vector<std::string> objects;
    // kPropertiesPerObject values per object.
    std::vector<std::string> values;
    std::vector<std::wstring> wideObjects;
    std::vector<std::wstring> wideNames;
    std::vector<std::wstring> wideValues;
};

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

SDocument MakeDocument(int objects)
{
    SDocument document;
    for (const char* name : kNames)
        document.wideNames.push_back(Wide(name));
    for (int i = 0; i < objects; ++i) {
        const std::string number = std::to_string(i);
        // A blank in the name, as objects named by users have: the element is Object_N.
        document.objects.push_back("Object " + number);
        document.wideObjects.push_back(Wide("Object_" + number));
        const std::string values[kPropertiesPerObject] = { "Clip " + number + ".avi",
                                                           "C:\\Users\\Someone\\Videos\\Clip " + number + ".avi",
                                                           number, "10", "-5", "640", "480", "1", "0.750000",
                                                           "0100000000000000" };
        for (const std::string& value : values) {
            document.values.push_back(value);
            document.wideValues.push_back(Wide(value));
        }
    }
    return document;
}

double WriteOurs(const std::string& path, const SDocument& document)
{
    CStopwatch watch;
    CXmlWriter writer;
    writer.SetFilePath(path.c_str());
    writer.EnterNode("Settings");
    const std::string* value = document.values.data();
    for (const std::string& object : document.objects) {
        writer.EnterNode(object.c_str());
        for (const char* name : kNames)
            writer.WriteValue(name, (value++)->c_str());
        writer.LeaveNode();
    }
    writer.LeaveNode();
    const double seconds = watch.Seconds();
    if (writer.HasWriteFailed())
        std::printf("writing %s failed\n", path.c_str());
    return seconds;
}

// Reads the file and parses it, which is what the baselines' loads do too, then looks
// every property up, checking one of them. Returns the seconds of the read; lookups gets
// those of the lookups.
double ReadOurs(const std::string& path, const SDocument& document, double& lookups)
{
    CStopwatch readWatch;
    CXmlReader reader;
    reader.SetFilePath(path.c_str());
    const double read = readWatch.Seconds();
    CStopwatch lookupWatch;
    reader.EnterNode("Settings");
    long wrong = 0;
    for (size_t i = 0; i < document.objects.size(); ++i) {
        reader.EnterNode(document.objects[i].c_str());
        for (int property = 0; property < kPropertiesPerObject; ++property) {
            const CString value = reader.ReadValue(kNames[property]);
            if (property == 2 && atoi(value) != static_cast<int>(i))
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

CreateXmlObject XmlLiteEntry(const char* name)
{
    HMODULE module = ::LoadLibraryA("xmllite.dll");
    return module ? reinterpret_cast<CreateXmlObject>(::GetProcAddress(module, name)) : nullptr;
}

// Every node pulled, every element name and text taken. Negative when XmlLite is missing
// or stopped before the end of the document.
double PullWithXmlLite(const std::string& path, int elements)
{
    static const CreateXmlObject create = XmlLiteEntry("CreateXmlReader");
    IXmlReader* reader = nullptr;
    if (!create || FAILED(create(kXmlReaderId, reinterpret_cast<void**>(&reader), nullptr)))
        return -1;
    CStopwatch watch;
    IStream* stream = nullptr;
    int seen = 0;
    size_t characters = 0;
    HRESULT result = ::SHCreateStreamOnFileA(path.c_str(), STGM_READ | STGM_SHARE_DENY_NONE, &stream);
    if (SUCCEEDED(result))
        result = reader->SetInput(stream);
    XmlNodeType type;
    while (SUCCEEDED(result) && (result = reader->Read(&type)) == S_OK) {
        const WCHAR* text = nullptr;
        UINT length = 0;
        if (type == XmlNodeType_Element) {
            reader->GetLocalName(&text, &length);
            ++seen;
        } else if (type == XmlNodeType_Text) {
            reader->GetValue(&text, &length);
        }
        characters += length;
    }
    const double seconds = watch.Seconds();
    if (stream)
        stream->Release();
    reader->Release();
    return result == S_FALSE && seen == elements && characters > 0 ? seconds : -1;
}

// Flushed to disk like our writer's file, so that both pay for the same bytes on disk.
// Negative when XmlLite is missing or failed.
double WriteWithXmlLite(const std::string& path, const SDocument& document)
{
    static const CreateXmlObject create = XmlLiteEntry("CreateXmlWriter");
    IXmlWriter* writer = nullptr;
    if (!create || FAILED(create(kXmlWriterId, reinterpret_cast<void**>(&writer), nullptr)))
        return -1;
    CStopwatch watch;
    IStream* stream = nullptr;
    HRESULT result = ::SHCreateStreamOnFileA(path.c_str(), STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, &stream);
    if (SUCCEEDED(result))
        result = writer->SetOutput(stream);
    if (SUCCEEDED(result))
        result = writer->WriteStartDocument(XmlStandalone_Omit);
    if (SUCCEEDED(result))
        result = writer->WriteStartElement(nullptr, L"Settings", nullptr);
    const std::wstring* value = document.wideValues.data();
    for (size_t i = 0; SUCCEEDED(result) && i < document.wideObjects.size(); ++i) {
        result = writer->WriteStartElement(nullptr, document.wideObjects[i].c_str(), nullptr);
        for (int property = 0; SUCCEEDED(result) && property < kPropertiesPerObject; ++property)
            result = writer->WriteElementString(nullptr, document.wideNames[property].c_str(), nullptr,
                                                (value++)->c_str());
        if (SUCCEEDED(result))
            result = writer->WriteEndElement();
    }
    if (SUCCEEDED(result))
        result = writer->WriteEndDocument();
    if (SUCCEEDED(result))
        result = writer->Flush();
    writer->Release();
    if (stream)
        stream->Release();
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const bool flushed = file != INVALID_HANDLE_VALUE && ::FlushFileBuffers(file);
    if (file != INVALID_HANDLE_VALUE)
        ::CloseHandle(file);
    const double seconds = watch.Seconds();
    return SUCCEEDED(result) && flushed ? seconds : -1;
}

double FileMegabytes(const std::string& path)
{
    return static_cast<double>(UFileUtils::GetFileSize(path.c_str())) / 1e6;
}

// Best times of the rounds; negative for a baseline that could not run.
struct STimings {
    double write = 1e9;
    double read = 1e9;
    double lookups = 1e9;
    double msxml = 1e9;
    double xmlLiteRead = 1e9;
    double xmlLiteWrite = 1e9;
    double megabytes = 0;
    double xmlLiteMegabytes = 0;
};

void KeepBest(double& best, double seconds)
{
    best = seconds < 0 || best < 0 ? -1 : std::min(best, seconds);
}

// Best of the rounds: the machine's other load hits every round differently, and a best
// time is the one least disturbed. The order of the readers turns from round to round, so
// that none always reads right after the file was written.
STimings Measure(const std::string& folder, int objects, int rounds)
{
    const SDocument document = MakeDocument(objects);
    const std::string ours = folder + "ours.xml";
    const std::string theirs = folder + "xmllite.xml";
    const int elements = 1 + objects * (1 + kPropertiesPerObject);
    STimings best;
    for (int round = 0; round < rounds; ++round) {
        KeepBest(best.write, WriteOurs(ours, document));
        KeepBest(best.xmlLiteWrite, WriteWithXmlLite(theirs, document));
        for (int reader = 0; reader < 3; ++reader) {
            switch ((reader + round) % 3) {
            case 0: {
                double lookups = 0;
                KeepBest(best.read, ReadOurs(ours, document, lookups));
                KeepBest(best.lookups, lookups);
                break;
            }
            case 1: KeepBest(best.msxml, LoadWithMsxml(ours)); break;
            default: KeepBest(best.xmlLiteRead, PullWithXmlLite(ours, elements)); break;
            }
        }
    }
    best.megabytes = FileMegabytes(ours);
    best.xmlLiteMegabytes = FileMegabytes(theirs);
    return best;
}

void PrintRate(const char* label, double seconds, double megabytes)
{
    if (seconds < 0)
        std::printf("  %-26s could not run\n", label);
    else
        std::printf("  %-26s %8.3f s %8.1f MB/s\n", label, seconds, megabytes / seconds);
}

void Print(const char* label, int objects, int rounds, const STimings& timings)
{
    std::printf("%s: %d properties in %d objects, %.1f MB, best of %d rounds\n", label,
                objects * kPropertiesPerObject, objects, timings.megabytes, rounds);
    PrintRate("CXmlWriter write", timings.write, timings.megabytes);
    PrintRate("XmlLite write", timings.xmlLiteWrite, timings.xmlLiteMegabytes);
    PrintRate("CXmlReader read", timings.read, timings.megabytes);
    std::printf("  %-26s %8.3f s\n", "CXmlReader lookups", timings.lookups);
    PrintRate("MSXML DOMDocument load", timings.msxml, timings.megabytes);
    PrintRate("XmlLite pull parse", timings.xmlLiteRead, timings.megabytes);
}

// The ratio of a baseline's time to ours, 0 when the baseline could not run.
double Ratio(double baseline, double ours)
{
    return baseline > 0 ? baseline / ours : 0;
}

} // namespace

int main(int argc, char** argv)
{
    const CBenchRun run(argc, argv);
    const int full = run.IsLong() ? 200000 : 20000;
    const int small = full / 10;
    const int rounds = run.IsLong() ? 7 : 5;
    ::CoInitialize(nullptr);
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "bench_xml_" + std::to_string(::GetCurrentProcessId()) + "\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);

    const STimings smallTimings = Measure(folder, small, rounds);
    const STimings fullTimings = Measure(folder, full, rounds);
    ::DeleteFileA((folder + "ours.xml").c_str());
    ::DeleteFileA((folder + "xmllite.xml").c_str());
    ::RemoveDirectoryA(folder.c_str());
    ::CoUninitialize();

    Print("small", small, rounds, smallTimings);
    Print("full", full, rounds, fullTimings);
    std::printf("growth for ten times the data (goal: at most 12): write %.2f, read %.2f, lookups %.2f\n",
                fullTimings.write / smallTimings.write, fullTimings.read / smallTimings.read,
                fullTimings.lookups / smallTimings.lookups);
    std::printf("reading with our lookups: %.2f times MSXML's load\n",
                Ratio(fullTimings.msxml, fullTimings.read + fullTimings.lookups));
    std::printf("writer: %.1f MB/s (goal >= 100)\n", fullTimings.megabytes / fullTimings.write);
    CBenchRun::PrintRatio("XmlLite write / our write", Ratio(fullTimings.xmlLiteWrite, fullTimings.write), 1.0);
    CBenchRun::PrintRatio("XmlLite pull parse / our read", Ratio(fullTimings.xmlLiteRead, fullTimings.read), 2.0);
    CBenchRun::PrintRatio("MSXML load / our read", Ratio(fullTimings.msxml, fullTimings.read), 3.0);
    return 0;
}
