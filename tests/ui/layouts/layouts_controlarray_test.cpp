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
    void collectsMembersAnywhereInTheFormInIndexOrder();
    void addressesEachMemberByItsIndex();
    void leavesOutOtherNamesAndKinds_data();
    void leavesOutOtherNamesAndKinds();
    void indexOutsideTheArrayThrows_data();
    void indexOutsideTheArrayThrows();
    void badMemberNameIsAFaultOfTheForm_data();
    void badMemberNameIsAFaultOfTheForm();
};

void ControlArrayTest::collectsMembersAnywhereInTheFormInIndexOrder()
{
    QWidget form;
    auto* client = new QWidget(&form);
    AddControl(&form, QStringLiteral("img_bird_10"));
    AddControl(client, QStringLiteral("img_bird_2"));
    AddControl(&form, QStringLiteral("img_bird_1"));
    const ControlArray<QLabel> img_bird(form, QStringLiteral("img_bird"));
    QCOMPARE(img_bird.size(), std::size_t{3});
    QCOMPARE(IndexesOf(img_bird), (QList<int>{1, 2, 10}));
}

void ControlArrayTest::addressesEachMemberByItsIndex()
{
    QWidget form;
    QPushButton* rules = AddControl<QPushButton>(&form, QStringLiteral("btn_help_0"));
    QPushButton* ok = AddControl<QPushButton>(&form, QStringLiteral("btn_help_4"));
    QPushButton* about = AddControl<QPushButton>(&form, QStringLiteral("btn_help_5"));
    const ControlArray<QPushButton> btn_help(form, QStringLiteral("btn_help"));
    QCOMPARE(btn_help[0], rules);
    QCOMPARE(btn_help[4], ok);
    QCOMPARE(btn_help.at(5), about);
    for (ControlIndex missing : {ControlIndex(1), ControlIndex(2), ControlIndex(3), ControlIndex(6)}) {
        QVERIFY(!btn_help.contains(missing));
    }
    QVERIFY(btn_help.contains(0) && btn_help.contains(4) && btn_help.contains(5));
}

void ControlArrayTest::leavesOutOtherNamesAndKinds_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no index") << "img_bird";
    QTest::newRow("empty index") << "img_bird_";
    QTest::newRow("longer array name") << "img_birds_1";
    QTest::newRow("other array ending alike") << "big_img_bird_1";
    QTest::newRow("index with letters") << "img_bird_1a";
    QTest::newRow("negative index") << "img_bird_-1";
    QTest::newRow("pattern characters are literal") << "imgXbird_1";
}

void ControlArrayTest::leavesOutOtherNamesAndKinds()
{
    QFETCH(QString, name);
    QWidget form;
    AddControl(&form, name);
    AddControl<QPushButton>(&form, QStringLiteral("img_bird_3"));  // not a picture control
    QLabel* member = AddControl(&form, QStringLiteral("img_bird_7"));
    const QString arrayName = name.startsWith(QStringLiteral("imgX")) ? QStringLiteral("img.bird")
                                                                      : QStringLiteral("img_bird");
    const ControlArray<QLabel> array(form, arrayName);
    if (arrayName == QStringLiteral("img_bird")) {
        QCOMPARE(IndexesOf(array), QList<int>{7});
        QCOMPARE(array[7], member);
    } else {
        QCOMPARE(array.size(), std::size_t{0});
    }
}

void ControlArrayTest::indexOutsideTheArrayThrows_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("gap") << 2;
    QTest::newRow("zero") << 0;
    QTest::newRow("past the end") << 4;
    QTest::newRow("negative") << -1;
}

void ControlArrayTest::indexOutsideTheArrayThrows()
{
    QFETCH(int, index);
    QWidget form;
    AddControl(&form, QStringLiteral("img_source_1"));
    AddControl(&form, QStringLiteral("img_source_3"));
    const ControlArray<QLabel> img_source(form, QStringLiteral("img_source"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, img_source.at(ControlIndex(index)));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, img_source[ControlIndex(index)]);
}

void ControlArrayTest::badMemberNameIsAFaultOfTheForm_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("index used twice") << "img_bird_4" << "img_bird_4";
    QTest::newRow("leading zero") << "img_bird_4" << "img_bird_07";
    QTest::newRow("beyond 16 bits") << "img_bird_4" << "img_bird_32768";
    QTest::newRow("far beyond int") << "img_bird_4" << "img_bird_99999999999";
}

void ControlArrayTest::badMemberNameIsAFaultOfTheForm()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QWidget form;
    AddControl(&form, first);
    AddControl(&form, second);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ControlArray<QLabel>(form, QStringLiteral("img_bird")));
}

QTEST_MAIN(ControlArrayTest)
#include "layouts_controlarray_test.moc"
