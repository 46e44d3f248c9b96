#pragma once
// A picture on the drawing device. A copy of its pixels is kept in memory, so the
// device copy can be rebuilt after the device was lost.
#include <cstdint>

struct SDL_Texture;
struct SDL_Surface;
class RenderDevice;

class Texture {
public:
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    int Width() const { return width; }
    int Height() const { return height; }
    SDL_Texture* Handle() const { return handle; }
    // The colour of one pixel (ARGB) of the kept copy; 0 outside the picture.
    uint32_t PixelAt(int x, int y) const;

    // The colour that a loaded picture turns into transparent black.
    static constexpr uint32_t ColourKey = 0xFF00FF64;

private:
    friend class RenderDevice;
    Texture(RenderDevice* device, SDL_Surface* pixels) : device(device), pixels(pixels) {}
    bool Upload();

    RenderDevice* device;
    SDL_Surface* pixels;
    SDL_Texture* handle = nullptr;
    int width = 0;
    int height = 0;
};
