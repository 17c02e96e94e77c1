#pragma once
#include "afxwin.h"

// A picture of the skin: a bitmap resource cut to a shape by its colour key, held in a
// memory device context for drawing.
//
// The bitmap is a strip of frames of equal width side by side (the frame count, 1 unless
// set). Its top-left pixel is the colour key: every pixel of the first frame that has the
// key's colour is cut out of the shape, and all frames share that shape. The shape (the
// region) covers the whole strip but for those pixels, in the bitmap's own coordinates.
//
// Load finds the bitmap among the modules of the framework's resource chain (the
// application first, then the extension libraries), builds the shape and keeps the
// bitmap selected in the memory device context while the object lives, or until
// SetBitmapId chooses another picture. Everything the object made is given back when the
// picture changes and when the object goes: the device context gets its own bitmap back
// before it is deleted, then the bitmap and the region are deleted.
//
// Decisions of this library:
// - Colours are compared as 32-bit colours read from the bitmap, whatever its depth, so
//   a monochrome or 16-colour picture is shaped by its key like any other (compared as
//   raw bytes of the bitmap's own depth, such a picture lost its whole first frame).
// - A frame count below 1 counts as 1.
// - LoadImageA keeps a copy of a bitmap that is not the object's own, so that the caller
//   may delete its bitmap afterwards.
// - TransparentBitBlt clips to the shape placed at the target position, and restores the
//   target's clipping afterwards.
// - A window takes a copy of the shape as its window region (ShapeWindow): the system
//   deletes a window's region, so the object's own must never be handed over.
class AFX_EXT_CLASS CSkinObject {
public:
    CSkinObject();
    virtual ~CSkinObject();
    CSkinObject(const CSkinObject&) = delete;
    CSkinObject& operator=(const CSkinObject&) = delete;

    // Builds the shape from bitmap, unless it exists already, and selects the bitmap (the
    // object's own, or a copy of another) into the memory device context.
    virtual void LoadImageA(CBitmap& bitmap);

    // A different identifier releases the picture and loads the new one; 0 means none.
    void SetBitmapId(UINT id);
    UINT GetBitmapId() const { return mBitmapId; }
    // Loads the picture unless it is loaded; whether the shape exists now.
    bool Load();
    // Gives back the device context, the bitmap and the region.
    void Release();

    // Takes effect at the next load.
    void SetFrameCount(int count);
    int GetFrameCount() const { return mFrameCount; }
    // One frame's size; 0 while nothing is loaded.
    unsigned long GetWidth() const { return mFrameWidth; }
    unsigned long GetHeight() const { return mFrameHeight; }
    CRgn& GetRegion() { return mRegion; }
    bool HasRegion() const { return mRegion.m_hObject != nullptr; }
    // The memory device context with the bitmap, null while nothing is loaded.
    CDC* GetMemoryDC() { return mMemoryDC.m_hDC ? &mMemoryDC : nullptr; }

    // Copies width x height from source at (sourceX, sourceY) to target at (x, y), only
    // where the shape is; false (and nothing drawn) without both device contexts.
    bool TransparentBitBlt(CDC* target, int x, int y, int width, int height, CDC* source, int sourceX,
                           int sourceY);
    // Gives the window a copy of the shape as its window region and redraws it; false
    // without a shape or a window.
    bool ShapeWindow(CWnd* window);

    // Bytes per pixel of a colour depth: 8 gives 1, 15 or 16 give 2, 24 gives 3, 32 gives
    // 4, anything else 0.
    static int GetPixelSize(int bitsPerPixel);

private:
    bool BuildRegion(CBitmap& bitmap);
    void SelectBitmap(CBitmap& bitmap);
    void ReleaseBitmap();

    UINT mBitmapId = 0;
    CRgn mRegion;
    CDC mMemoryDC;
    int mFrameCount = 1;
    unsigned long mFrameWidth = 0;
    unsigned long mFrameHeight = 0;
    // The bitmap the device context holds, and what it held before.
    CBitmap mBitmap;
    HGDIOBJ mPreviousBitmap = nullptr;
};
