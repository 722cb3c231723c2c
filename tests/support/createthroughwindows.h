#pragma once

#include "gui/generator/tendstatus.h"
#include "gui/options/tform1.h"
#include "gui/pictures/tfilelistwindow.h"
#include "tests/support/eventloopdriver.h"
#include "tests/support/qtchildren.h"

#include <QPushButton>

namespace pagoranto::testing {

// Create as a user presses it: the picture list started, the end window closed.
inline void CreateThroughTheWindows(TForm1 &form)
{
    auto *pictureList = Child<Tfilelistwindow>(&form, "Tfilelistwindow");
    Driver start([pictureList] {
        if (!pictureList->isVisible())
            return false;
        pictureList->startButton->click();
        return true;
    });
    auto *endWindow = Child<Tendstatus>(&form, "Tendstatus");
    Driver end([endWindow] {
        if (!endWindow->isVisible())
            return false;
        endWindow->accept();
        return true;
    });
    Child<QPushButton>(&form, "Button3")->click();
}

} // namespace pagoranto::testing
