// Pictures for the Win32 tests: 32-bit memory pictures that GDI draws
// into, the render tool's reference frames read back from PNG, and a way
// to keep a picture that did not match for a person to look at.
#pragma once

#include <windows.h>
#include <wincodec.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

// Top-down, one 0xRRGGBB value per pixel.
struct Picture {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint32_t> pixels;
    bool operator==(const Picture& other) const {
        return nWidth == other.nWidth && nHeight == other.nHeight && pixels == other.pixels;
    }
};

inline size_t CountDifferences(const Picture& a, const Picture& b) {
    if (a.pixels.size() != b.pixels.size()) return SIZE_MAX;
    size_t nCount = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) nCount += a.pixels[i] != b.pixels[i];
    return nCount;
}

// Keeps a picture that did not match, as a PPM file in the bed's
// directory, for a person to look at; returns where, for the message.
inline std::string KeepForInspection(const Picture& picture, const char* szName) {
    const char* szBed = std::getenv("HARBORGAST_BED");
    if (szBed == nullptr || picture.pixels.empty()) return "(not kept)";
    const std::string szPath = std::string(szBed) + "/" + szName + ".ppm";
    std::string szWindowsPath = "Z:" + szPath;
    for (char& c : szWindowsPath)
        if (c == '/') c = '\\';
    FILE* pFile = std::fopen(szWindowsPath.c_str(), "wb");
    if (pFile == nullptr) return "(not kept)";
    std::fprintf(pFile, "P6\n%d %d\n255\n", picture.nWidth, picture.nHeight);
    for (uint32_t nPixel : picture.pixels) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(nPixel >> 16),
                                      static_cast<unsigned char>(nPixel >> 8), static_cast<unsigned char>(nPixel)};
        std::fwrite(rgb, 1, 3, pFile);
    }
    std::fclose(pFile);
    return szPath;
}

// Lets pfnDraw draw into a 32-bit memory picture of the given size.
inline Picture DrawPicture(int nWidth, int nHeight, const std::function<void(HDC)>& pfnDraw) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hMemory = CreateCompatibleDC(nullptr);
    HGDIOBJ hPrevious = SelectObject(hMemory, hBitmap);
    pfnDraw(hMemory);
    GdiFlush();
    Picture picture{nWidth, nHeight, std::vector<uint32_t>(size_t(nWidth) * nHeight)};
    const uint32_t* pPixels = static_cast<const uint32_t*>(pBits);
    for (size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = pPixels[i] & 0xFFFFFF;
    SelectObject(hMemory, hPrevious);
    DeleteDC(hMemory);
    DeleteObject(hBitmap);
    return picture;
}

// ---- Reference frames of the render tool ---------------------------------------------
// A picture's pixels folded into one number (FNV-1a), to find it among many.
inline uint64_t Fingerprint(const Picture& picture) {
    uint64_t nHash = 1469598103934665603ull;
    for (uint32_t nPixel : picture.pixels) {
        nHash = (nHash ^ nPixel) * 1099511628211ull;
    }
    return nHash ^ (uint64_t(picture.nWidth) << 32 | uint32_t(picture.nHeight));
}

// Reads a PNG file with the system's imaging codecs.
inline Picture LoadPng(const std::string& szPath) {
    Picture picture;
    IWICImagingFactory* pFactory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&pFactory))))
        return picture;
    const std::wstring szWidePath(szPath.begin(), szPath.end());
    IWICBitmapDecoder* pDecoder = nullptr;
    IWICBitmapFrameDecode* pFrame = nullptr;
    IWICFormatConverter* pConverter = nullptr;
    UINT nWidth = 0, nHeight = 0;
    if (SUCCEEDED(pFactory->CreateDecoderFromFilename(szWidePath.c_str(), nullptr, GENERIC_READ,
                                                      WICDecodeMetadataCacheOnDemand, &pDecoder)) &&
        SUCCEEDED(pDecoder->GetFrame(0, &pFrame)) && SUCCEEDED(pFactory->CreateFormatConverter(&pConverter)) &&
        SUCCEEDED(pConverter->Initialize(pFrame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                         WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(pConverter->GetSize(&nWidth, &nHeight))) {
        std::vector<uint32_t> pixels(size_t(nWidth) * nHeight);
        if (SUCCEEDED(pConverter->CopyPixels(nullptr, nWidth * 4, UINT(pixels.size() * 4),
                                             reinterpret_cast<BYTE*>(pixels.data())))) {
            for (uint32_t& nPixel : pixels) nPixel &= 0xFFFFFF;
            picture = {int(nWidth), int(nHeight), std::move(pixels)};
        }
    }
    if (pConverter != nullptr) pConverter->Release();
    if (pFrame != nullptr) pFrame->Release();
    if (pDecoder != nullptr) pDecoder->Release();
    pFactory->Release();
    return picture;
}

// Frame nFrame of the render tool's frames in szDir (a Linux path).
inline std::string ReferenceFramePathIn(const std::string& szDir, int nFrame) {
    char szName[32];
    std::snprintf(szName, sizeof szName, "/frame-%06d.png", nFrame);
    std::string szPath = "Z:" + szDir + szName;
    for (char& c : szPath)
        if (c == '/') c = '\\';
    return szPath;
}

inline std::string ReferenceFramePath(int nFrame) { return ReferenceFramePathIn(HARBORGAST_REFERENCE_FRAMES, nFrame); }

