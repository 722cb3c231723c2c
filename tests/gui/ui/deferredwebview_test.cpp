#include "gui/ui/deferredwebview.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <QtTest>

using pagoranto::DeferredWebView;

class DeferredWebViewTest : public QObject {
    Q_OBJECT

private slots:
    void waitsUntilSeenOrAsked();
    void showsWhatWasLoadedBeforeItWasMade();
};

// A page shown only for a moment, as the start does with the browser, must not start the web
// engine; one that stays shown, or is asked for, makes its view once.
void DeferredWebViewTest::waitsUntilSeenOrAsked()
{
    QWidget window;
    auto *column = new QVBoxLayout(&window);
    auto *browser = new DeferredWebView(QStringLiteral("Browser"), &window);
    column->addWidget(browser);
    window.show();
    browser->hide();
    QCoreApplication::processEvents();
    QVERIFY(!browser->view());

    browser->show();
    QTRY_VERIFY(browser->view());
    QCOMPARE(browser->view()->objectName(), QStringLiteral("Browser"));
    QWebEngineView *made = browser->view();
    browser->makeSoon();
    QCoreApplication::processEvents();
    QCOMPARE(browser->view(), made);

    DeferredWebView hidden(QStringLiteral("Hidden"));
    hidden.makeSoon();
    QTRY_VERIFY(hidden.view());
}

void DeferredWebViewTest::showsWhatWasLoadedBeforeItWasMade()
{
    QTemporaryDir directory;
    const QString page = directory.filePath(QStringLiteral("info.html"));
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html><body>info</body></html>");
    file.close();

    DeferredWebView browser(QStringLiteral("Browser"));
    QSignalSpy loaded(&browser, &DeferredWebView::loadFinished);
    browser.load(QUrl::fromLocalFile(page));
    QVERIFY(!browser.view());
    QCOMPARE(browser.url(), QUrl::fromLocalFile(page));
    browser.makeSoon();
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);
    QCOMPARE(loaded.first().first().toBool(), true);
    QCOMPARE(browser.view()->url(), QUrl::fromLocalFile(page));
}

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    DeferredWebViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "deferredwebview_test.moc"
