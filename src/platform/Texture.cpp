#include "platform/Texture.h"

#include "platform/RenderDevice.h"

#include <SDL.h>

Texture::~Texture() {
    if (device) device->Forget(this);
    if (handle) SDL_DestroyTexture(handle);
    SDL_FreeSurface(pixels);
}

uint32_t Texture::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= pixels->w || y >= pixels->h) return 0;
    const auto* row = static_cast<const uint8_t*>(pixels->pixels) + y * pixels->pitch;
    return reinterpret_cast<const uint32_t*>(row)[x];
}

bool Texture::Upload() {
    if (handle) SDL_DestroyTexture(handle);
    handle = nullptr;
    if (!device) return false;
    width = pixels->w;
    height = pixels->h;
    handle = SDL_CreateTexture(device->Renderer(), SDL_PIXELFORMAT_ARGB8888,
                               SDL_TEXTUREACCESS_STATIC, width, height);
    if (!handle) return false;
    SDL_UpdateTexture(handle, nullptr, pixels->pixels, pixels->pitch);
    SDL_SetTextureBlendMode(handle, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(handle, SDL_ScaleModeNearest);
    return true;
}
