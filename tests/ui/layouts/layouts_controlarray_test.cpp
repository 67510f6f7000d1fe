// ControlArray: a form's numbered controls found by name and addressed by their index.
#include "controlarray.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <stdexcept>

using tessaro::layouts::ControlArray;
using tessaro::layouts::ControlIndex;

namespace {

template <typename T = QLabel>
T* AddControl(QWidget* parent, const QString& name)
{
    auto* control = new T(parent);
    control->setObjectName(name);
    return control;
}

template <typename T>
QList<int> IndexesOf(const ControlArray<T>& array)
{
    QList<int> indexes;
    for (const auto& [index, control] : array) {
        indexes.append(index);
    }
    return indexes;
}

}  // namespace

class ControlArrayTest : public QObject {
    Q_OBJECT

private slots:
    void collectsMembersAnywhereInTheFormAndAddressesThemByIndex()
    {
        QWidget form;
        auto* client = new QWidget(&form);
        QLabel* tenth = AddControl(&form, QStringLiteral("img_bird_10"));
        QLabel* second = AddControl(client, QStringLiteral("img_bird_2"));
        QLabel* first = AddControl(&form, QStringLiteral("img_bird_1"));
        const ControlArray<QLabel> img_bird(form, QStringLiteral("img_bird"));
        QCOMPARE(img_bird.size(), std::size_t{3});
        QCOMPARE(IndexesOf(img_bird), (QList<int>{1, 2, 10}));
        QCOMPARE(img_bird[1], first);
        QCOMPARE(img_bird[2], second);
        QCOMPARE(img_bird.at(10), tenth);
        QVERIFY(img_bird.contains(2) && !img_bird.contains(3) && !img_bird.contains(0));
    }

    void leavesOutOtherNamesAndKinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("no index") << "img_bird";
        QTest::newRow("empty index") << "img_bird_";
        QTest::newRow("longer array name") << "img_birds_1";
        QTest::newRow("other array ending alike") << "big_img_bird_1";
        QTest::newRow("index with letters") << "img_bird_1a";
        QTest::newRow("negative index") << "img_bird_-1";
    }

    void leavesOutOtherNamesAndKinds()
    {
        QFETCH(QString, name);
        QWidget form;
        AddControl(&form, name);
        AddControl<QPushButton>(&form, QStringLiteral("img_bird_3"));  // not a picture control
        QLabel* member = AddControl(&form, QStringLiteral("img_bird_7"));
        const ControlArray<QLabel> array(form, QStringLiteral("img_bird"));
        QCOMPARE(IndexesOf(array), QList<int>{7});
        QCOMPARE(array[7], member);
    }

    void patternCharactersInTheArrayNameAreLiteral()
    {
        QWidget form;
        AddControl(&form, QStringLiteral("imgXbird_1"));
        QCOMPARE(ControlArray<QLabel>(form, QStringLiteral("img.bird")).size(), std::size_t{0});
    }

    void indexOutsideTheArrayThrows_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("gap") << 2;
        QTest::newRow("zero") << 0;
        QTest::newRow("past the end") << 4;
        QTest::newRow("negative") << -1;
    }

    void indexOutsideTheArrayThrows()
    {
        QFETCH(int, index);
        QWidget form;
        AddControl(&form, QStringLiteral("img_source_1"));
        AddControl(&form, QStringLiteral("img_source_3"));
        const ControlArray<QLabel> img_source(form, QStringLiteral("img_source"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, img_source.at(ControlIndex(index)));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, img_source[ControlIndex(index)]);
    }

    void badMemberNameIsAFaultOfTheForm_data()
    {
        QTest::addColumn<QString>("second");
        QTest::newRow("index used twice") << "img_bird_4";
        QTest::newRow("leading zero") << "img_bird_07";
        QTest::newRow("beyond 16 bits") << "img_bird_32768";
        QTest::newRow("far beyond int") << "img_bird_99999999999";
    }

    void badMemberNameIsAFaultOfTheForm()
    {
        QFETCH(QString, second);
        QWidget form;
        AddControl(&form, QStringLiteral("img_bird_4"));
        AddControl(&form, second);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ControlArray<QLabel>(form, QStringLiteral("img_bird")));
    }
};

QTEST_MAIN(ControlArrayTest)
#include "layouts_controlarray_test.moc"
