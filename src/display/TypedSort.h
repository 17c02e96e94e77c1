#pragma once
#include "afx.h"

#include <vector>

// The order in which a report sorts the texts of a column, worked out without a window.
//
// Two texts compare by the first rule that holds for both:
// 1. hexadecimal numbers (strtoul base 16 takes the whole text): by value, so 0A follows 9;
// 2. decimal numbers (strtod takes the whole text, or all of it but one final "%"): by
//    value, so 7% comes before 50%;
// 3. dates (COleDateTime::ParseDateTime with the user's locale): by date;
// 4. otherwise the bytes of the texts (_mbscmp).
// Empty texts are no numbers. Texts of different kinds fall back to a later rule, so the
// comparison is no total order, and the sort is not stable: the order is the one of the
// report's quicksort (middle pivot, two inward scans, the smaller part first), and the
// same texts always give the same order.
//
// Rows whose text equals the separator exactly stay where they are; the rows between two
// of them, or between one and an end, sort on their own.
//
// Decision of this library: each text is parsed once per sort, not once per comparison
// (the results are the same), which makes a long sort by dates affordable.
class AFX_EXT_CLASS UTypedSort {
public:
    // -1, 0 or 1.
    static int Compare(const char* first, const char* second);
    // The indexes of the texts in sorted order (a null separator: none).
    static std::vector<int> Order(const std::vector<CString>& texts, bool ascending, const char* separator);
};
