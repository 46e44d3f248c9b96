// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures of the western street whose state is more than a looping phase.
#include "platform/Transform2D.h"

#include <array>

// The wind: gravity and gusts that push the tumbleweed and the leaflets.
struct SaloonWind {
    PointF gravity{0.0f, 100.0f};
    PointF gust{50.0f, -50.0f};
    double gustWait = 10.0; // calm before the next gust
    double gustTime = 1.0;
};

struct SaloonTumbleweed {
    PointF position{512.0f, 572.0f};
    PointF velocity;
    double rotation = 0.0;
};

// A cut-out figure that rises behind the saloon door and can be shot while the door is open.
struct SaloonDoorFigure {
    PointF position{0.0f, 222.0f};
    double timer = 0.0; // counts down through the show, then to -1 before the next one
    double total = 0.0; // the length of the current show
    double frame = 0.0; // 0 hidden … 10 fully shown, 11 hit
    int kind = 0;       // which of the three sheets
};

// A figure that shows for a while after a click (timer) with a running phase.
struct SaloonShow {
    PointF position;
    double timer = 0.0;
    double phase = 0.0;
};

struct SaloonIndian {
    PointF position;
    double timer = 0.0;
    double phase = 0.0;
    bool swingUp = true; // carries over from one show to the next
};

// A figure that comes by itself after a wait and stays for a show time.
struct SaloonVisitor {
    enum State { Arriving, Talking, Leaving };
    PointF position;
    double waitTimer = 5.0;
    double showTime = 0.0;
    double phase = 0.0;
    State state = Arriving;
};

struct SaloonLeaflet {
    PointF position;
    PointF velocity;
};

inline constexpr int SaloonMarkCount = 4;
