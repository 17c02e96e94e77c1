#include "display/Duration.h"

#include <algorithm>
#include <cmath>

const long CDuration::kDurationType;
const long CDuration::kMaxChanged;
const long CDuration::kStartChanged;
const long CDuration::kEndChanged;
const char* const CDuration::kMaxTag = "max";
const char* const CDuration::kStartTag = "start";
const char* const CDuration::kEndTag = "end";

IMPLEMENT_PERSIST_CLASS(CDuration, CPersistObject, kDurationType)

CDuration::CDuration() = default;

CDuration::CDuration(const CDuration& other) = default;

CDuration& CDuration::operator=(const CDuration& other) = default;

CDuration::~CDuration() = default;

bool CDuration::StoreChanged(double& field, double candidate, long notice)
{
    if (candidate == field)
        return false;
    field = candidate;
    Notify(notice, 0, 0);
    return true;
}

bool CDuration::SetMax(double max)
{
    if (!StoreChanged(mMax, ValidateMax(max), kMaxChanged))
        return false;
    SideEffectMaxChanged();
    return true;
}

bool CDuration::SetStart(double start)
{
    if (!StoreChanged(mStart, ValidateStart(start), kStartChanged))
        return false;
    SideEffectStartChanged();
    return true;
}

bool CDuration::SetEnd(double end)
{
    if (!StoreChanged(mEnd, ValidateEnd(end), kEndChanged))
        return false;
    SideEffectEndChanged();
    return true;
}

bool CDuration::SetDuration(double length)
{
    return SetEnd(mStart + length);
}

double CDuration::ValidateMax(double max)
{
    // Written so that NaN is refused too.
    return max > 0.0 ? max : mMax;
}

void CDuration::SideEffectMaxChanged()
{
    SetStart(mStart);
    SetEnd(mEnd != 0.0 ? mEnd : mMax);
}

double CDuration::ValidateStart(double start)
{
    double s = start >= 0.0 ? start : 0.0; // NaN counts as 0 as well
    if (mMax != 0.0 && s > mMax)
        s = 0.0;
    if (s <= mEnd)
        return s;
    return mStart <= mEnd ? mStart : 0.0;
}

void CDuration::SideEffectStartChanged() {}

double CDuration::ValidateEnd(double end)
{
    double e = end;
    if (mMax != 0.0 && end > mMax)
        e = mMax;
    if (e >= mStart)
        return e;
    return mEnd > mStart ? mEnd : mStart;
}

void CDuration::SideEffectEndChanged() {}

void CDuration::SaveSelf(const char*, CPersistStorage& storage)
{
    storage.Save(kMaxTag, mMax);
    storage.Save(kStartTag, mStart);
    storage.Save(kEndTag, mEnd);
}

namespace {

void LoadFinite(CPersistStorage& storage, const char* tag, double& field)
{
    double value = field;
    storage.Load(tag, value);
    if (std::isfinite(value))
        field = value;
}

} // namespace

void CDuration::LoadSelf(const char*, CPersistStorage& storage)
{
    LoadFinite(storage, kMaxTag, mMax);
    LoadFinite(storage, kStartTag, mStart);
    LoadFinite(storage, kEndTag, mEnd);
    mMax = std::max(mMax, 0.0);
    const double last = mMax != 0.0 ? mMax : HUGE_VAL;
    mStart = std::min(std::max(mStart, 0.0), last);
    mEnd = std::min(std::max(mEnd, mStart), last);
}
