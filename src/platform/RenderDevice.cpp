// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RenderDevice.h"

#include "platform/PictureDecoder.h"
#include "platform/PlatformWindow.h"
#include "platform/Texture.h"
#include "platform/WorkerPool.h"

#include <SDL.h>
#include <SDL_image.h>
#include <algorithm>
#include <deque>
#include <fstream>
#include <future>
#include <iterator>
#include <thread>
#include <vector>

std::unique_ptr<RenderDevice> RenderDevice::Create(PlatformWindow& window,
                                                   const PresentParameters& parameters) {
    // A hardware renderer first (with vsync if asked for), then the software renderer.
    uint32_t flags = SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE;
    if (parameters.waitForVsync) flags |= SDL_RENDERER_PRESENTVSYNC;
    SDL_Renderer* renderer = SDL_CreateRenderer(window.Handle(), -1, flags);
    if (!renderer) renderer = SDL_CreateRenderer(window.Handle(), -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) return nullptr;
    std::unique_ptr<RenderDevice> device(new RenderDevice(window, renderer, parameters));
    SDL_RendererInfo info{};
    device->softwareTextures =
        SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
    SDL_RenderSetLogicalSize(renderer, parameters.backBufferWidth, parameters.backBufferHeight);
    device->CreateTarget();
    return device;
}

RenderDevice::RenderDevice(PlatformWindow& window, SDL_Renderer* renderer,
                           const PresentParameters& p)
    : window(window), renderer(renderer), parameters(p) {}

RenderDevice::~RenderDevice() {
    for (Texture* texture : textures) {
        texture->DestroyHandles();
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

std::unique_ptr<Texture> RenderDevice::Adopt(std::unique_ptr<Texture> texture) {
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
    const auto* bytes = static_cast<const uint8_t*>(data);
    return CreateTextureFromBytes(std::vector<uint8_t>(bytes, bytes + size));
}

std::unique_ptr<Texture> RenderDevice::CreateTextureFromBytes(std::vector<uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > 0x7FFFFFFF) return nullptr;
    auto kept = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    return Adopt(std::unique_ptr<Texture>(new Texture(this, std::move(kept), 0, 0, 0)));
}

std::unique_ptr<Texture> RenderDevice::CreateTextureFromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return nullptr;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    if (file.bad()) return nullptr;
    return CreateTextureFromBytes(std::move(bytes));
}

void RenderDevice::CreateTexturesInOrder(
    size_t count, const std::function<PictureBytes(size_t)>& read,
    const std::function<void(size_t, std::unique_ptr<Texture>, std::span<const uint8_t>)>& done) {
    struct Pending {
        std::shared_ptr<const std::vector<uint8_t>> bytes;
        std::unique_ptr<Texture> texture;
        std::future<bool> decoded; // not valid: the texture is complete or failed already
        bool ok = false;
    };
    // As many pictures in flight as there are processors to decode them, on as many
    // threads, made once for all the pictures.
    const size_t ahead = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 4);
    WorkerPool pool(std::min(ahead, count));
    auto start = [&](size_t index) {
        Pending p;
        PictureBytes bytes = read(index);
        if (!bytes || bytes->empty() || bytes->size() > 0x7FFFFFFF) return p;
        p.bytes = std::make_shared<const std::vector<uint8_t>>(std::move(*bytes));
        p.texture.reset(new Texture(this, p.bytes, 0, 0, 0));
        int w = 0, h = 0, pitch = 0;
        if (!PictureDecoder::PngSize(p.bytes->data(), p.bytes->size(), w, h)) {
            p.ok = p.texture->Upload(); // other formats are decoded on this thread
            return p;
        }
        uint32_t* rows = p.texture->PrepareCopy(w, h, pitch);
        if (!rows) {
            p.ok = p.texture->FinishCopy(false);
            return p;
        }
        p.decoded = pool.Submit([bytes = p.bytes, alpha = &p.texture->alpha, rows, w, h, pitch] {
                                   return PictureDecoder::Decode(
                                       bytes->data(), bytes->size(),
                                       [&](int dw, int dh, int& dp) -> uint32_t* {
                                           if (dw != w || dh != h) return nullptr;
                                           dp = pitch;
                                           return rows;
                                       },
                                       *alpha);
                               });
        return p;
    };

    std::deque<Pending> pending;
    size_t started = 0;
    for (size_t index = 0; index < count; ++index) {
        while (started < count && started < index + ahead)
            pending.push_back(start(started++));
        Pending p = std::move(pending.front());
        pending.pop_front();
        if (p.decoded.valid()) p.ok = p.texture->FinishCopy(p.decoded.get());
        std::unique_ptr<Texture> texture;
        if (p.ok) {
            textures.push_back(p.texture.get());
            texture = std::move(p.texture);
        }
        done(index, std::move(texture),
             p.bytes ? std::span<const uint8_t>(*p.bytes) : std::span<const uint8_t>());
    }
}

std::unique_ptr<Texture> RenderDevice::CreateSolidTexture(uint32_t argb, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    return Adopt(std::unique_ptr<Texture>(new Texture(this, nullptr, argb, width, height)));
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
