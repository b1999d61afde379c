// The whole road of an upload: the recorder simulator on a pseudo-terminal, connect,
// upload, save with a confirmed date-time, then every view of the stored readings.
#include "app/frmMain.h"
#include "common/Clock.h"
#include "common/Module1.h"
#include "device/ui/DeviceController.h"
#include "store/ReadingsModel.h"
#include "store/ui/StoreController.h"
#include "tests/link/sim/SimRun.h"
#include "tests/support/ConfirmDateTime.h"
#include "tests/support/PaneRows.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

class TestUploadToViews : public QObject {
    Q_OBJECT

    ScriptedPrompts m_prompts;
    QTemporaryDir m_dir;

private slots:
    void anUploadIsSavedAndShownInEveryView() {
        Module1 state;
        state.DatabasePath = m_dir.filePath(QStringLiteral("数据库.mdb"));
        const QString csvPath = m_dir.filePath(QStringLiteral("readings.csv"));
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::WriteOnly | QIODevice::Text));
        csv.write("1,23.4\n2,-5.3\n3,0.0\n999,41.2\n");
        csv.close();
        SimRun sim({QStringLiteral("--readings"), csvPath});
        QVERIFY(!sim.path().isEmpty());
        qputenv("THERMBOOK_SERIAL_PORTS", sim.path().toLocal8Bit());

        ScaledClock clock(50.0, QDateTime(QDate(2008, 4, 30), QTime(14, 25, 3)));
        frmMain w(state, m_prompts, clock);
        w.show();

        m_prompts.answer(Prompts::Answer::Ok); // the checklist before the search
        w.actions().menu_Connect->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!w.device().linkBusy(), 30000);
        QVERIFY(w.actions().menu_Connect->isChecked());

        m_prompts.clear();
        m_prompts.answer(Prompts::Answer::Yes);
        confirmDateTime(m_prompts, "2008-04-30", "14:30:00");
        w.actions().menu_Upload->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!w.device().linkBusy(), 30000);
        QCOMPARE(m_prompts.texts(),
                 (QStringList{"是否被将设备数据保存到计算机数据库中？", "数据已经存入数据库"}));
        auto* list = Part<QTreeView>(w, "ListView2");
        auto* editor = Part<QLineEdit>(w, "Text1");
        QCOMPARE(Rows(list), 999);

        // A reading corrected in place is what the next save stores.
        const QModelIndex second = list->model()->index(1, 0);
        list->scrollTo(second);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(second).topLeft() + QPoint(5, 3));
        QTRY_VERIFY(editor->isVisible());
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("-4.8"));
        m_prompts.answer(Prompts::Answer::Yes);
        confirmDateTime(m_prompts, "2008-05-01", "08:00:00");
        w.action(QStringLiteral("menuSave2Mdb"))->trigger();

        QCOMPARE(w.store().GetUpdownTimeList(), QStringLiteral("|2008-05-01 08:00:00|2008-04-30 14:30:00"));

        w.action(QStringLiteral("menu_OrderByIdTime"))->trigger();
        QStringList rows = PaneRows(w);
        QCOMPARE(rows.size(), 2 * 999);
        QCOMPARE(rows[0], QStringLiteral("001|2008-05-01 08:00:00|023"));
        QCOMPARE(rows[1], QStringLiteral("|2008-04-30 14:30:00|023"));
        QCOMPARE(rows[2], QStringLiteral("002|2008-05-01 08:00:00|-005"));
        QCOMPARE(rows[3], QStringLiteral("|2008-04-30 14:30:00|-005"));
        QCOMPARE(rows[4], QStringLiteral("003|2008-05-01 08:00:00|000"));
        QCOMPARE(rows[6], QStringLiteral("004|2008-05-01 08:00:00|E1"));
        QCOMPARE(rows.last(), QStringLiteral("|2008-04-30 14:30:00|041"));

        w.action(QStringLiteral("menu_OrderByTimeId"))->trigger();
        rows = PaneRows(w);
        QCOMPARE(rows.size(), 2 * 999);
        QCOMPARE(rows[0], QStringLiteral("2008-05-01 08:00:00|001|023"));
        QCOMPARE(rows[999], QStringLiteral("2008-04-30 14:30:00|001|023"));

        w.action(QStringLiteral("Menu_orderDateTime"))->trigger();
        QCOMPARE(PaneRows(w), (QStringList{"2008-05-01 08:00:00", "2008-04-30 14:30:00"}));

        w.action(QStringLiteral("Menu_order编号"))->trigger();
        rows = PaneRows(w);
        QCOMPARE(rows.size(), 999);
        QCOMPARE(rows.first(), QStringLiteral("1"));
        QCOMPARE(rows.last(), QStringLiteral("999"));

        // The edited reading went into the second save only.
        w.store().ChaXun(QStringLiteral("select * from [表1] where val(编号) = 2 order by [日期时间] asc"),
                 QStringLiteral("日期时间"));
        QCOMPARE(PaneRows(w), (QStringList{"2008-04-30 14:30:00|002|-005.30",
                                           "2008-05-01 08:00:00|002|-004.80"}));
        QVERIFY(m_prompts.unanswered() == 0);
    }
};

QTEST_MAIN(TestUploadToViews)
#include "test_upload_to_views.moc"
