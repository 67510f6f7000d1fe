// The game's message box: its title, text, single OK button and waiting until closed.
#include <QTest>
#include <QWidget>

#include "messagebox.h"
#include "modalboxwatcher.h"

using namespace tessaro::platform;

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheTextUnderTheGameTitleWithOnlyAnOkButton_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("link failure") << QStringLiteral("oops, unable to link you there");
        QTest::newRow("markup stays literal") << QStringLiteral("<b>not bold</b> & <i>not italic</i>");
        QTest::newRow("empty") << QString();
    }

    void showsTheTextUnderTheGameTitleWithOnlyAnOkButton()
    {
        QFETCH(QString, text);
        QWidget parent;
        const ModalBoxWatcher watcher;

        ShowMessage(&parent, text);

        QCOMPARE(watcher.Count(), 1);
        const SeenMessageBox& box = watcher.Last();
        QCOMPARE(box.text, text);
        QCOMPARE(box.textFormat, Qt::PlainText);
        QCOMPARE(box.title, QStringLiteral("Tessaro"));
        QCOMPARE(box.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QVERIFY(box.modal);
        QCOMPARE(box.objectName, QString::fromLatin1(kMessageBoxObjectName));
    }

    void eachCallWaitsForItsOwnBoxAlsoWithoutParent()
    {
        const ModalBoxWatcher watcher;
        ShowMessage(nullptr, QStringLiteral("first"));
        ShowMessage(nullptr, QStringLiteral("second"));
        QCOMPARE(watcher.Count(), 2);
        QCOMPARE(watcher.Last().text, QStringLiteral("second"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "messagebox_test.moc"
