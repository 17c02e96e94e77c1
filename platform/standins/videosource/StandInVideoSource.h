#pragma once
#include "net/VideoPostback.h"

#include <atomic>
#include <string>

#ifdef TNWVIDEO_BUILDING
#define TNWVIDEO_CLASS __declspec(dllexport)
#else
#define TNWVIDEO_CLASS __declspec(dllimport)
#endif

// A stand-in for a video source of the maker's media engine (tnwvideo.dll): it renders
// numbered frames and encodes frames into still images through the Windows Imaging
// Component, as the engine's source does for the FTP image handler.
//
// Frame n (counting from 1) is a colour field that changes with n, with n written in
// binary as a row of 16 squares (white for 1, black for 0, most significant first) along
// the top, so that a test or a viewer can read which frame a still image shows
// (ReadFrameNumber) without relying on any font.
//
// Its own codes: colour formats kRgb32 (4 bytes a pixel: blue, green, red, unused) and
// kRgb24 (3 bytes), rows of bufferWidth pixels with no padding; image types kBmp (1001),
// kJpeg (1002, the FTP image handler's default) and kPng (1003). Frames are delivered
// bottom-up, as device-independent bitmaps are.
//
// Deliveries run either on the source's own thread (Play) or on the caller's
// (DeliverFrame). A delivery holds the source's lock while the handler runs, so a
// handler that SetPostbackHandler replaced is never called again once that call
// returned. Reference counted: Release of the last reference deletes the source.
class TNWVIDEO_CLASS CStandInVideoSource final : public IVideoPostback {
public:
    enum : long { kRgb32 = 1, kRgb24 = 2 };
    enum : long { kBmp = 1001, kJpeg = 1002, kPng = 1003 };

    CStandInVideoSource(unsigned short width, unsigned short height);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE SetPostbackHandler(IVideoPostbackHandler* handler) override;
    HRESULT STDMETHODCALLTYPE EncodeImage(const unsigned char* data, unsigned long size, EColorFormat color,
                                          bool topDown, unsigned short imageWidth, unsigned short imageHeight,
                                          unsigned short bufferWidth, unsigned short bufferHeight, EImageType type,
                                          unsigned char quality, unsigned short outputWidth,
                                          unsigned short outputHeight, CHandle* output) override;

    // Renders the next frame and hands it to the handler, on the calling thread.
    void DeliverFrame();
    // Delivers framesPerSecond frames a second on the source's own thread until Pause.
    void Play(unsigned framesPerSecond);
    void Pause();

    unsigned GetFramesDelivered() const { return mFramesDelivered; }
    unsigned GetImagesEncoded() const { return mImagesEncoded; }
    bool HasHandler();

    // The frame number shown by a still image this source encoded (any of its types), or
    // false when the bytes are no such picture.
    static bool ReadFrameNumber(const void* image, unsigned long size, unsigned& number);

private:
    ~CStandInVideoSource();
    static DWORD WINAPI PlayThread(LPVOID parameter);
    void Render(unsigned number, unsigned char* pixels) const;

    std::atomic<long> mReferences;
    unsigned short mWidth;
    unsigned short mHeight;
    CRITICAL_SECTION mHandlerSafe;
    IVideoPostbackHandler* mHandler;
    std::atomic<unsigned> mFramesDelivered;
    std::atomic<unsigned> mImagesEncoded;
    HANDLE mPlayThread;
    HANDLE mStopPlaying;
    unsigned mFramesPerSecond;
};

// Creates a source of frames of the given size, with one reference.
extern "C" TNWVIDEO_CLASS IVideoPostback* __cdecl TnwCreateVideoSource(unsigned short width, unsigned short height);
