#include "StandInVideoSource.h"

#include "ComApartment.h"

#include <initguid.h>
#include <wincodec.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

const int kBits = 16;

struct SComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class T>
using ComPtr = std::unique_ptr<T, SComRelease>;

// The side of one square of the frame number and where the row of squares starts.
int CellSize(int width)
{
    return width / (kBits + 2) > 2 ? width / (kBits + 2) : 2;
}

int BytesPerPixel(EColorFormat color)
{
    return color == CStandInVideoSource::kRgb32 ? 4 : color == CStandInVideoSource::kRgb24 ? 3 : 0;
}

const GUID* ContainerOf(EImageType type)
{
    switch (type) {
    case CStandInVideoSource::kBmp: return &GUID_ContainerFormatBmp;
    case CStandInVideoSource::kJpeg: return &GUID_ContainerFormatJpeg;
    case CStandInVideoSource::kPng: return &GUID_ContainerFormatPng;
    default: return nullptr;
    }
}

ComPtr<IWICImagingFactory> CreateFactory()
{
    IWICImagingFactory* factory = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(&factory))))
        return nullptr;
    return ComPtr<IWICImagingFactory>(factory);
}

// Encodes 24-bit top-down pixels into an image file held in memory.
HRESULT Encode(IWICImagingFactory* factory, IWICBitmapSource* source, EImageType type, unsigned char quality,
               CHandle& output)
{
    IStream* stream = nullptr;
    HRESULT result = ::CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    if (FAILED(result))
        return result;
    ComPtr<IStream> streamHolder(stream);
    IWICBitmapEncoder* encoder = nullptr;
    if (FAILED(result = factory->CreateEncoder(*ContainerOf(type), nullptr, &encoder)))
        return result;
    ComPtr<IWICBitmapEncoder> encoderHolder(encoder);
    if (FAILED(result = encoder->Initialize(stream, WICBitmapEncoderNoCache)))
        return result;
    IWICBitmapFrameEncode* frame = nullptr;
    IPropertyBag2* options = nullptr;
    if (FAILED(result = encoder->CreateNewFrame(&frame, &options)))
        return result;
    ComPtr<IWICBitmapFrameEncode> frameHolder(frame);
    ComPtr<IPropertyBag2> optionsHolder(options);
    if (type == CStandInVideoSource::kJpeg && options) {
        PROPBAG2 option = {};
        option.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
        VARIANT value;
        ::VariantInit(&value);
        value.vt = VT_R4;
        value.fltVal = (quality > 100 ? 100 : quality) / 100.0f;
        options->Write(1, &option, &value); // an encoder without the option keeps its own
    }
    UINT width = 0, height = 0;
    source->GetSize(&width, &height);
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(result = frame->Initialize(options)) || FAILED(result = frame->SetSize(width, height)) ||
        FAILED(result = frame->SetPixelFormat(&format)) || FAILED(result = frame->WriteSource(source, nullptr)) ||
        FAILED(result = frame->Commit()) || FAILED(result = encoder->Commit()))
        return result;

    HGLOBAL memory = nullptr;
    if (FAILED(result = ::GetHGlobalFromStream(stream, &memory)))
        return result;
    STATSTG status = {};
    stream->Stat(&status, STATFLAG_NONAME);
    const void* bytes = ::GlobalLock(memory);
    const bool copied = bytes && output.Append(bytes, static_cast<unsigned long>(status.cbSize.QuadPart));
    ::GlobalUnlock(memory);
    return copied ? S_OK : E_OUTOFMEMORY;
}

} // namespace

CStandInVideoSource::CStandInVideoSource(unsigned short width, unsigned short height)
    : mReferences(1), mWidth(width), mHeight(height), mHandler(nullptr), mFramesDelivered(0), mImagesEncoded(0),
      mPlayThread(nullptr), mStopPlaying(::CreateEventA(nullptr, TRUE, FALSE, nullptr)), mFramesPerSecond(0)
{
    ::InitializeCriticalSection(&mHandlerSafe);
}

CStandInVideoSource::~CStandInVideoSource()
{
    Pause();
    ::CloseHandle(mStopPlaying);
    ::DeleteCriticalSection(&mHandlerSafe);
}

