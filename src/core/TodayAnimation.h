#pragma once

#include <QPoint>

// The slide-in of the today's-notes window, in twips: the logo flies in along a flattening arc,
// the check box sweeps in from the right, the list slides in from the right, the title rises
// from below and the close button slides in from the left.
struct TodayAnimation {
    struct Frame {
        QPoint image;
        QPoint check;
        int listLeft;
        int titleTop;
        int buttonLeft;
        bool atRest;
    };

    int imageLeft = -1320;
    int stepLeft = 135;
    int imageTop = -950;
    int stepTop = 105;
    int listLeft = 6500;

    // One tick: where the controls stand now.
    Frame step();
};
