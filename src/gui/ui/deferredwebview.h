#pragma once

#include <QUrl>
#include <QWidget>

class QStackedLayout;
class QWebEngineView;

namespace pagoranto {

// A web view made when it is first seen or asked for: starting the web engine holds the window
// thread for about a second, which the windows should not wait for at start. Until then a
// placeholder keeps the place, and what is loaded waits for the view.
//
// Where OpenGL works, the placeholder is an OpenGL widget, so that the window is given the
// OpenGL surface that the view's render widget needs from its first show: added to a shown
// window, the render widget would make Qt re-create that window's native window.
class DeferredWebView : public QWidget {
    Q_OBJECT
public:
    // viewName becomes the object name of the view once it is made.
    explicit DeferredWebView(const QString &viewName, QWidget *parent = nullptr);

    // Shows the URL in the view; before the view is made, the view shows it when made.
    void load(const QUrl &url);
    // The URL shown or waiting to be shown.
    QUrl url() const { return m_url; }
    // Makes the view once the events already waiting have been handled, repaints included.
    void makeSoon();
    // Null until made.
    QWebEngineView *view() const { return m_view; }

signals:
    // The view finished loading its page.
    void loadFinished(bool ok);

protected:
    void showEvent(QShowEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    void PostMakeEvent();
    void Make();

    QString m_viewName;
    QStackedLayout *m_layers;
    QWebEngineView *m_view = nullptr;
    QUrl m_url;
    bool m_makeRequested = false;
};

} // namespace pagoranto
