// Opening web addresses and local pages goes through the desktop's URL handlers, nothing else.
#include <QDesktopServices>
#include <QList>
#include <QTest>
#include <QUrl>

#include "weblink.h"

using namespace tessaro::platform;

class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class WebLinkTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        for (const char* scheme : {"http", "https", "file", "ftp", "mailto"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder_, "open");
        }
        recorder_.opened.clear();
    }

    void cleanup()
    {
        for (const char* scheme : {"http", "https", "file", "ftp", "mailto"}) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }
    }

    void webAddressOrLocalPageIsHandedToTheDesktopAndSucceeds_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::newRow("https") << QUrl(QStringLiteral("https://www.example.com/tessaro/"));
        QTest::newRow("http") << QUrl(QStringLiteral("http://www.example.com"));
        QTest::newRow("local page") << QUrl::fromLocalFile(QStringLiteral("/opt/tessaro/orvane.html"));
    }

    void webAddressOrLocalPageIsHandedToTheDesktopAndSucceeds()
    {
        QFETCH(QUrl, url);
        QVERIFY(OpenWebAddress(url));
        QCOMPARE(recorder_.opened, QList<QUrl>{url});
    }

    void anythingElseFailsWithoutReachingTheDesktop_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::newRow("empty") << QUrl();
        QTest::newRow("file without path") << QUrl(QStringLiteral("file:"));
        QTest::newRow("ftp") << QUrl(QStringLiteral("ftp://www.example.com/"));
        QTest::newRow("mail") << QUrl(QStringLiteral("mailto:maker@example.com"));
        QTest::newRow("no host") << QUrl(QStringLiteral("https:///path"));
        QTest::newRow("relative") << QUrl(QStringLiteral("www.example.com"));
    }

    void anythingElseFailsWithoutReachingTheDesktop()
    {
        QFETCH(QUrl, url);
        QVERIFY(!OpenWebAddress(url));
        QVERIFY(recorder_.opened.isEmpty());
    }

private:
    UrlRecorder recorder_;
};

QTEST_MAIN(WebLinkTest)
#include "weblink_test.moc"
