#pragma once
#include "afx.h"

#include "tnwbscut.h"
#include "tnwwndut.h"

// A place of the skin: left, top, width and height, kept in the current skin folder's
// "skin.ini" as the numbers "Left", "Top", "Width" and "Height" of the section named after
// the location.
//
// A location constructed while a current folder exists (CSkinFolder) follows the skin for
// its whole life: it loads when the folder is switched or LoadAll runs, and saves when
// SaveAll runs. A location constructed before any folder exists never listens, and its
// values live in the application's settings store instead; its Load and Save fail while
// no folder exists.
//
// Load takes each number from the file, keeping the number the location held where the
// file has none or holds no number there; so a location's numbers are its defaults.
//
// Decision of this library: Save answers whether all four numbers were stored, so that a
// skin folder that cannot be written is not reported as saved.
class AFX_EXT_CLASS CSkinLocation : public CListener {
public:
    static const char* const kLeftValue;
    static const char* const kTopValue;
    static const char* const kWidthValue;
    static const char* const kHeightValue;

    explicit CSkinLocation(const char* name);
    ~CSkinLocation() override;
    CSkinLocation(const CSkinLocation&) = delete;
    CSkinLocation& operator=(const CSkinLocation&) = delete;

    // kLoadAll calls Load, kSaveAll calls Save; both are answered.
    bool ListenToMessage(long code, const void* sender, const void* extra) override;
    // False, and nothing changes, without a current folder bound to a "skin.ini".
    virtual bool Load();
    virtual bool Save();

    void SetLeft(unsigned long left) { mLeft = left; }
    void SetTop(unsigned long top) { mTop = top; }
    void SetWidth(unsigned long width) { mWidth = width; }
    void SetHeight(unsigned long height) { mHeight = height; }
    unsigned long GetLeft() const { return mLeft; }
    unsigned long GetTop() const { return mTop; }
    unsigned long GetWidth() const { return mWidth; }
    unsigned long GetHeight() const { return mHeight; }

private:
    // Points the four values at the current folder's "skin.ini"; false when there is none.
    bool BindValues();

    CRegistry mLeftValue;
    CRegistry mTopValue;
    CRegistry mWidthValue;
    CRegistry mHeightValue;
    unsigned long mLeft = 0;
    unsigned long mTop = 0;
    unsigned long mWidth = 0;
    unsigned long mHeight = 0;
    // Whether the location was made while a folder held the role, and so follows it.
    bool mFollowsFolder;
};
