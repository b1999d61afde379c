#include "grouping/BulkGroups.h"
#include "grouping/GroupDefinitions.h"
#include "tests/grouping/GroupingFixture.h"
#include "tests/store/StoreFixture.h"

#include <QTest>

using namespace GroupingFixture;

namespace {

const QString Groups = QStringLiteral("select * from [分组定义] order by rowid");

} // namespace

// Storing the station definitions and making them in bulk.
class TestGroupDefinitions : public QObject {
    Q_OBJECT

private slots:
    void savingReplacesTheStoredGroupsAndLoadingOrdersByValue() {
        StoreFixture fx;
        fx.create();
        addGroups(fx, {"0009|0009"});
        const QVector<GroupRow> list{GroupRow::of("12", {"0001", "", "0003"}), GroupRow::of("7", {"0002"}),
                                     GroupRow::of("abc", {})};
        QVERIFY(GroupDefinitions::save(fx.dbPath(), list).ok());
        QCOMPARE(fx.rows(Groups),
                 (QStringList{"abc||||||||", "0007|0002|||||||", "0012|0001||0003|||||"}));
        QVector<GroupRow> loaded;
        QVERIFY(GroupDefinitions::load(fx.dbPath(), loaded).ok());
        QCOMPARE(texts(loaded),
                 (QStringList{"abc||||||||", "0007|0002|||||||", "0012|0001||0003|||||"}));
    }

    // A row with null values does not cut the list short, so saving it again loses nothing.
    void nullValuesLoadAsEmptyText() {
        StoreFixture fx;
        fx.create();
        rawExec(fx.dbPath(), "insert into [分组定义] ([组名],[传感器1]) values ('0001','0005');"
                             "insert into [分组定义] ([组名],[传感器2]) values ('0002','0006')");
        QVector<GroupRow> loaded;
        QVERIFY(GroupDefinitions::load(fx.dbPath(), loaded).ok());
        QCOMPARE(texts(loaded), (QStringList{"0001|0005|||||||", "0002||0006||||||"}));
    }

    // An empty list changes nothing; a failing save puts everything back.
    void theStoredGroupsStay_data() {
        QTest::addColumn<bool>("failing");
        QTest::newRow("empty list") << false;
        QTest::newRow("a failing insert") << true;
    }
    void theStoredGroupsStay() {
        QFETCH(bool, failing);
        StoreFixture fx;
        fx.create();
        addGroups(fx, {"0001|0001", "0002|0002"});
        rawExec(fx.dbPath(), "create trigger refuse before insert on [分组定义] when "
                             "new.[组名] = '0003' begin select raise(abort, 'refused'); end");
        const QVector<GroupRow> list =
            failing ? QVector<GroupRow>{GroupRow::of("4", {}), GroupRow::of("3", {})} : QVector<GroupRow>{};
        QCOMPARE(GroupDefinitions::save(fx.dbPath(), list).ok(), !failing);
        QCOMPARE(fx.rows(Groups), (QStringList{"0001|0001|||||||", "0002|0002|||||||"}));
    }

    void bulkGeneration_data() {
        QTest::addColumn<QStringList>("rule");
        QTest::addColumn<QStringList>("groups");
        QTest::newRow("three per group, the last one filled beyond the end")
            << QStringList{"3", "1", "1", "7"}
            << QStringList{"0001|0001|0002|0003|||||", "0002|0004|0005|0006|||||",
                           "0003|0007|0008|0009|||||"};
        QTest::newRow("eight from 1995 to 1999") << QStringList{"8", "1", "1995", "1999"}
                                                 << QStringList{"0001|1995|1996|1997|1998|1999|||"};
        QTest::newRow("more than eight counts as eight")
            << QStringList{"12", "20", "1", "9"}
            << QStringList{"0020|0001|0002|0003|0004|0005|0006|0007|0008",
                           "0021|0009|0010|0011|0012|0013|0014|0015|0016"};
        QTest::newRow("numbers below 1 leave their slots empty")
            << QStringList{"2", "5", "-1", "2"}
            << QStringList{"0005||||||||", "0006|0001|0002||||||"};
        QTest::newRow("no group starts beyond 1999")
            << QStringList{"4", "1", "1998", "30000"} << QStringList{"0001|1998|1999||||||"};
        QTest::newRow("cancelled") << QStringList{"", "", "", ""} << QStringList{};
        QTest::newRow("zero per group") << QStringList{"0", "1", "1", "1999"} << QStringList{};
        QTest::newRow("negative per group") << QStringList{"-2", "1", "1", "9"} << QStringList{};
    }
    void bulkGeneration() {
        QFETCH(QStringList, rule);
        QFETCH(QStringList, groups);
        QCOMPARE(texts(BulkGroups::generate(rule[0], rule[1], rule[2], rule[3])), groups);
    }
};

QTEST_GUILESS_MAIN(TestGroupDefinitions)
#include "test_group_definitions.moc"
