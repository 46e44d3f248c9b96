#include "platform/RenderDevice.h"

#include "platform/PlatformWindow.h"
#include "platform/Texture.h"

#include <SDL.h>
#include <SDL_image.h>
#include <algorithm>
#include <vector>

namespace {

// Converts a decoded picture to ARGB and makes the colour key transparent black.
SDL_Surface* PrepareSurface(SDL_Surface* decoded) {
    if (!decoded) return nullptr;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(decoded);
    if (!argb) return nullptr;
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        auto* row =
            reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < argb->w; ++x)
            if (row[x] == Texture::ColourKey) row[x] = 0;
    }
    SDL_UnlockSurface(argb);
    return argb;
}

} // namespace

std::unique_ptr<RenderDevice> RenderDevice::Create(PlatformWindow& window,
                                                   const PresentParameters& parameters) {
    // A hardware renderer first (with vsync if asked for), then the software renderer.
    uint32_t flags = SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE;
    if (parameters.waitForVsync) flags |= SDL_RENDERER_PRESENTVSYNC;
    SDL_Renderer* renderer = SDL_CreateRenderer(window.Handle(), -1, flags);
    if (!renderer) renderer = SDL_CreateRenderer(window.Handle(), -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) return nullptr;
    std::unique_ptr<RenderDevice> device(new RenderDevice(window, renderer, parameters));
    SDL_RenderSetLogicalSize(renderer, parameters.backBufferWidth, parameters.backBufferHeight);
    device->CreateTarget();
    return device;
}

RenderDevice::RenderDevice(PlatformWindow& window, SDL_Renderer* renderer,
                           const PresentParameters& p)
    : window(window), renderer(renderer), parameters(p) {}

RenderDevice::~RenderDevice() {
    for (Texture* texture : textures) {
        if (texture->handle) SDL_DestroyTexture(texture->handle);
        texture->handle = nullptr;
        texture->device = nullptr;
    }
    if (target) SDL_DestroyTexture(target);
    SDL_DestroyRenderer(renderer);
}

bool RenderDevice::CreateTarget() {
    if (target) SDL_DestroyTexture(target);
    target = nullptr;
    if (!SDL_RenderTargetSupported(renderer)) return false;
    target = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                               parameters.backBufferWidth, parameters.backBufferHeight);
    if (target) SDL_SetTextureScaleMode(target, SDL_ScaleModeLinear);
    return target != nullptr;
}

DeviceState RenderDevice::TestCooperativeLevel() const {
    if (lost || window.IsMinimised()) return DeviceState::Lost;
    if (needsReset) return DeviceState::NeedsReset;
    return DeviceState::Usable;
}

void RenderDevice::NoteReset(bool deviceLost) {
    needsReset = true;
    if (deviceLost) texturesLost = true;
}

bool RenderDevice::Reset(const PresentParameters& p) {
    const bool windowChanged = p.windowed != parameters.windowed;
    parameters.windowed = p.windowed;
    if (windowChanged) window.SetFullscreen(!parameters.windowed);
    if (lost || window.IsMinimised()) return false;
    bool ok = CreateTarget() || !SDL_RenderTargetSupported(renderer);
    if (texturesLost) {
        for (Texture* texture : textures)
            ok = texture->Upload() && ok;
        texturesLost = !ok;
    }
    needsReset = !ok;
    return ok;
}

void RenderDevice::Clear(uint32_t argb) {
    SDL_SetRenderDrawColor(renderer, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF,
                           (argb >> 24) & 0xFF);
    SDL_RenderClear(renderer);
}

void RenderDevice::BeginScene() {
    if (target) SDL_SetRenderTarget(renderer, target);
}

void RenderDevice::EndScene() {}

void RenderDevice::Present() {
    if (target) {
        SDL_SetRenderTarget(renderer, nullptr);
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, target, nullptr, nullptr);
    }
    SDL_RenderPresent(renderer);
}

std::unique_ptr<Texture> RenderDevice::Adopt(SDL_Surface* surface) {
    if (!surface) return nullptr;
    std::unique_ptr<Texture> texture(new Texture(this, surface));
    if (!texture->Upload()) {
        texture->device = nullptr;
        return nullptr;
    }
    textures.push_back(texture.get());
    return texture;
}

void RenderDevice::Forget(Texture* texture) {
    textures.erase(std::remove(textures.begin(), textures.end(), texture), textures.end());
}

std::unique_ptr<Texture> RenderDevice::CreateTextureFromMemory(const void* data, size_t size) {
    if (!data || size == 0 || size > 0x7FFFFFFF) return nullptr;
    SDL_RWops* stream = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (!stream) return nullptr;
    return Adopt(PrepareSurface(IMG_Load_RW(stream, 1)));
}

std::unique_ptr<Texture> RenderDevice::CreateTextureFromFile(const std::string& path) {
    return Adopt(PrepareSurface(IMG_Load(path.c_str())));
}

std::unique_ptr<Texture> RenderDevice::CreateSolidTexture(uint32_t argb, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return nullptr;
    SDL_FillRect(surface, nullptr, argb);
    return Adopt(surface);
}

std::vector<uint32_t> RenderDevice::ReadPixels() {
    const int w = parameters.backBufferWidth;
    const int h = parameters.backBufferHeight;
    std::vector<uint32_t> pixels(static_cast<size_t>(std::max(w, 0)) * std::max(h, 0));
    if (pixels.empty()) return pixels;
    SDL_Texture* previous = SDL_GetRenderTarget(renderer);
    if (target) SDL_SetRenderTarget(renderer, target);
    const bool ok = SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                                         w * 4) == 0;
    if (target) SDL_SetRenderTarget(renderer, previous);
    if (!ok) return {};
    // The back buffer has no meaningful alpha: the picture is opaque.
    for (uint32_t& pixel : pixels)
        pixel |= 0xFF000000u;
    return pixels;
}

bool RenderDevice::SaveScreenshot(const std::string& path) {
    std::vector<uint32_t> pixels = ReadPixels();
    if (pixels.empty()) return false;
    SDL_Surface* shot = SDL_CreateRGBSurfaceWithFormatFrom(
        pixels.data(), parameters.backBufferWidth, parameters.backBufferHeight, 32,
        parameters.backBufferWidth * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!shot) return false;
    const bool ok = IMG_SavePNG(shot, path.c_str()) == 0;
    SDL_FreeSurface(shot);
    return ok;
}
