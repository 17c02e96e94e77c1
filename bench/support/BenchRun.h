#pragma once
#include <string>
#include <vector>

// What every benchmark shares: its command line and the line it ends with.
//
// A benchmark ends within a minute by default; "--long" asks for the long run (more data,
// more rounds). Other arguments are left to the benchmark, in order. The last line a
// benchmark prints is its ratio against the baseline measured in the same run, so that a
// script or a person reading the tail of the output finds it in one place:
//   ratio <what> <value> (goal <op> <goal>): met | missed
class CBenchRun {
public:
    CBenchRun(int argc, char** argv);

    bool IsLong() const { return mLong; }
    // The arguments that are not switches.
    const std::vector<std::string>& Arguments() const { return mArguments; }
    // The argument at index as a number, or fallback when there is none.
    double Number(size_t index, double fallback) const;

    // The middle value (the mean of the two middle ones for an even count); 0 for none.
    static double Median(std::vector<double> values);
    // Prints the closing ratio line; true when the goal is met. With atLeast the ratio
    // must reach the goal, otherwise stay at or below it.
    static bool PrintRatio(const char* what, double ratio, double goal, bool atLeast = true);

private:
    bool mLong = false;
    std::vector<std::string> mArguments;
};
