// Fills the thumbnail list from every JPEG of a directory, as the window does, and prints the
// time until the first screen of tiles shows, until the build ends, and the longest the window
// went without handling its events.
#include "core/pictures/filemask.h"
#include "core/platform/allocatortuning.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/platform/messagebox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QTimer>
#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    pagoranto::ReturnLargeBuffersToSystem();
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s PICTURE_DIR [SCREENSHOT_PREFIX]\n", argv[0]);
        return 2;
    }
    QString dir = QFile::decodeName(argv[1]);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    const std::vector<std::string> names =
        pagoranto::ListFilesMatching(QFile::encodeName(dir).toStdString(), "*.jpg");

    pagoranto::MessageBox messages;
    pagoranto::ThumbnailList list(messages);
    list.resize(900, 600);
    list.show();
    // The program's window has drawn its captions before a folder is opened, so the fonts are
    // loaded by then; here the first caption would pay for it inside the build.
    QFontMetrics(list.font()).horizontalAdvance(QStringLiteral("IMG_0001.jpg"));
    QCoreApplication::processEvents();

    // A 10 ms tick stands for the window's own work; its longest gap is how long it froze.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, sinceTick.restart()); });

    const QSize grid = list.gridSize();
    const int firstScreen = std::max(1, list.viewport()->width() / grid.width()) *
                            std::max(1, list.viewport()->height() / grid.height());
    QElapsedTimer elapsed;
    double firstScreenSeconds = 0;
    // With a prefix, the list is photographed half filled and filled.
    const QString shots = argc == 3 ? QFile::decodeName(argv[2]) : QString();
    // The list selects its newest item once per round of appended items, so rows are skipped.
    bool halfShot = false;
    QObject::connect(&list, &QListWidget::currentRowChanged, [&](int row) {
        if (row + 1 >= firstScreen && firstScreenSeconds == 0)
            firstScreenSeconds = elapsed.nsecsElapsed() / 1e9;
        if (!shots.isEmpty() && !halfShot && row + 1 >= int(names.size()) / 2) {
            halfShot = true;
            list.grab().save(shots + QStringLiteral("-half.png"));
        }
    });
    elapsed.start();
    sinceTick.start();
    tick.start();
    list.Build(dir, names);
    const double seconds = elapsed.nsecsElapsed() / 1e9;
    tick.stop();
    if (!shots.isEmpty())
        list.grab().save(shots + QStringLiteral("-filled.png"));

    std::printf("%d tiles of %zu files in %.3f s, first screen of %d tiles in %.3f s, longest "
                "pause of the window %lld ms\n",
                list.count(), names.size(), seconds, std::min(firstScreen, list.count()),
                list.count() >= firstScreen ? firstScreenSeconds : seconds,
                static_cast<long long>(longestGap));
    return 0;
}
