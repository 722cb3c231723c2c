#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <cstdint>

class QListWidget;

namespace pagoranto {

class TForm1;
class ThumbnailList;

// Reports on standard error, in milliseconds since the launch, when the start reaches what the
// user sees: the first paint of the picture area, the first screen of tiles, and "info.html" in
// the embedded browser. The launch is given in nanoseconds since the epoch (`date +%s%N`), so
// that loading the program counts too; without it the clock starts with this object.
class StartupTimes : public QObject {
    Q_OBJECT
public:
    StartupTimes(TForm1 &form, const QString &launchNanoseconds);

    // Whether the list shows as many tiles as its viewport holds, or all it will get.
    static bool FirstScreenFilled(const QListWidget &list, bool buildFinished);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Report(const char *milestone);

    ThumbnailList *m_list;
    std::int64_t m_launchMs;
    bool m_buildFinished = false;
    bool m_painted = false;
    bool m_tilesShown = false;
};

} // namespace pagoranto
