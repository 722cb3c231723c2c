#include "gui/ui/deferredwebview.h"

#include <QCoreApplication>
#include <QEvent>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QPainter>
#include <QStackedLayout>
#include <QWebEngineView>

namespace pagoranto {

namespace {

const QEvent::Type makeEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// Paints the view's background until the view is there.
class OpenGLPlaceholder : public QOpenGLWidget {
public:
    using QOpenGLWidget::QOpenGLWidget;

protected:
    void paintGL() override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().base());
    }
};

bool OpenGLWorks()
{
    if (const QOpenGLContext *shared = QOpenGLContext::globalShareContext())
        return shared->isValid();
    static const bool works = [] {
        QOpenGLContext probe;
        return probe.create();
    }();
    return works;
}

QWidget *MakePlaceholder(QWidget *parent)
{
    if (OpenGLWorks())
        return new OpenGLPlaceholder(parent);
    auto *plain = new QWidget(parent);
    plain->setBackgroundRole(QPalette::Base);
    plain->setAutoFillBackground(true);
    return plain;
}

} // namespace

DeferredWebView::DeferredWebView(const QString &viewName, QWidget *parent)
    : QWidget(parent), m_viewName(viewName), m_layers(new QStackedLayout(this))
{
    m_layers->setContentsMargins(0, 0, 0, 0);
    m_layers->addWidget(MakePlaceholder(this));
}

void DeferredWebView::load(const QUrl &url)
{
    m_url = url;
    if (m_view)
        m_view->load(url);
}

void DeferredWebView::makeSoon()
{
    if (m_view || m_makeRequested)
        return;
    m_makeRequested = true;
    PostMakeEvent();
}

void DeferredWebView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    PostMakeEvent();
}

void DeferredWebView::PostMakeEvent()
{
    // At low priority, behind the repaints already asked for: the window shows what it has
    // before the web engine holds its thread.
    QCoreApplication::postEvent(this, new QEvent(makeEvent), Qt::LowEventPriority);
}

void DeferredWebView::customEvent(QEvent *event)
{
    if (event->type() != makeEvent)
        return QWidget::customEvent(event);
    // A page shown only for a moment, as the start does, does not make the view.
    if (!m_view && (m_makeRequested || isVisible()))
        Make();
}

void DeferredWebView::Make()
{
    m_view = new QWebEngineView(this);
    m_view->setObjectName(m_viewName);
    connect(m_view, &QWebEngineView::loadFinished, this, &DeferredWebView::loadFinished);
    m_layers->addWidget(m_view);
    m_layers->setCurrentWidget(m_view);
    // The first load makes the view's render widget, now rather than inside a later event.
    m_view->setUrl(m_url.isEmpty() ? QUrl(QStringLiteral("about:blank")) : m_url);
}

} // namespace pagoranto
