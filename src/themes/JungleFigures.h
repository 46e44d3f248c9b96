// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures of the jungle whose behaviour is more than a looping phase: their state is
// plain data so the background (and its tests) can read it.
#include "platform/Transform2D.h"

struct JungleFrog {
    PointF position;
    double phase = 0.0;
    double idleTimer = 0.0; // counts down to the next croak
    double croakTime = 0.0;
    double jumpTime = 0.0;
    bool croaking = false;
    bool jumping = false;
    bool jumpRequested = false;
};

struct JungleMonkey {
    PointF position;
    PointF velocity, acceleration;
    double phase = 0.0;
    double idleTimer = 0.0; // counts down to the next scratch
    double scratchTime = 0.0;
    double eatTime = 0.0;
    double fallTime = 0.0;
    bool scratching = false;
    bool eating = false;
    bool fed = false;
    bool falling = false;
};

struct JungleSpider {
    PointF position;
    double phase = 0.0;
    double dropTime = 0.0;
    bool dropRequested = false;
};

struct JungleCaveman {
    PointF position;
    PointF scale{1.0f, 1.0f}; // (-1, 1) mirrors
    double phase = 0.0;
    double timer = 0.0;       // counts down to the next visit
    double visibleTime = 0.0; // drawn while positive
    int kind = 0;             // 0 left edge, 1 right edge (mirrored), 2 from below
};

struct JungleDragonfly {
    PointF position;
    PointF velocity;
    double phase = 0.0;
};

struct JungleSnake {
    double phase = 0.0;
    double timer = 0.0;
    double activeTime = 0.0;
};
