// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture on the drawing device. The decoded pixels live only in the device's copy; the
// texture keeps where they came from (the compressed bytes, or the one colour) to rebuild
// that copy after the device was lost, and a two-bit-a-pixel alpha map for the questions
// drawing asks about see-through pixels.
#include "platform/AlphaMap.h"
#include "platform/IntRect.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

struct SDL_Texture;
class RenderDevice;

class Texture {
public:
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    int Width() const { return width; }
    int Height() const { return height; }
    SDL_Texture* Handle() const { return handle; }
    // The colour of one pixel (ARGB); 0 outside the picture. Meant for inspecting pictures,
    // not for drawing: unless the device's copy can be read, the first call decodes the
    // picture again and keeps that copy.
    uint32_t PixelAt(int x, int y) const;
    // The pixel is fully opaque (false outside the picture). Answered from the alpha map.
    bool OpaqueAt(int x, int y) const { return alpha.OpaqueAt(x, y); }

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
    // The same for the part inside `source` (clipped to the picture). Learnt once per
    // rectangle.
    bool IsOpaqueIn(IntRect source) const;

    // Memory the texture keeps besides the device's copy, in bytes.
    size_t KeptBytes() const;

    // The colour that a loaded picture turns into transparent black.
    static constexpr uint32_t ColourKey = 0xFF00FF64;

private:
    friend class RenderDevice;
    using Bytes = std::shared_ptr<const std::vector<uint8_t>>;
    Texture(RenderDevice* device, Bytes encoded, uint32_t solidColour, int solidWidth,
            int solidHeight);
    // Builds the device's copy from the source; on a software renderer the picture is
    // decoded straight into it.
    bool Upload();
    // The same in steps, so that decoding may run on another thread: PrepareCopy (drawing
    // thread) makes the device's copy for a w × h picture and answers where its rows go;
    // the decoder fills them and the alpha map; FinishCopy (drawing thread) completes the
    // copy, or drops it when decoding failed.
    uint32_t* PrepareCopy(int w, int h, int& pitch);
    bool FinishCopy(bool decoded);
    // Decodes the source into `pixels` (width × height, row after row).
    bool DecodeInto(std::vector<uint32_t>& pixels) const;
    // Hands the whole picture (rows `pitch` pixels apart) to `use`; false when it cannot.
    bool ReadPixels(const std::function<void(const uint32_t* pixels, int pitch)>& use) const;
    void DestroyHandles();

    RenderDevice* device;
    Bytes encoded;            // the picture's bytes as loaded; null for a picture of one colour
    uint32_t solidColour = 0; // the colour of a picture without bytes
    SDL_Texture* handle = nullptr;
    bool prefersScaledCopy = false;
    bool opaque = false;
    bool inPlace = false;          // the picture was decoded straight into the device's copy
    bool locked = false;           // the device's copy is open for decoding into it
    std::vector<uint32_t> staging; // rows on their way to a copy that cannot be written to
    mutable SDL_Texture* scaledHandle = nullptr;
    mutable float scaledX = 0.0f, scaledY = 0.0f;
    int width = 0;
    int height = 0;
    uint64_t serial;
    AlphaMap alpha;
    mutable std::vector<uint32_t> decoded; // made by ReadPixels when needed
    mutable std::map<std::tuple<int, int, int, int>, IntRect> inkBounds;
    mutable std::map<std::tuple<int, int, int, int>, bool> opaqueIn;
    static inline uint64_t lastSerial = 0;
};
