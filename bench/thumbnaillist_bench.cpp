// Fills the thumbnail list from every JPEG of a directory, as the window does, and prints the
// time until the build ends and the longest the window went without handling its events.
#include "core/pictures/filemask.h"
#include "core/platform/allocatortuning.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/platform/messagebox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    pagoranto::ReturnLargeBuffersToSystem();
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PICTURE_DIR\n", argv[0]);
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
    QCoreApplication::processEvents();

    // A 10 ms tick stands for the window's own work; its longest gap is how long it froze.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, sinceTick.restart()); });

    QElapsedTimer elapsed;
    elapsed.start();
    sinceTick.start();
    tick.start();
    list.Build(dir, names);
    const double seconds = elapsed.nsecsElapsed() / 1e9;
    tick.stop();

    std::printf("%d tiles of %zu files in %.3f s, longest pause of the window %lld ms\n",
                list.count(), names.size(), seconds, static_cast<long long>(longestGap));
    return 0;
}
