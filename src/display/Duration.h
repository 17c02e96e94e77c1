#pragma once
#include "afx.h"
#include "tnwbscut.h"

// A span of time on a time axis: start and end in seconds within a maximum (0 means the
// axis has no end). The setters keep start and end in order and within the axis:
//   0 <= start <= end, and start, end <= max when max is set.
// A value a setter refuses leaves the duration as it was and tells nobody; a value that
// equals the stored one is no change either. A real change is told to the listeners
// (Notify with the property's code) and then runs the property's change hook.
//
// How a refused value ends up:
// - max: a new maximum must be above 0;
// - start: below 0 counts as 0; past the maximum it is 0; past the end the start keeps
//   its place (or becomes 0 when that too lies past the end);
// - end: past the maximum it is the maximum; before the start the end keeps its place
//   (or becomes the start when that too lies before it).
// So a new duration (all 0) takes a maximum first, which makes its end the whole length,
// and then a start.
//
// Saved as the doubles "max", "start" and "end" (kMaxTag ...). Loading sends no notices.
//
// Decision of this library: loading repairs what a file cannot be allowed to bring in. A
// value that is not a finite number is ignored (the field keeps its value); then a
// negative maximum becomes 0, the start is put within 0 and the maximum, and the end
// within the start and the maximum. A file written by the library always loads
// unchanged.
class AFX_EXT_CLASS CDuration : public CPersistObject {
public:
    DECLARE_PERSIST_CLASS()

    static const long kDurationType = 'dura';
    static const long kMaxChanged = 'durb';
    static const long kStartChanged = 'durc';
    static const long kEndChanged = 'durd';
    static const char* const kMaxTag;
    static const char* const kStartTag;
    static const char* const kEndTag;

    CDuration();
    CDuration(const CDuration& other);
    CDuration& operator=(const CDuration& other);
    ~CDuration() override;

    // Each returns whether the value changed.
    bool SetMax(double max);
    bool SetStart(double start);
    bool SetEnd(double end);
    // Sets the end to start + length.
    bool SetDuration(double length);
    double GetMax() const { return mMax; }
    double GetStart() const { return mStart; }
    double GetEnd() const { return mEnd; }
    double GetDuration() const { return mEnd - mStart; }

    virtual double ValidateMax(double max);
    // A new maximum puts the start and end back within it; an end of 0 becomes the
    // maximum.
    virtual void SideEffectMaxChanged();
    virtual double ValidateStart(double start);
    virtual void SideEffectStartChanged();
    virtual double ValidateEnd(double end);
    virtual void SideEffectEndChanged();

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

private:
    // Stores candidate in field and sends notice, unless they are equal; whether it stored.
    bool StoreChanged(double& field, double candidate, long notice);

    double mMax = 0.0;
    double mStart = 0.0;
    double mEnd = 0.0;
};
