#include "platform/Texture.h"

#include "platform/RenderDevice.h"

#include <SDL.h>

#include <algorithm>

Texture::~Texture() {
    if (device) device->Forget(this);
    if (handle) SDL_DestroyTexture(handle);
    if (scaledHandle) SDL_DestroyTexture(scaledHandle);
    SDL_FreeSurface(pixels);
}

SDL_Texture* Texture::ScaledHandle(float sx, float sy) const {
    if (scaledHandle && scaledX == sx && scaledY == sy) return scaledHandle;
    if (scaledHandle) SDL_DestroyTexture(scaledHandle);
    scaledHandle = nullptr;
    scaledX = sx;
    scaledY = sy;
    if (!device || !pixels) return nullptr;
    const int w = static_cast<int>(pixels->w * sx + 0.5f),
              h = static_cast<int>(pixels->h * sy + 0.5f);
    if (w <= 0 || h <= 0 || w > pixels->w || h > pixels->h) return nullptr;
    SDL_Surface* small = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!small) return nullptr;
    if (SDL_SoftStretchLinear(pixels, nullptr, small, nullptr) == 0) {
        scaledHandle = SDL_CreateTexture(device->Renderer(), SDL_PIXELFORMAT_ARGB8888,
                                         SDL_TEXTUREACCESS_STATIC, w, h);
        if (scaledHandle) {
            SDL_UpdateTexture(scaledHandle, nullptr, small->pixels, small->pitch);
            SDL_SetTextureBlendMode(scaledHandle, SDL_BLENDMODE_BLEND);
        }
    }
    SDL_FreeSurface(small);
    return scaledHandle;
}

uint32_t Texture::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= pixels->w || y >= pixels->h) return 0;
    const auto* row = static_cast<const uint8_t*>(pixels->pixels) + y * pixels->pitch;
    return reinterpret_cast<const uint32_t*>(row)[x];
}

IntRect Texture::InkBounds(IntRect source) const {
    const auto key = std::make_tuple(source.left, source.top, source.right, source.bottom);
    if (auto found = inkBounds.find(key); found != inkBounds.end()) return found->second;
    const int left = std::max(source.left, 0), top = std::max(source.top, 0);
    const int right = std::min(source.right, pixels ? pixels->w : 0);
    const int bottom = std::min(source.bottom, pixels ? pixels->h : 0);
    IntRect ink{right, bottom, left, top};
    for (int y = top; y < bottom; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(pixels->pixels) + y * pixels->pitch);
        for (int x = left; x < right; ++x)
            if (row[x] >> 24) {
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                       std::max(ink.bottom, y + 1)};
            }
    }
    if (ink.left >= ink.right || ink.top >= ink.bottom) ink = {};
    inkBounds.emplace(key, ink);
    return ink;
}

bool Texture::Upload() {
    if (handle) SDL_DestroyTexture(handle);
    handle = nullptr;
    if (scaledHandle) SDL_DestroyTexture(scaledHandle);
    scaledHandle = nullptr;
    if (!device) return false;
    width = pixels->w;
    height = pixels->h;
    handle = SDL_CreateTexture(device->Renderer(), SDL_PIXELFORMAT_ARGB8888,
                               SDL_TEXTUREACCESS_STATIC, width, height);
    if (!handle) return false;
    SDL_UpdateTexture(handle, nullptr, pixels->pixels, pixels->pitch);
    opaque = true;
    for (int y = 0; y < height && opaque; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(pixels->pixels) + y * pixels->pitch);
        for (int x = 0; x < width; ++x)
            if ((row[x] >> 24) != 0xFF) {
                opaque = false;
                break;
            }
    }
    SDL_SetTextureBlendMode(handle, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(handle, SDL_ScaleModeNearest);
    return true;
}
