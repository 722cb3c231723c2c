#include "gui/options/startuptimes.h"

#include "gui/options/tform1.h"
#include "gui/pictures/thumbnaillist.h"

#include <QDateTime>
#include <QEvent>
#include <QListWidget>
#include <cstdio>

namespace pagoranto {

namespace {

std::int64_t NowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

StartupTimes::StartupTimes(TForm1 &form, const QString &launchNanoseconds)
    : QObject(&form), m_list(form.findChild<ThumbnailList *>(QStringLiteral("ListView1")))
{
    bool given = false;
    const qint64 launch = launchNanoseconds.toLongLong(&given);
    m_launchMs = given && launch > 0 ? launch / 1000000 : NowMs();
    if (m_list) {
        m_list->viewport()->installEventFilter(this);
        connect(m_list, &ThumbnailList::buildFinished, this, [this] {
            m_buildFinished = true;
            m_list->viewport()->update();
        });
    }
    connect(&form, &TForm1::internalBrowserLoaded, this, [this] { Report("browser"); });
}

bool StartupTimes::FirstScreenFilled(const QListWidget &list, bool buildFinished)
{
    if (buildFinished)
        return true;
    const int count = list.count();
    if (count == 0)
        return false;
    const QRect last = list.visualItemRect(list.item(count - 1));
    return last.bottom() >= list.viewport()->height();
}

bool StartupTimes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        if (!m_painted) {
            m_painted = true;
            Report("window");
        }
        if (!m_tilesShown && FirstScreenFilled(*m_list, m_buildFinished)) {
            m_tilesShown = true;
            Report("tiles");
        }
    }
    return QObject::eventFilter(watched, event);
}

void StartupTimes::Report(const char *milestone)
{
    std::fprintf(stderr, "startup: %s %lld ms\n", milestone,
                 static_cast<long long>(NowMs() - m_launchMs));
    std::fflush(stderr);
}

} // namespace pagoranto
