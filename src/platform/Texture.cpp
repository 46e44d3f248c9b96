// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Texture.h"

#include "platform/PictureDecoder.h"
#include "platform/RenderDevice.h"

#include <SDL.h>

#include <algorithm>
#include <functional>

Texture::Texture(RenderDevice* device, Bytes encoded, uint32_t solidColour, int solidWidth,
                 int solidHeight)
    : device(device), encoded(std::move(encoded)), solidColour(solidColour), width(solidWidth),
      height(solidHeight), serial(++lastSerial) {}

Texture::~Texture() {
    if (device) device->Forget(this);
    DestroyHandles();
}

void Texture::DestroyHandles() {
    inPlace = false;
    if (locked && handle) SDL_UnlockTexture(handle);
    locked = false;
    if (handle) SDL_DestroyTexture(handle);
    handle = nullptr;
    if (scaledHandle) SDL_DestroyTexture(scaledHandle);
    scaledHandle = nullptr;
}

size_t Texture::KeptBytes() const {
    return (encoded ? encoded->capacity() : 0) + alpha.Bytes() +
           decoded.capacity() * sizeof(uint32_t);
}

bool Texture::DecodeInto(std::vector<uint32_t>& pixels) const {
    if (!encoded) {
        pixels.assign(static_cast<size_t>(width) * height, solidColour);
        return true;
    }
    AlphaMap unused;
    return PictureDecoder::Decode(
        encoded->data(), encoded->size(),
        [&](int w, int h, int& pitch) -> uint32_t* {
            if (w != width || h != height) return nullptr; // the source no longer matches
            pixels.resize(static_cast<size_t>(w) * h);
            pitch = w;
            return pixels.data();
        },
        unused);
}

bool Texture::ReadPixels(const std::function<void(const uint32_t*, int)>& use) const {
    if (width <= 0 || height <= 0) return false;
    // The software renderer's copy is plain memory holding the picture: it is read in place.
    if (handle && inPlace) {
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(handle, nullptr, &pixels, &pitch) == 0) {
            if (pitch % 4 == 0) use(static_cast<const uint32_t*>(pixels), pitch / 4);
            SDL_UnlockTexture(handle);
            if (pitch % 4 == 0) return true;
        }
    }
    if (decoded.empty() && !DecodeInto(decoded)) {
        decoded.clear();
        decoded.shrink_to_fit();
        return false;
    }
    use(decoded.data(), width);
    return true;
}

uint32_t Texture::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    uint32_t pixel = 0;
    ReadPixels([&](const uint32_t* pixels, int pitch) {
        pixel = pixels[static_cast<size_t>(y) * pitch + x];
    });
    return pixel;
}

SDL_Texture* Texture::ScaledHandle(float sx, float sy) const {
    if (scaledHandle && scaledX == sx && scaledY == sy) return scaledHandle;
    if (scaledHandle) SDL_DestroyTexture(scaledHandle);
    scaledHandle = nullptr;
    scaledX = sx;
    scaledY = sy;
    if (!device) return nullptr;
    const int w = static_cast<int>(width * sx + 0.5f), h = static_cast<int>(height * sy + 0.5f);
    if (w <= 0 || h <= 0 || w > width || h > height) return nullptr;
    SDL_Surface* small = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!small) return nullptr;
    bool stretched = false;
    // A picture decoded again for the stretch is let go afterwards, so the sheet is kept
    // once on the device at full size and once scaled, not a third time here.
    const bool decodedHere = decoded.empty();
    ReadPixels([&](const uint32_t* pixels, int pitch) {
        SDL_Surface* whole = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<uint32_t*>(pixels), width, height, 32, pitch * 4, SDL_PIXELFORMAT_ARGB8888);
        stretched = whole && SDL_SoftStretchLinear(whole, nullptr, small, nullptr) == 0;
        SDL_FreeSurface(whole);
    });
    if (stretched) {
        scaledHandle = SDL_CreateTexture(device->Renderer(), SDL_PIXELFORMAT_ARGB8888,
                                         SDL_TEXTUREACCESS_STATIC, w, h);
        if (scaledHandle) {
            SDL_UpdateTexture(scaledHandle, nullptr, small->pixels, small->pitch);
            SDL_SetTextureBlendMode(scaledHandle, SDL_BLENDMODE_BLEND);
        }
    }
    SDL_FreeSurface(small);
    if (decodedHere) std::vector<uint32_t>().swap(decoded);
    return scaledHandle;
}