HRESULT STDMETHODCALLTYPE CStandInVideoSource::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown)) {
        *ppv = static_cast<IUnknown*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CStandInVideoSource::AddRef()
{
    return static_cast<ULONG>(++mReferences);
}

ULONG STDMETHODCALLTYPE CStandInVideoSource::Release()
{
    const long left = --mReferences;
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE CStandInVideoSource::SetPostbackHandler(IVideoPostbackHandler* handler)
{
    ::EnterCriticalSection(&mHandlerSafe);
    mHandler = handler;
    ::LeaveCriticalSection(&mHandlerSafe);
    return S_OK;
}

bool CStandInVideoSource::HasHandler()
{
    ::EnterCriticalSection(&mHandlerSafe);
    const bool has = mHandler != nullptr;
    ::LeaveCriticalSection(&mHandlerSafe);
    return has;
}

void CStandInVideoSource::Render(unsigned number, unsigned char* pixels) const
{
    const int width = mWidth;
    const int height = mHeight;
    const int cell = CellSize(width);
    for (int y = 0; y < height; ++y) {
        // Bottom-up: the first row in memory is the picture's last.
        unsigned char* row = pixels + static_cast<size_t>(height - 1 - y) * width * 4;
        for (int x = 0; x < width; ++x) {
            unsigned char blue = static_cast<unsigned char>(40 + (number * 53 + x / 4) % 160);
            unsigned char green = static_cast<unsigned char>(40 + (number * 91 + y / 4) % 160);
            unsigned char red = static_cast<unsigned char>(40 + (number * 37) % 160);
            const int bit = x / cell - 1;
            if (y >= cell / 2 && y < cell / 2 + cell && bit >= 0 && bit < kBits) {
                const bool inside = x % cell >= 1 && x % cell < cell - 1 && y >= cell / 2 + 1 &&
                                    y < cell / 2 + cell - 1;
                const bool one = (number >> (kBits - 1 - bit)) & 1;
                blue = green = red = inside && one ? 255 : 0;
            }
            row[x * 4 + 0] = blue;
            row[x * 4 + 1] = green;
            row[x * 4 + 2] = red;
            row[x * 4 + 3] = 0;
        }
    }
}

void CStandInVideoSource::DeliverFrame()
{
    std::vector<unsigned char> frame(static_cast<size_t>(mWidth) * mHeight * 4);
    const unsigned number = mFramesDelivered + 1;
    Render(number, frame.data());
    ::EnterCriticalSection(&mHandlerSafe);
    if (mHandler)
        mHandler->ProcessImage(frame.data(), static_cast<unsigned long>(frame.size()), kRgb32, false, mWidth, mHeight,
                               mWidth, mHeight);
    mFramesDelivered = number;
    ::LeaveCriticalSection(&mHandlerSafe);
}

DWORD WINAPI CStandInVideoSource::PlayThread(LPVOID parameter)
{
    auto* source = static_cast<CStandInVideoSource*>(parameter);
    const DWORD period = 1000 / (source->mFramesPerSecond ? source->mFramesPerSecond : 1);
    while (::WaitForSingleObject(source->mStopPlaying, period) == WAIT_TIMEOUT)
        source->DeliverFrame();
    return 0;
}

void CStandInVideoSource::Play(unsigned framesPerSecond)
{
    Pause();
    mFramesPerSecond = framesPerSecond;
    ::ResetEvent(mStopPlaying);
    mPlayThread = ::CreateThread(nullptr, 0, PlayThread, this, 0, nullptr);
}

void CStandInVideoSource::Pause()
{
    if (!mPlayThread)
        return;
    ::SetEvent(mStopPlaying);
    ::WaitForSingleObject(mPlayThread, INFINITE);
    ::CloseHandle(mPlayThread);
    mPlayThread = nullptr;
}

HRESULT STDMETHODCALLTYPE CStandInVideoSource::EncodeImage(const unsigned char* data, unsigned long size,
                                                          EColorFormat color, bool topDown,
                                                          unsigned short imageWidth, unsigned short imageHeight,
                                                          unsigned short bufferWidth, unsigned short bufferHeight,
                                                          EImageType type, unsigned char quality,
                                                          unsigned short outputWidth, unsigned short outputHeight,
                                                          CHandle* output)
{
    if (!output || !data)
        return E_POINTER;
    output->Empty();
    const int bytes = BytesPerPixel(color);
    const size_t stride = static_cast<size_t>(bufferWidth) * bytes;
    if (!bytes || !ContainerOf(type) || !imageWidth || !imageHeight || imageWidth > bufferWidth ||
        imageHeight > bufferHeight || size < stride * bufferHeight || !outputWidth || !outputHeight)
        return E_INVALIDARG;

    // The picture's rows, top first, 3 bytes a pixel.
    std::vector<unsigned char> pixels(static_cast<size_t>(imageWidth) * imageHeight * 3);
    for (int y = 0; y < imageHeight; ++y) {
        const unsigned char* from = data + stride * (topDown ? y : bufferHeight - 1 - y);
        unsigned char* to = pixels.data() + static_cast<size_t>(y) * imageWidth * 3;
        for (int x = 0; x < imageWidth; ++x)
            std::memcpy(to + x * 3, from + x * bytes, 3);
    }

    StComApartment apartment;
    ComPtr<IWICImagingFactory> factory = CreateFactory();
    if (!factory)
        return E_FAIL;
    IWICBitmap* bitmap = nullptr;
    HRESULT result = factory->CreateBitmapFromMemory(imageWidth, imageHeight, GUID_WICPixelFormat24bppBGR,
                                                     imageWidth * 3u, static_cast<UINT>(pixels.size()),
                                                     pixels.data(), &bitmap);
    if (FAILED(result))
        return result;
    ComPtr<IWICBitmap> bitmapHolder(bitmap);
    IWICBitmapSource* source = bitmap;
    ComPtr<IWICBitmapScaler> scalerHolder;
    if (outputWidth != imageWidth || outputHeight != imageHeight) {
        IWICBitmapScaler* scaler = nullptr;
        if (FAILED(result = factory->CreateBitmapScaler(&scaler)))
            return result;
        scalerHolder.reset(scaler);
        if (FAILED(result = scaler->Initialize(bitmap, outputWidth, outputHeight, WICBitmapInterpolationModeFant)))
            return result;
        source = scaler;
    }
    result = Encode(factory.get(), source, type, quality, *output);
    if (SUCCEEDED(result))
        ++mImagesEncoded;
    else
        output->Empty();
    return result;
}

bool CStandInVideoSource::ReadFrameNumber(const void* image, unsigned long size, unsigned& number)
{
    if (!image || !size)
        return false;
    StComApartment apartment;
    ComPtr<IWICImagingFactory> factory = CreateFactory();
    if (!factory)
        return false;
    IWICStream* stream = nullptr;
    if (FAILED(factory->CreateStream(&stream)))
        return false;
    ComPtr<IWICStream> streamHolder(stream);
    if (FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(image)), size)))
        return false;
    IWICBitmapDecoder* decoder = nullptr;
    if (FAILED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)))
        return false;
    ComPtr<IWICBitmapDecoder> decoderHolder(decoder);
    IWICBitmapFrameDecode* frame = nullptr;
    if (FAILED(decoder->GetFrame(0, &frame)))
        return false;
    ComPtr<IWICBitmapFrameDecode> frameHolder(frame);
    IWICFormatConverter* converter = nullptr;
    if (FAILED(factory->CreateFormatConverter(&converter)))
        return false;
    ComPtr<IWICFormatConverter> converterHolder(converter);
    if (FAILED(converter->Initialize(frame, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return false;
    UINT width = 0, height = 0;
    converter->GetSize(&width, &height);
    const int cell = CellSize(static_cast<int>(width));
    if (height < static_cast<UINT>(cell * 2))
        return false;
    std::vector<BYTE> pixels(static_cast<size_t>(width) * height * 3);
    if (FAILED(converter->CopyPixels(nullptr, width * 3, static_cast<UINT>(pixels.size()), pixels.data())))
        return false;
    // Each square's middle, away from the edges that lossy coding blurs.
    unsigned value = 0;
    for (int bit = 0; bit < kBits; ++bit) {
        const int left = (bit + 1) * cell + cell / 4;
        const int top = cell / 2 + cell / 4;
        unsigned sum = 0, count = 0;
        for (int y = top; y < top + cell / 2; ++y)
            for (int x = left; x < left + cell / 2; ++x) {
                const BYTE* pixel = &pixels[(static_cast<size_t>(y) * width + x) * 3];
                sum += pixel[0] + pixel[1] + pixel[2];
                count += 3;
            }
        value = (value << 1) | (count && sum / count > 128 ? 1u : 0u);
    }
    number = value;
    return true;
}

IVideoPostback* __cdecl TnwCreateVideoSource(unsigned short width, unsigned short height)
{
    return new CStandInVideoSource(width, height);
}
