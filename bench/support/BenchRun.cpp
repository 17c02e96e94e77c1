#include "BenchRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

CBenchRun::CBenchRun(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--long") == 0)
            mLong = true;
        else
            mArguments.push_back(argv[i]);
    }
}

double CBenchRun::Number(size_t index, double fallback) const
{
    return index < mArguments.size() ? std::atof(mArguments[index].c_str()) : fallback;
}

double CBenchRun::Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool CBenchRun::PrintRatio(const char* what, double ratio, double goal, bool atLeast)
{
    const bool met = atLeast ? ratio >= goal : ratio <= goal;
    std::printf("ratio %s %.3g (goal %s %.3g): %s\n", what, ratio, atLeast ? ">=" : "<=", goal, met ? "met" : "missed");
    std::fflush(stdout);
    return met;
}