IntRect Texture::InkBounds(IntRect source) const {
    const auto key = std::make_tuple(source.left, source.top, source.right, source.bottom);
    if (auto found = inkBounds.find(key); found != inkBounds.end()) return found->second;
    const IntRect ink = alpha.InkBounds(source);
    inkBounds.emplace(key, ink);
    return ink;
}

bool Texture::IsOpaqueIn(IntRect source) const {
    if (opaque) return true;
    const auto key = std::make_tuple(source.left, source.top, source.right, source.bottom);
    if (auto found = opaqueIn.find(key); found != opaqueIn.end()) return found->second;
    const bool all = alpha.AllOpaqueIn(source);
    opaqueIn.emplace(key, all);
    return all;
}

uint32_t* Texture::PrepareCopy(int w, int h, int& pitch) {
    DestroyHandles();
    inkBounds.clear();
    opaqueIn.clear();
    if (!device || w <= 0 || h <= 0) return nullptr;
    // A software renderer's texture is plain memory: the rows are decoded into it. Other
    // renderers get the picture from a buffer that is dropped afterwards.
    const bool direct = device->DecodesIntoTextures();
    handle =
        SDL_CreateTexture(device->Renderer(), SDL_PIXELFORMAT_ARGB8888,
                          direct ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_STATIC, w, h);
    if (!handle) return nullptr;
    void* pixels = nullptr;
    int bytesPitch = 0;
    if (direct && SDL_LockTexture(handle, nullptr, &pixels, &bytesPitch) == 0) {
        locked = true;
        if (bytesPitch % 4 == 0) {
            pitch = bytesPitch / 4;
            return static_cast<uint32_t*>(pixels);
        }
    }
    staging.resize(static_cast<size_t>(w) * h);
    pitch = w;
    return staging.data();
}

bool Texture::FinishCopy(bool decoded) {
    if (locked) SDL_UnlockTexture(handle);
    locked = false;
    if (!decoded || !handle) {
        DestroyHandles();
        std::vector<uint32_t>().swap(staging);
        return false;
    }
    width = alpha.Width();
    height = alpha.Height();
    if (!staging.empty()) SDL_UpdateTexture(handle, nullptr, staging.data(), width * 4);
    inPlace = staging.empty();
    // Assigning an empty list would keep the buffer's memory: it is given back for real.
    std::vector<uint32_t>().swap(staging);
    opaque = alpha.AllOpaque();
    SDL_SetTextureBlendMode(handle, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(handle, SDL_ScaleModeNearest);
    return true;
}

bool Texture::Upload() {
    if (encoded) {
        const bool decoded = PictureDecoder::Decode(
            encoded->data(), encoded->size(),
            [this](int w, int h, int& pitch) { return PrepareCopy(w, h, pitch); }, alpha);
        return FinishCopy(decoded);
    }
    DestroyHandles();
    if (!device || width <= 0 || height <= 0) return false;
    handle = SDL_CreateTexture(device->Renderer(), SDL_PIXELFORMAT_ARGB8888,
                               SDL_TEXTUREACCESS_STATIC, width, height);
    if (!handle) return false;
    const std::vector<uint32_t> row(static_cast<size_t>(width), solidColour);
    for (int y = 0; y < height; ++y) {
        const SDL_Rect line{0, y, width, 1};
        SDL_UpdateTexture(handle, &line, row.data(), width * 4);
    }
    alpha.Reset(width, height);
    alpha.Fill(static_cast<uint8_t>(solidColour >> 24));
    return FinishCopy(true);
}
