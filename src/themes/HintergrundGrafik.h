// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An animated background: figures behind (and partly in front of) the card table that move
// by themselves and react to the player's clicks. The card-game scene routes its drawing,
// update and mouse events here; the object hangs in AppState::animatedBackground.
// Coordinates of the mouse operations are client coordinates reduced to 16 bits.
#include "platform/IntRect.h"
#include "platform/Transform2D.h"

#include <cstdint>

class AppState;

class HintergrundGrafik {
public:
    explicit HintergrundGrafik(AppState& app) : app(&app) {}
    virtual ~HintergrundGrafik() = default;
    HintergrundGrafik(const HintergrundGrafik&) = delete;
    HintergrundGrafik& operator=(const HintergrundGrafik&) = delete;

    // Slot 0: drawn before the cards; slot 1: drawn after them.
    virtual void DrawBackLayer() {}
    virtual void DrawFrontLayer() {}
    // Slot 2: once per frame, by the wall-clock frame time (so figures move while paused).
    virtual void Update() {}
    virtual void OnLeftButtonDown(uint16_t, uint16_t) {}
    virtual void OnLeftButtonUp(uint16_t, uint16_t) {}
    virtual void OnMouseMove(uint16_t, uint16_t) {}
    virtual void OnLeftDoubleClick(uint16_t, uint16_t) {}
    // Slots 7 and 8 are reserved and never called.
    virtual void Reserved1(int) {}
    virtual void Reserved2(int) {}
    // Slot 9: the animation level changed; with animations off every figure goes back to
    // its rest pose.
    virtual void ResetToRestPose() {}
    // Wall-clock seconds until the picture changes by itself: the next frame of a running
    // animation, or the end of the shortest wait before a figure's next show (0: moves every
    // frame).
    virtual double NextChangeIn() const { return 0.0; }

    // How long a figure waits before its next idle show, by the animation level:
    // seldom (1) R(spread)·5 + base·3 seconds, often (2) base + R(spread), off 0.
    static double IdleInterval(int animationLevel, int spread, int base);
    // The part of both stages that shows nothing, left open for the card table.
    static constexpr IntRect StageOpening{220, 160, 800, 600};
    // Frame `frame` of a sheet of w × h frames, `perRow` to a row.
    static IntRect SheetFrame(int frame, int width, int height, int perRow);
    // R(n): the next number of the shared random generator modulo n.
    static int Random(int n);

protected:
    double IdleInterval(int spread, int base) const;
    int Level() const;
    double FrameTime() const;
    float Width() const;
    float Height() const;
    // A sheet frame drawn unscaled with its top-left corner at `at`.
    void DrawFrame(int slot, IntRect source, PointF at) const;
    // A 1024 × 768 stage at (0, 0). Its middle, over the card table, is see-through, so it is
    // drawn as the four bands around that middle: the same picture at much less blending.
    void DrawStage(int slot) const;
    void PlayNow(int soundId) const;
    void PlayLater(int soundId, double delay, double volumeFactor) const;

    AppState* app;
};

// The background of a theme: the saloon for 1, the jungle for any other value.
HintergrundGrafik* CreateBackgroundAnimation(int theme);
HintergrundGrafik* CreateBackgroundAnimation(AppState& app, int theme);
