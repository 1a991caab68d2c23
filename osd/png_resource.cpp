#include "osd/png_resource.h"

#include <windows.h>
#include <wincodec.h>

#include <memory>

namespace {

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename T>
using ComOwned = std::unique_ptr<T, ComReleaser>;

// The apartment the caller runs in is kept; where there is none, one is
// entered for the decoding and left after it.
class ComApartment {
public:
    ComApartment() : m_entered(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (m_entered) {
            ::CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_entered;
};

bool Decode(const BYTE* data, DWORD size, StripPixels* image) {
    IWICImagingFactory* factory = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(&factory)))) {
        return false;
    }
    const ComOwned<IWICImagingFactory> ownFactory(factory);
    IWICStream* stream = nullptr;
    if (FAILED(factory->CreateStream(&stream))) {
        return false;
    }
    const ComOwned<IWICStream> ownStream(stream);
    IWICBitmapDecoder* decoder = nullptr;
    if (FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), size)) ||
        FAILED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder))) {
        return false;
    }
    const ComOwned<IWICBitmapDecoder> ownDecoder(decoder);
    IWICBitmapFrameDecode* frame = nullptr;
    if (FAILED(decoder->GetFrame(0, &frame))) {
        return false;
    }
    const ComOwned<IWICBitmapFrameDecode> ownFrame(frame);
    IWICFormatConverter* converter = nullptr;
    if (FAILED(factory->CreateFormatConverter(&converter))) {
        return false;
    }
    const ComOwned<IWICFormatConverter> ownConverter(converter);
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 4096 || height > 4096) {
        return false;
    }
    image->width = static_cast<int>(width);
    image->height = static_cast<int>(height);
    image->pixels.assign(static_cast<size_t>(width) * height, 0);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                     reinterpret_cast<BYTE*>(image->pixels.data())))) {
        return false;
    }
    // Blue, green, red and a spare byte: as a number, 0x??RRGGBB.
    for (std::uint32_t& pixel : image->pixels) {
        pixel &= 0xFFFFFFu;
    }
    return true;
}

}  // namespace

bool LoadPngResource(const std::string& name, StripPixels* image) {
    const HMODULE module = ::GetModuleHandleA(nullptr);
    const HRSRC found = ::FindResourceA(module, name.c_str(), RT_RCDATA);
    const HGLOBAL loaded = found == nullptr ? nullptr : ::LoadResource(module, found);
    const void* data = loaded == nullptr ? nullptr : ::LockResource(loaded);
    if (data == nullptr) {
        return false;
    }
    const ComApartment apartment;
    return Decode(static_cast<const BYTE*>(data), ::SizeofResource(module, found), image);
}
