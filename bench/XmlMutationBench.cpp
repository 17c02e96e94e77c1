// The long run of the XML reader's mutation test: damaged versions of real documents (cut,
// spliced, repeated, with markup bytes, zero bytes and random bytes put in) are read with a
// guard page after their end, and every parsed tree is checked, written and read again.
//
//   bench_xml_mutation [--long] [count [seed]]
//       default: as many documents as 40 seconds allow; long: 1,000,000; the seed from the
//       clock
//
// Prints the seed and the count, so that a run can be replayed, and stores the first
// failing document in the current folder as xml_mutation_failure.xml. Ends with the ratio of failed
// documents to those checked, and exits with 1 when any document failed.
#include "BenchRun.h"
#include "DocumentMutator.h"
#include "Stopwatch.h"
#include "XmlDamage.h"

#include <windows.h>

#include <cstdio>
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
    const CBenchRun run(argc, argv);
    const double kSecondsByDefault = 40;
    const bool timed = run.Arguments().empty() && !run.IsLong();
    const long limit = static_cast<long>(run.Number(0, run.IsLong() ? 1000000 : 0x7fffffff));
    const unsigned seed = static_cast<unsigned>(run.Number(1, ::GetTickCount()));
    const std::vector<std::string> documents = RealXmlDocuments();
    std::printf("XML reader mutation run: damaged versions of %u real documents, seed %u\n",
                static_cast<unsigned>(documents.size()), seed);

    CDocumentMutator mutator(documents, seed);
    CStopwatch watch;
    long failures = 0;
    long count = 0;
    unsigned long long bytes = 0;
    for (; count < limit && !(timed && watch.Seconds() > kSecondsByDefault); ++count) {
        const std::string damaged = mutator.Next();
        bytes += damaged.size();
        const std::string fault = CheckDamagedXml(damaged);
        if (fault.empty())
            continue;
        if (failures++ == 0) {
            std::printf("document %ld failed: %s (stored as xml_mutation_failure.xml)\n", count, fault.c_str());
            StoreFailure(damaged);
        }
    }
    const double seconds = watch.Seconds();
    std::printf("%ld documents (replay: bench_xml_mutation %ld %u), %.1f MB, %.1f s (%.0f documents/s); %ld failed\n",
                count, count, seed, bytes / 1e6, seconds, count / seconds, failures);
    CBenchRun::PrintRatio("failed / checked documents", count ? static_cast<double>(failures) / count : 0, 0,
                          false);
    return failures == 0 ? 0 : 1;
}
