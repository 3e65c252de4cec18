#include "core/TodayAnimation.h"

TodayAnimation::Frame TodayAnimation::step() {
    Frame frame{};
    frame.image = {imageLeft, imageTop};
    stepTop -= 2;
    imageTop += stepTop;
    stepLeft -= 1;
    imageLeft += stepLeft;
    frame.check = {listLeft, imageTop};
    listLeft -= stepLeft;
    frame.listLeft = listLeft;
    frame.titleTop = listLeft + stepLeft - 160;
    frame.buttonLeft = imageLeft + 850;
    frame.atRest = imageLeft >= 5000;
    return frame;
}
