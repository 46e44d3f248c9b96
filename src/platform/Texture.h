#pragma once
// A picture on the drawing device. A copy of its pixels is kept in memory, so the
// device copy can be rebuilt after the device was lost.
#include "platform/IntRect.h"

#include <cstdint>
#include <map>
#include <tuple>

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

    // A picture that is always drawn shrunk by the same factor (the card sheet) may keep a
    // copy made at that size with a smoothing filter: drawing it is an unscaled copy, faster
    // and smoother than shrinking every frame.
    void SetPrefersScaledCopy(bool prefers) { prefersScaledCopy = prefers; }
    bool PrefersScaledCopy() const { return prefersScaledCopy; }
    // The copy scaled by (sx, sy), made on first use and kept for the last scale asked for;
    // null when it cannot be made.
    SDL_Texture* ScaledHandle(float sx, float sy) const;

    // A number no other texture of this run has, so facts learnt about a picture can be
    // kept without being mistaken for those of a later picture at the same address.
    uint64_t Serial() const { return serial; }

    // The smallest rectangle inside `source` (clipped to the picture) that holds every pixel
    // that is not fully see-through; empty when there is none. Learnt once per rectangle.
    IntRect InkBounds(IntRect source) const;

    // No pixel of the picture is see-through: an opaque draw of it needs no blending.
    bool IsOpaque() const { return opaque; }

    // The colour that a loaded picture turns into transparent black.
    static constexpr uint32_t ColourKey = 0xFF00FF64;

private:
    friend class RenderDevice;
    Texture(RenderDevice* device, SDL_Surface* pixels)
        : device(device), pixels(pixels), serial(++lastSerial) {}
    bool Upload();

    RenderDevice* device;
    SDL_Surface* pixels;
    SDL_Texture* handle = nullptr;
    bool prefersScaledCopy = false;
    bool opaque = false;
    mutable SDL_Texture* scaledHandle = nullptr;
    mutable float scaledX = 0.0f, scaledY = 0.0f;
    int width = 0;
    int height = 0;
    uint64_t serial;
    mutable std::map<std::tuple<int, int, int, int>, IntRect> inkBounds;
    static inline uint64_t lastSerial = 0;
};
