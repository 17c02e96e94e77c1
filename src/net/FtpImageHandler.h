#pragma once
#include "net/FtpUploader.h"
#include "net/VideoPostback.h"

#include "tnwbscut.h"
#include "tnwwndut.h"

#include <atomic>

// An FTP uploader fed by a video source: the source hands it every raw frame
// (ProcessImage, on the source's thread), the handler keeps the latest one, and once per
// interval the upload thread (CFtpUploadThread) has the source encode it as a still image
// (JPEG unless told otherwise) and uploads the result. When no new frame came, the same
// frame is encoded and uploaded again at the next interval.
//
// Every handler alive is listed in sHandlers (guarded by sHandlerSafe), which the one
// upload thread of the process walks; only started handlers (Start) are served.
//
// The handler is the source's frame handler through its IVideoPostbackHandler part. Its
// life is its owner's business, not the source's: AddRef and Release count nothing.
//
// Locks, always in this order: sHandlerSafe (held by the upload thread for a whole walk),
// the image lock (held while a frame is stored, encoded or uploaded, so a new frame waits
// for an upload), then the uploader's own connection and status locks.
//
// Decisions of this library:
// - The destructor first detaches from the video source, so that no frame arrives any
//   more, then leaves the handler list (waiting for a walk that may be serving it).
// - SetPostback talks to the sources outside the image lock: a source delivering a frame
//   holds its own lock while it waits for the image lock.
class AFX_EXT_CLASS CFtpImageHandler : public CFtpUploader, public IVideoPostbackHandler {
public:
    static const EImageType kDefaultImageType = 1002;
    static CPointerList sHandlers;
    static CTwCriticalSection sHandlerSafe;

    CFtpImageHandler();
    ~CFtpImageHandler() override;

    // Detaches from the current source and attaches to postback (null: to none).
    void SetPostback(IVideoPostback* postback);
    IVideoPostback* GetPostback() const { return mPostback; }
    void SetImageType(EImageType type) { mImageType = type; }
    EImageType GetImageType() const { return mImageType; }
    void SetQuality(unsigned char quality) { mQuality = quality; }
    unsigned char GetQuality() const { return mQuality; }

    // The interval is tested once per cycle, before encoding (CheckEncodeInterval).
    bool CheckWriteInterval() override;
    virtual void Start();
    virtual void Stop();
    // Whether a frame is held.
    virtual bool HasImage();
    // One upload cycle: the interval, the encoding, the upload.
    virtual bool HandleImage();
    virtual bool EncodeImage();
    virtual bool UploadImage();
    virtual bool CheckEncodeInterval();
    bool IsUploading() const { return mUploading; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE ProcessImage(const unsigned char* data, unsigned long size, EColorFormat color,
                                           bool topDown, unsigned short imageWidth, unsigned short imageHeight,
                                           unsigned short bufferWidth, unsigned short bufferHeight) override;

private:
    IVideoPostback* mPostback;
    EImageType mImageType;
    unsigned char mQuality;
    CTwCriticalSection mImageSafe;
    CImageHandle mRawImage;
    CHandle mEncodedImage;
    std::atomic<bool> mUploading;
};
