// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing device: everything is drawn into a 1024 × 768 (back-buffer size) picture,
// which Present scales into the window, keeping its proportions.
#include "platform/PresentParameters.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct SDL_Renderer;
struct SDL_Texture;
class PlatformWindow;
class Texture;

enum class DeviceState {
    Usable,
    Lost,       // nothing can be drawn at the moment
    NeedsReset, // drawing works again after Reset
};

class RenderDevice {
public:
    static std::unique_ptr<RenderDevice> Create(PlatformWindow& window,
                                                const PresentParameters& parameters);
    ~RenderDevice();
    RenderDevice(const RenderDevice&) = delete;
    RenderDevice& operator=(const RenderDevice&) = delete;

    DeviceState TestCooperativeLevel() const;
    // Reports from the window: minimised/hidden, visible again, device or targets reset.
    void NoteLost() { lost = true; }
    void NoteRestored() { lost = false; }
    void NoteReset(bool deviceLost);
    // Applies the parameters (windowed or desktop fullscreen) and rebuilds what the device
    // lost. Returns false when the device is still unusable; it is retried later.
    bool Reset(const PresentParameters& parameters);

    void Clear(uint32_t argb);
    void BeginScene();
    void EndScene();
    void Present();

    // Pictures from PNG (or any format the decoder knows) bytes or a file; pixels of exactly
    // Texture::ColourKey become transparent black. Null on failure. The texture keeps a copy
    // of the bytes (the vector's, without copying, when it is handed over).
    std::unique_ptr<Texture> CreateTextureFromMemory(const void* data, size_t size);
    std::unique_ptr<Texture> CreateTextureFromBytes(std::vector<uint8_t> bytes);
    std::unique_ptr<Texture> CreateTextureFromFile(const std::string& path);
    // Many pictures at once, as start-up loads them: PNG pictures are decoded on worker
    // threads while this thread makes the device's copies. `read` is called on this thread in
    // order, a few pictures ahead; `done` on this thread for every picture in order, with
    // its texture (null when it could not be made) and its bytes (empty when there were
    // none), as soon as it and all before it are ready.
    using PictureBytes = std::optional<std::vector<uint8_t>>;
    void
    CreateTexturesInOrder(size_t count, const std::function<PictureBytes(size_t index)>& read,
                          const std::function<void(size_t index, std::unique_ptr<Texture> texture,
                                                   std::span<const uint8_t> bytes)>& done);
    // A picture of one colour.
    std::unique_ptr<Texture> CreateSolidTexture(uint32_t argb, int width, int height);

    // Writes the last drawn frame (call between EndScene and Present) as a PNG file.
    bool SaveScreenshot(const std::string& path);
    // The back buffer's pixels (ARGB, opaque, row by row); empty when they cannot be read.
    std::vector<uint32_t> ReadPixels();

    SDL_Renderer* Renderer() const { return renderer; }
    // The renderer keeps textures in plain memory that pictures can be decoded into.
    bool DecodesIntoTextures() const { return softwareTextures; }
    // Makes later textures go through a buffer, the way they reach a hardware renderer, even
    // on the software renderer (so that both ways can be checked on the off-screen driver).
    void UploadThroughBuffers() { softwareTextures = false; }
    int Width() const { return parameters.backBufferWidth; }
    int Height() const { return parameters.backBufferHeight; }

private:
    friend class Texture;
    RenderDevice(PlatformWindow& window, SDL_Renderer* renderer, const PresentParameters& p);
    std::unique_ptr<Texture> Adopt(std::unique_ptr<Texture> texture);
    void Forget(Texture* texture);
    bool CreateTarget();

    PlatformWindow& window;
    SDL_Renderer* renderer;
    PresentParameters parameters;
    SDL_Texture* target = nullptr;  // the back buffer; null when the renderer has no targets
    std::vector<Texture*> textures; // live textures, rebuilt after a device reset
    bool lost = false;
    bool needsReset = false;
    bool texturesLost = false;
    bool softwareTextures = false;
};
