// The month view driven as a user drives it, headless, "today" pinned to
// 2027-02-07 (설날). DALCAL_SCREENSHOT=FILE.png also saves the window as drawn.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>

#include "application.h"
#include "date_files.h"
#include "month_view.h"
#include "sysutils.h"

namespace {

Sysutils::TDateTime NewYear2027()
{
    return Sysutils::EncodeDate(2027, 2, 7) + 0.5;
}

QString CellText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item != nullptr ? item->text() : QString();
}

}  // namespace

class MonthViewTest : public QObject {
    Q_OBJECT

private:
    TApplication application_;
    MonthView* view_ = nullptr;

    void Key(int key) { QTest::keyClick(view_->Grid(), static_cast<Qt::Key>(key)); }
    QString SelectedIso() const
    {
        const GregorianDate date = view_->Selected();
        return QString::asprintf("%04d-%02d-%02d", date.year, date.month, date.day);
    }

private slots:
    void initTestCase()
    {
        Sysutils::SetClock(&NewYear2027);
        application_.Initialize();
        EventsFile events = ParseEventsFile("음력 1-5 어머니 생신\n2027-02-14 이사 \xF0\x9F\x8E\x82\n");
        UserDates user;
        user.events = std::move(events.events);
        SetMonthViewUserDates(std::move(user));
        application_.CreateForm(view_);
        view_->ShowAsDesigned();
        QVERIFY(QTest::qWaitForWindowExposed(view_));
        if (const QByteArray path = qgetenv("DALCAL_SCREENSHOT"); !path.isEmpty()) {
            QVERIFY(view_->grab().save(QString::fromLocal8Bit(path)));
        }
    }

    void cleanupTestCase() { Sysutils::SetClock(nullptr); }

