#pragma once
#include "WindowExport.h"

#include <windows.h>

#include <string>

// A picture file scaled to a target size and kept in a memory device context, ready to be
// copied to a window.
//
// Pictures are read through the Windows Imaging Component: BMP, JPEG, PNG, GIF (its first
// frame), TIFF and icon files. The file is decoded once at its own size; every new target
// size is scaled from that decoded copy (GDI halftone stretching), so a window that is
// resized never reads the file again.
//
// Decisions of this library:
// - The picture fills the target size exactly; its proportions follow the target's. A
//   window that wants the picture's own proportions sizes itself accordingly.
// - Transparent parts of a picture are laid over white, so that what shows through does
//   not depend on the pixels a format leaves under them.
// - A file that cannot be read as a picture changes nothing: the earlier picture and its
//   path stay, and SetFilePath returns false.
// - With no target size (a width or height that is not positive) nothing is scaled and the
//   picture's size reads as 0 x 0; the decoded picture is kept for the next target size.
//
// COM is initialised on the calling thread for the time of a load when it is not already.
// An object belongs to one thread, as the window that shows it.
class TNWWND_CLASS CBitmapResizer {
public:
    CBitmapResizer();
    virtual ~CBitmapResizer();
    CBitmapResizer(const CBitmapResizer&) = delete;
    CBitmapResizer& operator=(const CBitmapResizer&) = delete;

    // Sets the size the picture is scaled to; a loaded picture is scaled again at once.
    void SetSize(int width, int height);
    int GetTargetWidth() const { return mTargetWidth; }
    int GetTargetHeight() const { return mTargetHeight; }

    // Reads the picture file and scales it to the target size.
    bool SetFilePath(const char* path);
    const std::string& GetFilePath() const { return mPath; }

    // The scaled picture: its size (0 x 0 when there is none) and the memory device context
    // that holds it (null when there is none).
    int GetWidth() const { return mScaled ? mTargetWidth : 0; }
    int GetHeight() const { return mScaled ? mTargetHeight : 0; }
    HDC GetPictureDC() const { return mScaled ? mDC : nullptr; }

protected:
    // Decodes a picture file at its own size into a 32-bit top-down DIB section that the
    // caller owns; null when the file cannot be read as a picture. A subclass may read
    // other kinds of files.
    virtual HBITMAP Decode(const char* path);

private:
    void Scale();
    void ReleaseScaled();

    int mTargetWidth = 0;
    int mTargetHeight = 0;
    std::string mPath;
    HBITMAP mPicture = nullptr;  // at its own size
    HBITMAP mScaled = nullptr;   // at the target size, selected into mDC
    HDC mDC = nullptr;
    HGDIOBJ mDCBitmap = nullptr; // what mDC held before mScaled
};
