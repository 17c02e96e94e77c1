#include "TypedSort.h"

#include <mbstring.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// A text with what it reads as, parsed once; its date only when a comparison asks.
class CSortKey {
public:
    explicit CSortKey(const char* text) : mText(text), mHex(0), mDecimal(0), mDateKnown(false)
    {
        mIsHex = ReadHex(text, mHex);
        mIsDecimal = ReadDecimal(text, mDecimal);
    }

    int Compare(CSortKey& other)
    {
        if (mIsHex && other.mIsHex)
            return Order(mHex, other.mHex);
        if (mIsDecimal && other.mIsDecimal)
            return Order(mDecimal, other.mDecimal);
        if (IsDate() && other.IsDate())
            return mDate < other.mDate ? -1 : (other.mDate < mDate ? 1 : 0);
        const int bytes = _mbscmp(reinterpret_cast<const unsigned char*>(mText),
                                  reinterpret_cast<const unsigned char*>(other.mText));
        return (bytes > 0) - (bytes < 0);
    }

private:
    template <class TValue>
    static int Order(TValue first, TValue second)
    {
        return (first > second) - (first < second);
    }

    static bool ReadHex(const char* text, unsigned long& value)
    {
        if (!*text)
            return false;
        char* end = nullptr;
        value = strtoul(text, &end, 16);
        return *end == '\0';
    }

    static bool ReadDecimal(const char* text, double& value)
    {
        if (!*text)
            return false;
        char* end = nullptr;
        value = strtod(text, &end);
        return end != text && (*end == '\0' || (end[0] == '%' && end[1] == '\0'));
    }

    bool IsDate()
    {
        if (!mDateKnown) {
            mIsDate = mDate.ParseDateTime(mText, 0, LANG_USER_DEFAULT) != FALSE;
            mDateKnown = true;
        }
        return mIsDate;
    }

    const char* mText;
    bool mIsHex;
    unsigned long mHex;
    bool mIsDecimal;
    double mDecimal;
    bool mDateKnown;
    bool mIsDate = false;
    COleDateTime mDate;
};

// Sorts order[low..high] (indexes into keys); the smaller part recurses and the larger one
// loops, so that the stack stays shallow whatever the order of the texts.
void QuickSort(std::vector<int>& order, std::vector<CSortKey>& keys, int low, int high, bool ascending)
{
    const int sign = ascending ? 1 : -1;
    while (low < high) {
        const int pivot = order[(low + high) / 2];
        int left = low;
        int right = high;
        while (left <= right) {
            while (sign * keys[order[left]].Compare(keys[pivot]) < 0)
                ++left;
            while (sign * keys[order[right]].Compare(keys[pivot]) > 0)
                --right;
            if (left <= right) {
                std::swap(order[left], order[right]);
                ++left;
                --right;
            }
        }
        if (right - low < high - left) {
            QuickSort(order, keys, low, right, ascending);
            low = left;
        } else {
            QuickSort(order, keys, left, high, ascending);
            high = right;
        }
    }
}

} // namespace

int UTypedSort::Compare(const char* first, const char* second)
{
    CSortKey key(first);
    CSortKey other(second);
    return key.Compare(other);
}

std::vector<int> UTypedSort::Order(const std::vector<CString>& texts, bool ascending, const char* separator)
{
    const int count = static_cast<int>(texts.size());
    std::vector<int> order(count);
    std::vector<CSortKey> keys;
    keys.reserve(count);
    for (int index = 0; index < count; ++index) {
        order[index] = index;
        keys.emplace_back(texts[index]);
    }
    for (int first = 0; first < count;) {
        int last = first;
        while (last < count && !(separator && texts[last] == separator))
            ++last;
        // [first, last) is one section; last is a separator or the end.
        if (last - first > 1)
            QuickSort(order, keys, first, last - 1, ascending);
        first = last + 1;
    }
    return order;
}
