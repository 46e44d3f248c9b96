// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the piles need to know of the application: the screen size their fans
// must stay inside and the speeds cards travel at. The card scene copies these
// from the application state; tests and the command-line tool use the defaults.

struct TableSettings {
    int screenWidth = 1024;
    int screenHeight = 768;
    double pileSpeed = 10.0;         // STAPELSPEED: cards laid out by their pile
    double mousePileSpeed = 10000.0; // MOUSESTAPELSPEED: cards following the pointer

    // The settings a pile uses before it belongs to a table.
    static const TableSettings& Defaults() {
        static const TableSettings defaults;
        return defaults;
    }
};
