#pragma once

#include "gui/options/tform1.h"
#include "gui/pictures/thumbnaillist.h"
#include "tests/support/qtchildren.h"

#include <QString>
#include <QtTest>
#include <memory>
#include <string>

namespace pagoranto::testing {

// The main window shown and activated over a scratch program folder, with its first list of
// tiles built; a list that does not reach pictureCount fails the test.
inline void StartMainWindow(std::unique_ptr<TForm1> &form, const QString &program,
                            const QString &pictures, int pictureCount)
{
    StartupPaths paths{program.toStdString(), std::string(PAGORANTO_PROGRAM_DIR) + "/", pictures};
    form = std::make_unique<TForm1>(paths, InformationTimes{0, 0});
    form->show();
    form->FormActivate();
    auto *list = Child<ThumbnailList>(form.get(), "ListView1");
    QTRY_VERIFY(!list->thumbnailListBuilding());
    QTRY_COMPARE(list->count(), pictureCount);
}

} // namespace pagoranto::testing
