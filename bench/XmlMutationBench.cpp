// The long run of the XML reader's mutation test: damaged versions of real documents (cut,
// spliced, repeated, with markup bytes, zero bytes and random bytes put in) are read with a
// guard page after their end, and every parsed tree is checked, written and read again.
//
//   bench_xml_mutation [count [seed]]     default: 1000000 documents, a seed from the clock
//
// Prints the seed, so a failure can be replayed, and stores the first failing document in
// the current folder as xml_mutation_failure.xml. Exits with 1 when any document failed.
#include "DocumentMutator.h"
#include "XmlDamage.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void StoreFailure(const std::string& document)
{
    if (FILE* file = std::fopen("xml_mutation_failure.xml", "wb")) {
        std::fwrite(document.data(), 1, document.size(), file);
        std::fclose(file);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const long count = argc > 1 ? std::atol(argv[1]) : 1000000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : ::GetTickCount();
    const std::vector<std::string> documents = RealXmlDocuments();
    std::printf("XML reader mutation run: %ld damaged versions of %u real documents, seed %u\n", count,
                static_cast<unsigned>(documents.size()), seed);

    CDocumentMutator mutator(documents, seed);
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    long failures = 0;
    unsigned long long bytes = 0;
    for (long i = 0; i < count; ++i) {
        const std::string damaged = mutator.Next();
        bytes += damaged.size();
        const std::string fault = CheckDamagedXml(damaged);
        if (fault.empty())
            continue;
        if (failures++ == 0) {
            std::printf("document %ld failed: %s (stored as xml_mutation_failure.xml)\n", i, fault.c_str());
            StoreFailure(damaged);
        }
    }
    ::QueryPerformanceCounter(&end);
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    std::printf("%ld documents, %.1f MB, %.1f s (%.0f documents/s); %ld failed\n", count, bytes / 1e6, seconds,
                count / seconds, failures);
    return failures == 0 ? 0 : 1;
}