    // February 2027 opens with today selected: each day under its weekday,
    // its lunar date under it ("1월" on a lunar month's first day), 설날 and its
    // days in red with their names, Saturdays in blue, today in bold.
    void february2027()
    {
        QCOMPARE(SelectedIso(), QStringLiteral("2027-02-07"));
        QVERIFY(
            view_->Title()->text().startsWith(QStringLiteral("2027년 2월\n음력 병오년 12월(신축) · 정미년 1월(임인)")));
        const QTableWidget* grid = view_->Grid();
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("일"));
        QCOMPARE(CellText(grid, 0, 0), QString());                                  // before the 1st (a Monday)
        QVERIFY(CellText(grid, 0, 1).startsWith(QStringLiteral("1\n12.25")));       // 2027-02-01
        QVERIFY(CellText(grid, 1, 0).startsWith(QStringLiteral("7\n1월\n설날")));   // 설날 on a Sunday
        QVERIFY(CellText(grid, 1, 2).contains(QStringLiteral("대체공휴일")));       // the 9th, its substitute day
        QVERIFY(CellText(grid, 1, 4).contains(QStringLiteral("어머니 생신")));      // lunar 1-5, the 11th
        QVERIFY(CellText(grid, 2, 0).contains(QStringLiteral("이사 \U0001F382")));  // the emoji kept
        const QColor red = grid->item(1, 0)->foreground().color();
        const QColor blue = grid->item(1, 6)->foreground().color();  // the 13th
        QVERIFY(red.red() > red.blue() && blue.blue() > blue.red());
        QCOMPARE(grid->item(1, 1)->foreground().color(), red);  // 설날 연휴 on the Monday
        QVERIFY(grid->item(1, 0)->font().bold());               // today
        QVERIFY(!grid->item(1, 3)->font().bold());
        QVERIFY(grid->isRowHidden(5));  // five weeks this month
        QCOMPARE(grid->item(1, 0)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("2027년 2월 7일 일요일, 음력 1월 1일, 설날 (공휴일)"));
        QVERIFY(view_->Reading()->text().startsWith(QStringLiteral("2027-02-07 일요일 정사일\n음력 2027년 1월 1일")));
    }

    // The keyboard moves by day, week and month, across a year's end, and Home
    // comes back to today.
    void keyboard()
    {
        view_->Select({2026, 12, 31});
        Key(Qt::Key_Right);
        QCOMPARE(SelectedIso(), QStringLiteral("2027-01-01"));
        QVERIFY(view_->Title()->text().startsWith(QStringLiteral("2027년 1월")));
        Key(Qt::Key_Up);
        QCOMPARE(SelectedIso(), QStringLiteral("2026-12-25"));
        Key(Qt::Key_PageDown);
        QCOMPARE(SelectedIso(), QStringLiteral("2027-01-25"));
        view_->Select({2027, 1, 31});
        Key(Qt::Key_PageDown);
        QCOMPARE(SelectedIso(), QStringLiteral("2027-02-28"));  // the month's last day where it is shorter
        Key(Qt::Key_Home);
        QCOMPARE(SelectedIso(), QStringLiteral("2027-02-07"));
    }

    // The calendar's edges: nothing moves past 0001-01-01 or 9999-12-31.
    void edges()
    {
        view_->Select({1, 1, 1});
        Key(Qt::Key_Left);
        Key(Qt::Key_PageUp);
        QCOMPARE(SelectedIso(), QStringLiteral("0001-01-01"));
        QVERIFY(view_->Reading()->text().contains(QStringLiteral("음력 없음")));
        view_->Select({9999, 12, 31});
        Key(Qt::Key_Down);
        Key(Qt::Key_PageDown);
        QCOMPARE(SelectedIso(), QStringLiteral("9999-12-31"));
    }

    // A dark palette (a dark desktop theme): the colours chosen again, light
    // against the dark base, as the dark ones are against a light base.
    void colorsFollowThePalette()
    {
        view_->Select({2027, 2, 7});
        const QPalette light = view_->palette();
        const auto contrast = [this](int row, int column) {
            const QColor ink = view_->Grid()->item(row, column)->foreground().color();
            return ink.lightness() - view_->Grid()->palette().color(QPalette::Base).lightness();
        };
        QVERIFY(contrast(1, 0) < -60 && contrast(1, 6) < -60);  // dark red and blue on light
        QPalette dark = light;
        dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
        dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
        view_->setPalette(dark);
        QVERIFY(contrast(1, 0) > 60 && contrast(1, 6) > 60);  // light red and blue on dark
        QCOMPARE(view_->Grid()->item(1, 3)->foreground().color(), QColor(0xEE, 0xEE, 0xEE));
        view_->setPalette(light);
        QVERIFY(contrast(1, 0) < -60);
    }

    // A line of the user's files that cannot be read is named in the window.
    void problemsOfTheUsersFiles()
    {
        view_->ShowProblems(QStringLiteral("/home/u/.config/dalcal/events:3: \"2-30\" is not a date"));
        const QList<QLabel*> labels = view_->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
            return label->isVisible() && label->text().startsWith(QStringLiteral("/home/u/.config/dalcal/events:3: "));
        }));
        view_->ShowProblems({});
    }

    // Typed months, days and lunar dates, and what is refused, with why.
    void typed_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");  // empty: refused
        QTest::addColumn<QString>("said");
        QTest::newRow("YEAR MONTH") << "2027 5"
                                    << "2027-05-07"
                                    << "";
        QTest::newRow("Korean units") << "2027년 5월"
                                      << "2027-05-07"
                                      << "";
        QTest::newRow("YYYY-MM") << "2028-02"
                                 << "2028-02-07"
                                 << "";
        QTest::newRow("a day") << "2030-10-03"
                               << "2030-10-03"
                               << "";
        QTest::newRow("full-width") << "２０２７－０３－０１"
                                    << "2027-03-01"
                                    << "";
        QTest::newRow("lunar, this year") << "음력 3월 15일"
                                          << "2027-04-21"
                                          << "";
        QTest::newRow("leap month") << "음력 2025년 윤6월 1일"
                                    << "2025-07-25"
                                    << "";
        QTest::newRow("no such leap month") << "윤1월 1일"
                                            << ""
                                            << "no leap month";
        QTest::newRow("before the almanac") << "음력 1300년 1월 1일"
                                            << ""
                                            << "outside Korea's almanac";
        QTest::newRow("month 13") << "2027 13"
                                  << ""
                                  << "there is no month 13";
        QTest::newRow("words") << "next tuesday"
                               << ""
                               << "is not a month or a date";
    }
    void typed()
    {
        QFETCH(QString, typed);
        QFETCH(QString, selected);
        QFETCH(QString, said);
        view_->Select({2027, 2, 7});
        view_->GoToBox()->setText(typed);
        QTest::keyClick(view_->GoToBox(), Qt::Key_Return);
        if (selected.isEmpty()) {
            QCOMPARE(SelectedIso(), QStringLiteral("2027-02-07"));
            QVERIFY2(view_->Status()->text().contains(said), qPrintable(view_->Status()->text()));
        } else {
            QCOMPARE(SelectedIso(), selected);
            QCOMPARE(view_->Status()->text(), QString());
        }
    }
};

QTEST_MAIN(MonthViewTest)
#include "month_view_test.moc"
