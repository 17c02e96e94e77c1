#include "net/FtpImageHandler.h"

const EImageType CFtpImageHandler::kDefaultImageType;
CPointerList CFtpImageHandler::sHandlers;
CTwCriticalSection CFtpImageHandler::sHandlerSafe;

CFtpImageHandler::CFtpImageHandler()
    : mPostback(nullptr), mImageType(kDefaultImageType), mQuality(50), mUploading(false)
{
    CTwSingleLock lock(sHandlerSafe, true);
    sHandlers.Add(this);
}

CFtpImageHandler::~CFtpImageHandler()
{
    SetPostback(nullptr);
    Stop();
    CTwSingleLock lock(sHandlerSafe, true);
    sHandlers.Remove(this);
}

void CFtpImageHandler::SetPostback(IVideoPostback* postback)
{
    IVideoPostback* old = nullptr;
    {
        CTwSingleLock lock(mImageSafe, true);
        if (postback == mPostback)
            return;
        old = mPostback;
    }
    if (old)
        old->SetPostbackHandler(nullptr);
    {
        CTwSingleLock lock(mImageSafe, true);
        mPostback = postback;
    }
    if (postback)
        postback->SetPostbackHandler(this);
}

bool CFtpImageHandler::CheckWriteInterval()
{
    return true;
}

void CFtpImageHandler::Start()
{
    mUploading = true;
}

void CFtpImageHandler::Stop()
{
    mUploading = false;
}

bool CFtpImageHandler::HasImage()
{
    CTwSingleLock lock(mImageSafe, true);
    return mRawImage.GetSize() > 0;
}

bool CFtpImageHandler::CheckEncodeInterval()
{
    return CFtpUploader::CheckWriteInterval();
}

bool CFtpImageHandler::HandleImage()
{
    if (!CheckEncodeInterval())
        return false;
    {
        CTwSingleLock lock(mImageSafe, true);
        if (mRawImage.GetSize() > 0 && !EncodeImage())
            return false;
    }
    return UploadImage();
}

bool CFtpImageHandler::EncodeImage()
{
    CTwSingleLock lock(mImageSafe, true);
    if (!mPostback)
        return false;
    mEncodedImage.Empty();
    mPostback->EncodeImage(mRawImage.GetBuffer(), mRawImage.GetSize(), mRawImage.GetColorFormat(),
                           mRawImage.IsTopDown(), mRawImage.GetImageWidth(), mRawImage.GetImageHeight(),
                           mRawImage.GetBufferWidth(), mRawImage.GetBufferHeight(), mImageType, mQuality,
                           mRawImage.GetImageWidth(), mRawImage.GetImageHeight(), &mEncodedImage);
    return mEncodedImage.GetSize() > 0;
}

bool CFtpImageHandler::UploadImage()
{
    CTwSingleLock lock(mImageSafe, true);
    if (mEncodedImage.GetSize() == 0)
        return false;
    const bool uploaded = WriteData(mEncodedImage.GetBuffer(), mEncodedImage.GetSize());
    mEncodedImage.Empty();
    return uploaded;
}

HRESULT STDMETHODCALLTYPE CFtpImageHandler::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IVideoPostbackHandler)) {
        *ppv = static_cast<IVideoPostbackHandler*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CFtpImageHandler::AddRef()
{
    return 2;
}

ULONG STDMETHODCALLTYPE CFtpImageHandler::Release()
{
    return 1;
}

HRESULT STDMETHODCALLTYPE CFtpImageHandler::ProcessImage(const unsigned char* data, unsigned long size,
                                                         EColorFormat color, bool topDown,
                                                         unsigned short imageWidth, unsigned short imageHeight,
                                                         unsigned short bufferWidth, unsigned short bufferHeight)
{
    CTwSingleLock lock(mImageSafe, true);
    mRawImage.Empty();
    mRawImage.SetImageFormat(color, topDown, imageWidth, imageHeight, bufferWidth, bufferHeight);
    if (data && size)
        mRawImage.Append(data, size);
    return 0;
}
