#include "ImageHandle.h"

CImageHandle::CImageHandle()
    : mColorFormat(0), mTopDown(false), mImageWidth(0), mImageHeight(0), mBufferWidth(0),
      mBufferHeight(0)
{
}

void CImageHandle::Empty()
{
    CHandle::Empty();
    SetImageFormat(0, false, 0, 0, 0, 0);
}

void CImageHandle::SetImageFormat(long colorFormat, bool topDown, unsigned short imageWidth,
                                  unsigned short imageHeight, unsigned short bufferWidth,
                                  unsigned short bufferHeight)
{
    mColorFormat = colorFormat;
    mTopDown = topDown;
    mImageWidth = imageWidth;
    mImageHeight = imageHeight;
    mBufferWidth = bufferWidth;
    mBufferHeight = bufferHeight;
}

long CImageHandle::GetColorFormat() const
{
    return mColorFormat;
}

bool CImageHandle::IsTopDown() const
{
    return mTopDown;
}

unsigned short CImageHandle::GetImageWidth() const
{
    return mImageWidth;
}

unsigned short CImageHandle::GetImageHeight() const
{
    return mImageHeight;
}

unsigned short CImageHandle::GetBufferWidth() const
{
    return mBufferWidth;
}

unsigned short CImageHandle::GetBufferHeight() const
{
    return mBufferHeight;
}
