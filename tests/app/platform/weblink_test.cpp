// Opening web addresses goes through the desktop's URL handlers, and only for web addresses.
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

    void webAddressIsHandedToTheDesktopAndSucceeds_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::newRow("https") << QUrl(QStringLiteral("https://www.example.com/tessaro/"));
        QTest::newRow("http") << QUrl(QStringLiteral("http://www.example.com"));
    }

    void webAddressIsHandedToTheDesktopAndSucceeds()
    {
        QFETCH(QUrl, url);
        QVERIFY(OpenWebAddress(url));
        QCOMPARE(recorder_.opened, QList<QUrl>{url});
    }

    void anythingButAWebAddressFailsWithoutReachingTheDesktop_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::newRow("empty") << QUrl();
        QTest::newRow("local file") << QUrl::fromLocalFile(QStringLiteral("/bin/sh"));
        QTest::newRow("ftp") << QUrl(QStringLiteral("ftp://www.example.com/"));
        QTest::newRow("mail") << QUrl(QStringLiteral("mailto:maker@example.com"));
        QTest::newRow("no host") << QUrl(QStringLiteral("https:///path"));
        QTest::newRow("relative") << QUrl(QStringLiteral("www.example.com"));
    }

    void anythingButAWebAddressFailsWithoutReachingTheDesktop()
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
