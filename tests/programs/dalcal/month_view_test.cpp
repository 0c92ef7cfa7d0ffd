// The month view driven as a user drives it, headless, "today" pinned to
// 2027-02-07 (설날); its files in a temporary folder (the real home is never
// read). DALCAL_SCREENSHOT=FILE.png also saves the window as drawn.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "programs/dalcal/application.h"
#include "programs/dalcal/day_cell.h"
#include "programs/dalcal/event_dialog.h"
#include "programs/dalcal/month_view.h"
#include "runtime/sysutils.h"
#include "userdata/date_files.h"

namespace {

Sysutils::TDateTime NewYear2027()
{
    return Sysutils::EncodeDate(2027, 2, 7) + 0.5;
}

std::string FileText(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const QString& path, const std::string& text)
{
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

template <typename Field>
Field* FieldOf(const EventDialog* dialog, const char* name)
{
    auto* const field = dialog->findChild<Field*>(QString::fromLatin1(name));
    if (field == nullptr) qFatal("no field %s", name);
    return field;
}

// Every field of the dialog that is shown lies inside it, no two on each other.
void FieldsApart(EventDialog* dialog)
{
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QList<QRect> places;
    for (const char* name : {"name", "solar", "lunar", "month", "day", "leap", "yearly", "once", "year", "kind",
                             "since", "remind", "remindDays", "source", "problem", "keptElsewhere", "nextDays"}) {
        const auto* const field = FieldOf<QWidget>(dialog, name);
        if (!field->isVisible() || field->height() == 0) continue;
        const QRect place(field->mapTo(dialog, QPoint(0, 0)), field->size());
        QVERIFY2(dialog->rect().contains(place), name);
        for (const QRect& other : places) QVERIFY2(!place.intersects(other), name);
        places.append(place);
    }
}

// The entries of the menu a right click at point opens ("--" a separator),
// closed after whileOpen has had it; none where no menu opens.
QStringList MenuAt(QWidget* widget, QPoint point, const std::function<void(QMenu&)>& whileOpen = {})
{
    const auto entries = std::make_shared<QStringList>();
    QTimer::singleShot(0, [entries, whileOpen] {
        auto* const menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        for (const QAction* action : menu->actions()) {
            entries->append(action->isSeparator() ? QStringLiteral("--") : action->text());
        }
        if (whileOpen) whileOpen(*menu);
        menu->close();
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, point, widget->mapToGlobal(point));
    QApplication::sendEvent(widget, &click);
    QCoreApplication::processEvents();  // the timer's turn where no menu opened
    return *entries;
}

// The window's menu entry of these words; none where there is no such entry.
QAction* ActionNamed(const QWidget* window, const QString& words)
{
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == words) return action;
    }
    return nullptr;
}

QString ItemText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item != nullptr ? item->text() : QString();
}

// A dark desktop theme's palette.
QPalette DarkPalette(QPalette palette)
{
    palette.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    palette.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    palette.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    palette.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    palette.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    palette.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
    return palette;
}

}  // namespace

class MonthViewTest : public QObject {
    Q_OBJECT

private:
    TApplication application_;
    MonthView* view_ = nullptr;
    QTemporaryDir folder_;
    QString events_;       // the user's events file
    QString adminEvents_;  // the administrator's, only read
    QString settings_;     // which kinds of days are shown
    const std::string eventsText_ = "# 우리 집\r\n음력 1-5 어머니 생신\r\n2027-02-14 이사 \xF0\x9F\x8E\x82\r\n";

    void Key(int key) { QTest::keyClick(view_->Grid(), static_cast<Qt::Key>(key)); }
    // Ctrl+Z in the window, once it is the active one again (a window's keys
    // reach only the active window).
    void UndoByKeys()
    {
        view_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view_));
        QTest::keyClick(view_->Grid(), Qt::Key_Z, Qt::ControlModifier);
    }
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
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("dalcal"));  // the desktop entry's, for its icon
        QVERIFY(folder_.isValid());
        events_ = folder_.filePath(QStringLiteral("events"));
        adminEvents_ = folder_.filePath(QStringLiteral("admin-events"));
        settings_ = folder_.filePath(QStringLiteral("settings"));
        WriteFile(events_, eventsText_);
        WriteFile(adminEvents_, "양력 2-20 가족 모임\n");
        SetMonthViewUserFiles({events_.toStdString(), false, {}, adminEvents_.toStdString(), settings_.toStdString()});
        application_.CreateForm(view_);
        view_->ShowAsDesigned();
        QVERIFY(QTest::qWaitForWindowExposed(view_));
        if (const QByteArray path = qgetenv("DALCAL_SCREENSHOT"); !path.isEmpty()) {
            QVERIFY(view_->grab().save(QString::fromLocal8Bit(path)));
        }
    }

    void cleanupTestCase() { Sysutils::SetClock(nullptr); }

    // The keyboard is on the grid the moment the window opens: Page Down moves
    // a month with no click or Tab first.
    void keysAtOnce()
    {
        QVERIFY(QTest::qWaitForWindowActive(view_));
        QCOMPARE(QApplication::focusWidget(), view_->Grid());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(SelectedIso(), QStringLiteral("2027-03-07"));
        view_->SelectToday();
    }

    // From a narrow window to a large one: every day's texts whole in its
    // cell, the reading beside the grid where both fit and below it where
    // not, the title whole, and the text growing with the cells.
    // Ctrl+Z before any change: the file untouched, and said so.
    void undoWithNothingDone()
    {
        UndoByKeys();
        QCOMPARE(FileText(events_), eventsText_);
        QCOMPARE(view_->Status()->text(), QStringLiteral("Nothing to undo."));
    }

    void everySize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("beside");
        QTest::newRow("420x600") << QSize(420, 600) << false;
        QTest::newRow("800x600") << QSize(800, 600) << true;
        QTest::newRow("1600x1000") << QSize(1600, 1000) << true;
    }
    void everySize()
    {
        QFETCH(QSize, size);
        QFETCH(bool, beside);
        QVERIFY(view_->minimumWidth() <= 420 && view_->minimumHeight() <= 600);
        view_->resize(size);
        QTRY_COMPARE(view_->size(), size);
        QTRY_COMPARE(view_->ReadingBeside(), beside);
        QTest::qWait(50);  // the layout settled
        const QTableWidget* grid = view_->Grid();
        int days = 0;
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                const QTableWidgetItem* item = grid->item(row, column);
                if (item == nullptr || grid->isRowHidden(row)) continue;
                const QRect cell = grid->visualItemRect(item);
                QVERIFY(grid->viewport()->rect().contains(cell));
                const auto content = item->data(kCellRole).value<DayCellContent>();
                const QVector<CellText> texts = LayOutCell(content, cell, grid->font(), grid->palette());
                for (const CellText& text : texts) {
                    QVERIFY2(cell.contains(text.box), qPrintable(text.text));
                    QVERIFY2(QFontMetrics(text.font).horizontalAdvance(text.text) <= text.box.width() + 1,
                             qPrintable(text.text));
                }
                ++days;
            }
        }
        QCOMPARE(days, 28);
        for (int column = 0; column < grid->columnCount(); ++column) {  // the weekdays' names whole
            const QString name = grid->horizontalHeaderItem(column)->text();
            QVERIFY(grid->fontMetrics().horizontalAdvance(name) <= grid->columnWidth(column));
        }
        QVERIFY(view_->Title()->heightForWidth(view_->Title()->width()) <= view_->Title()->height());
        const QRect cell = grid->visualItemRect(grid->item(1, 0));
        const int dayPixels = CellFontsFor(grid->font(), cell.size()).day.pixelSize();
        if (size.width() > 1000)
            QVERIFY(dayPixels > CellFontsFor(grid->font(), SmallestCell(grid->font())).day.pixelSize());
        const auto* goTo = view_->GoToBox();
        QVERIFY(goTo->fontMetrics().horizontalAdvance(goTo->placeholderText()) < goTo->width());
        // DALCAL_SCREENSHOTS=FOLDER: the window at this size, light and dark (docs/screenshots).
        if (const QString folder = qEnvironmentVariable("DALCAL_SCREENSHOTS"); !folder.isEmpty()) {
            const QString name = QStringLiteral("%1/month-%2x%3-").arg(folder).arg(size.width()).arg(size.height());
            QVERIFY(view_->grab().save(name + QStringLiteral("light.png")));
            const QPalette light = view_->palette();
            view_->setPalette(DarkPalette(light));
            QVERIFY(view_->grab().save(name + QStringLiteral("dark.png")));
            view_->setPalette(light);
        }
    }

    // A crowded day says how many more it holds; the user's dates after their
    // marker, in their own colour, a bracket never broken across lines.
    void crowdedDay()
    {
        DayCellContent content{7, QStringLiteral("1월"), {}, DayColor::Holiday, false};
        content.notes.push_back({DayKind::Holidays, QStringLiteral("설날")});
        for (int i = 0; i < 7; ++i)
            content.notes.push_back({DayKind::Events, QStringLiteral("생일 (양력 2.29, 옮김)")});
        const QPalette palette = view_->palette();
        const QFont font = view_->Grid()->font();
        const QRect cell(0, 0, SmallestCell(font).width() * 3, SmallestCell(font).height() * 4);
        const QVector<CellText> texts = LayOutCell(content, cell, font, palette);
        const auto shown = std::count_if(texts.begin(), texts.end(), [](const CellText& text) {
            return text.text.startsWith(QString::fromUtf8(kOwnDateMarker));
        });
        QVERIFY(shown >= 1 && shown < 7);
        QCOMPARE(texts.back().text, QStringLiteral("외 %1건").arg(7 - shown));
        for (const CellText& text : texts) {
            QVERIFY(cell.contains(text.box));
            QCOMPARE(text.text.count(QLatin1Char('(')), text.text.count(QLatin1Char(')')));
            if (text.text.startsWith(QString::fromUtf8(kOwnDateMarker))) QCOMPARE(text.color, OwnDateInk(palette));
        }
        QCOMPARE(texts[2].text, QStringLiteral("설날"));
        QCOMPARE(texts[2].color, DayInk(DayColor::Holiday, palette));
    }

    // The user's dates have a colour of their own, which reads on a light base
    // and on a dark one and is neither the holidays' red nor Saturday's blue.
    void ownDatesColour()
    {
        const auto luminance = [](const QColor& c) {
            const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        for (const QColor base : {QColor(Qt::white), QColor(0x24, 0x24, 0x24)}) {
            QPalette palette;
            palette.setColor(QPalette::Base, base);
            const QColor own = OwnDateInk(palette);
            const double lighter = std::max(luminance(own), luminance(base));
            const double darker = std::min(luminance(own), luminance(base));
            QVERIFY2((lighter + 0.05) / (darker + 0.05) >= 4.5, qPrintable(own.name()));  // WCAG AA
            for (const DayColor other : {DayColor::Holiday, DayColor::Saturday}) {
                const int apart = std::abs(own.hue() - DayInk(other, palette).hue());
                QVERIFY(std::min(apart, 360 - apart) > 60);
            }
        }
    }

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
        QCOMPARE(ItemText(grid, 0, 0), QString());                                  // before the 1st (a Monday)
        QVERIFY(ItemText(grid, 0, 1).startsWith(QStringLiteral("1\n12.25")));       // 2027-02-01
        QVERIFY(ItemText(grid, 1, 0).startsWith(QStringLiteral("7\n1월\n설날")));   // 설날 on a Sunday
        QVERIFY(ItemText(grid, 1, 2).contains(QStringLiteral("대체공휴일")));       // the 9th, its substitute day
        QVERIFY(ItemText(grid, 1, 4).contains(QStringLiteral("어머니 생신")));      // lunar 1-5, the 11th
        QVERIFY(ItemText(grid, 2, 0).contains(QStringLiteral("이사 \U0001F382")));  // the emoji kept
        const QColor red = grid->item(1, 0)->foreground().color();
        const QColor blue = grid->item(1, 6)->foreground().color();  // the 13th
        QVERIFY(red.red() > red.blue() && blue.blue() > blue.red());
        QCOMPARE(grid->item(1, 1)->foreground().color(), red);               // 설날 연휴 on the Monday
        QCOMPARE(grid->horizontalHeaderItem(0)->foreground().color(), red);  // 일 and 토 headed in their colours
        QCOMPARE(grid->horizontalHeaderItem(6)->foreground().color(), blue);
        QVERIFY(grid->horizontalHeaderItem(1)->foreground().color() != red);
        QVERIFY(grid->item(1, 0)->font().bold());  // today
        QVERIFY(!grid->item(1, 3)->font().bold());
        QVERIFY(grid->isRowHidden(5));  // five weeks this month
        QCOMPARE(grid->item(1, 0)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("2027년 2월 7일 일요일, 음력 1월 1일, 설날 (공휴일)"));
        QVERIFY(view_->Reading()->text().startsWith(QStringLiteral("2027-02-07 일요일 정사일\n음력 2027년 1월 1일")));
        QCOMPARE(view_->Reading()->accessibleName(), view_->Reading()->text());  // a screen reader says it whole
    }

    // The keyboard moves by day, week and month, across a year's end, and Home
    // comes back to today.
    void keyboard()
    {
        view_->Select({2026, 12, 31});
        Key(Qt::Key_Right);
        QCOMPARE(SelectedIso(), QStringLiteral("2027-01-01"));
        QVERIFY(view_->Title()->text().startsWith(QStringLiteral("2027년 1월")));
        QCOMPARE(view_->Grid()->currentRow(), 0);  // the grid's own current cell follows: 2027-01-01, a Friday
        QCOMPARE(view_->Grid()->currentColumn(), 5);
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
        view_->setPalette(DarkPalette(light));
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
        QTest::newRow("a year, its January") << "2030"
                                             << "2030-01-07"
                                             << "";
        QTest::newRow("a day of the year shown") << "3월 15일"
                                                 << "2027-03-15"
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
        view_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view_));
        view_->GoToBox()->setFocus();
        view_->GoToBox()->setText(QStringLiteral("words"));  // an old refusal on screen
        QTest::keyClick(view_->GoToBox(), Qt::Key_Return);
        QVERIFY(!view_->Status()->text().isEmpty());
        view_->GoToBox()->setText(typed);
        QTest::keyClick(view_->GoToBox(), Qt::Key_Return);
        if (selected.isEmpty()) {  // refused: the keyboard stays in the box to mend it
            QCOMPARE(SelectedIso(), QStringLiteral("2027-02-07"));
            QVERIFY2(view_->Status()->text().contains(said), qPrintable(view_->Status()->text()));
            QCOMPARE(QApplication::focusWidget(), view_->GoToBox());
        } else {  // gone there: the old refusal cleared, the keyboard on the grid
            QCOMPARE(SelectedIso(), selected);
            QCOMPARE(view_->Status()->text(), QString());
            QCOMPARE(QApplication::focusWidget(), view_->Grid());
        }
    }

    // A click selects the day under it, in this month and, through the
    // buttons, in the next one of the same year.
    void clickSelectsTheDay()
    {
        view_->Select({2027, 2, 7});
        QTableWidget* grid = view_->Grid();
        const QRect eleventh = grid->visualItemRect(grid->item(1, 4));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, eleventh.center());
        QCOMPARE(SelectedIso(), QStringLiteral("2027-02-11"));
        view_->MoveMonths(1);
        QCOMPARE(SelectedIso(), QStringLiteral("2027-03-11"));
        const QRect first = grid->visualItemRect(grid->item(0, 1));  // March 2027 begins on a Monday
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(SelectedIso(), QStringLiteral("2027-03-01"));
        const QRect blank = grid->visualRect(grid->model()->index(0, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, blank.center());
        QCOMPARE(SelectedIso(), QStringLiteral("2027-03-01"));  // the blank before the 1st selects nothing
    }

    // A lunar 기일 added from the day it falls on: 음력 fills in the day's own
    // lunar date; the dialog says what a year that lacks the date does and
    // the next days; saved at the end of the file, every other byte kept, and
    // shown in its cell and in the day's list with its years counted.
    void addALunarDate()
    {
        view_->Select({2027, 2, 6});  // lunar 2026-12-30
        QTest::keyClick(view_->Grid(), Qt::Key_Insert);
        EventDialog* const dialog = view_->Dialog();
        QVERIFY(dialog != nullptr);
        QCOMPARE(FieldOf<QSpinBox>(dialog, "day")->value(), 6);
        FieldOf<QRadioButton>(dialog, "lunar")->click();
        QCOMPARE(FieldOf<QSpinBox>(dialog, "month")->value(), 12);
        QCOMPARE(FieldOf<QSpinBox>(dialog, "day")->value(), 30);
        FieldOf<QLineEdit>(dialog, "name")
            ->insert(QStringLiteral("할아버지 기일"));           // as typed (keyClicks is Latin-1 only)
        FieldOf<QComboBox>(dialog, "kind")->setCurrentIndex(1);  // 기일
        FieldOf<QSpinBox>(dialog, "since")->setValue(1998);
        FieldOf<QComboBox>(dialog, "remind")->setCurrentIndex(5);  // N일 전: every field shown
        FieldsApart(dialog);
        QVERIFY(FieldOf<QLabel>(dialog, "source")->isHidden());    // a new date's is the user's file
        FieldOf<QComboBox>(dialog, "remind")->setCurrentIndex(3);  // 3일 전
        QCOMPARE(FieldOf<QLabel>(dialog, "keptElsewhere")->text(),
                 QStringLiteral("음력 12월 30일이 없는 해에는 29일에"));
        const QStringList next = FieldOf<QLabel>(dialog, "nextDays")->text().split(QLatin1Char('\n'));
        QCOMPARE(next.size(), 6);  // a heading and five days
        QCOMPARE(next[1], QStringLiteral("2028-01-26 (수) 29주기"));
        QCOMPARE(FieldOf<QLineEdit>(dialog, "name")->accessibleName(), QStringLiteral("Name"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        QTRY_VERIFY(view_->Dialog() == nullptr);
        QCOMPARE(FileText(events_), eventsText_ + "음력 12-30 할아버지 기일  #: 종류=기일 시작=1998 알림=3\r\n");
        QVERIFY(ItemText(view_->Grid(), 0, 6).contains(QStringLiteral("할아버지 기일")));  // the 6th, a Saturday
        QCOMPARE(view_->DayEvents()->item(0)->text(), QStringLiteral("할아버지 기일 (음력 12.30, 28주기)"));
    }

    // What cannot be is said under the fields, and Save stays off.
    void refusedInTheDialog_data()
    {
        QTest::addColumn<bool>("lunar");
        QTest::addColumn<bool>("once");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("leap");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("said");
        QTest::newRow("solar 2-30") << false << false << 2 << 30 << false << "a"
                                    << "month 2 has no day 30";
        QTest::newRow("lunar day 31") << true << false << 3 << 31 << false << "a"
                                      << "a lunar month has no day 31";
        QTest::newRow("a leap month the year lacks") << true << true << 1 << 1 << true << "a"
                                                     << "Lunar year 2027 has no leap month 1";
        QTest::newRow("no name") << false << false << 3 << 1 << false << " "
                                 << "give it a name";
        QTest::newRow("a # in the name") << false << false << 3 << 1 << false << "a # b"
                                         << "cannot hold \"#\"";
    }
    void refusedInTheDialog()
    {
        QFETCH(bool, lunar);
        QFETCH(bool, once);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, leap);
        QFETCH(QString, name);
        QFETCH(QString, said);
        view_->OpenAddDialog(GregorianDate{2027, 3, 1});
        EventDialog* const dialog = view_->Dialog();
        FieldOf<QRadioButton>(dialog, lunar ? "lunar" : "solar")->click();
        FieldOf<QRadioButton>(dialog, once ? "once" : "yearly")->click();
        FieldOf<QSpinBox>(dialog, "month")->setValue(month);
        FieldOf<QSpinBox>(dialog, "day")->setValue(day);
        QCOMPARE(FieldOf<QSpinBox>(dialog, "day")->value(), day);  // any day 1-31 is taken, then checked
        FieldOf<QCheckBox>(dialog, "leap")->setChecked(leap);
        FieldOf<QLineEdit>(dialog, "name")->setText(name);
        QVERIFY2(FieldOf<QLabel>(dialog, "problem")->text().contains(said),
                 qPrintable(FieldOf<QLabel>(dialog, "problem")->text()));
        QVERIFY(!dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->isEnabled());
        FieldOf<QLineEdit>(dialog, "name")->setText(QStringLiteral("a"));  // the rest still wrong, or now right
        dialog->reject();
        QTRY_VERIFY(view_->Dialog() == nullptr);
        QCOMPARE(FileText(events_), eventsText_ + "음력 12-30 할아버지 기일  #: 종류=기일 시작=1998 알림=3\r\n");
    }

    // From the day's list: F2 changes a date (its line only, the handwritten
    // words kept), Delete removes it after asking once by name; Ctrl+Z
    // undoes each, the file then its very bytes again.
    void changeRemoveAndUndo()
    {
        const std::string before = FileText(events_);
        view_->Select({2027, 2, 11});  // lunar 1-5: 어머니 생신
        QListWidget* const list = view_->DayEvents();
        QCOMPARE(list->count(), 1);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_F2);
        EventDialog* const dialog = view_->Dialog();
        QVERIFY(dialog != nullptr);
        QCOMPARE(FieldOf<QLineEdit>(dialog, "name")->text(), QStringLiteral("어머니 생신"));
        FieldOf<QComboBox>(dialog, "remind")->setCurrentIndex(4);  // 7일 전
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        QTRY_VERIFY(view_->Dialog() == nullptr);
        std::string changed = before;
        changed.replace(changed.find("음력 1-5 어머니 생신"), std::string("음력 1-5 어머니 생신").size(),
                        "음력 1-5 어머니 생신  #: 알림=7");
        QCOMPARE(FileText(events_), changed);
        UndoByKeys();
        QCOMPARE(FileText(events_), before);

        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Delete);
        QMessageBox* const question = view_->Question();
        QVERIFY(question != nullptr);
        QVERIFY(question->text().contains(QStringLiteral("\"어머니 생신\"")));
        question->button(QMessageBox::Yes)->click();
        QTRY_VERIFY(FileText(events_).find("어머니 생신") == std::string::npos);
        QCOMPARE(list->count(), 0);
        UndoByKeys();
        QCOMPARE(FileText(events_), before);
        QCOMPARE(list->count(), 1);
    }

    // A right click on a day offers to add a date and each of its dates; on
    // a date in the day's list, that date's.
    void menus()
    {
        view_->Select({2027, 2, 11});  // lunar 1-5: 어머니 생신
        const QTableWidget* const grid = view_->Grid();
        const QRect cell = grid->visualItemRect(grid->item(1, 4));  // the 11th, a Thursday
        const QStringList ownEntries{QStringLiteral("Edit \"어머니 생신\"..."),
                                     QStringLiteral("Delete \"어머니 생신\"...")};
        QCOMPARE(MenuAt(grid->viewport(), cell.center()),
                 (QStringList{QStringLiteral("Add a date..."), QStringLiteral("--")} + ownEntries));
        QListWidget* const list = view_->DayEvents();
        QCOMPARE(MenuAt(list->viewport(), list->visualItemRect(list->item(0)).center()), ownEntries);
        QCOMPARE(MenuAt(grid->viewport(), grid->visualItemRect(grid->item(1, 3)).center()),
                 QStringList{QStringLiteral("Add a date...")});        // the 10th, a plain day
        const QRect holiday = grid->visualItemRect(grid->item(1, 0));  // the 7th, 설날
        QCOMPARE(MenuAt(grid->viewport(), holiday.center()),
                 (QStringList{QStringLiteral("Add a date..."), QStringLiteral("--"), QStringLiteral("Show \"설날\"")}));

        QCOMPARE(SelectedIso(), QStringLiteral("2027-02-07"));  // the day clicked
        QVERIFY(view_->Dialog() == nullptr);
    }

    // A date's reminder shown as its file says it: a number of days the list
    // of choices lacks under "N days before", with the number.
    void remindersAsWritten_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("choice");
        QTest::newRow("none") << -1 << 0;
        QTest::newRow("on the day") << 0 << 1;
        QTest::newRow("7 days") << 7 << 4;
        QTest::newRow("5 days") << 5 << 5;
    }
    void remindersAsWritten()
    {
        QFETCH(int, days);
        QFETCH(int, choice);
        UserEvent event({DateRuleKind::Solar, 0, 3, 1, false}, "a");
        if (days >= 0) event.remindDays = days;
        const EventDialog dialog(view_, event);
        QCOMPARE(FieldOf<QComboBox>(&dialog, "remind")->currentIndex(), choice);
        QCOMPARE(FieldOf<QSpinBox>(&dialog, "remindDays")->isVisibleTo(&dialog), choice == 5);
        if (choice == 5) QCOMPARE(FieldOf<QSpinBox>(&dialog, "remindDays")->value(), days);
    }

    // A date removed from its file while its menu is open: its entries, chosen
    // then, do nothing.
    void menuOfADateGoneMeanwhile()
    {
        const std::string before = FileText(events_);
        view_->Select({2027, 2, 11});  // lunar 1-5: 어머니 생신
        QListWidget* const list = view_->DayEvents();
        const QPoint where = list->visualItemRect(list->item(0)).center();
        int chosen = 0;
        MenuAt(list->viewport(), where, [&](QMenu& menu) {
            std::string without = before;
            without.erase(without.find("음력 1-5 어머니 생신\r\n"), std::string("음력 1-5 어머니 생신\r\n").size());
            WriteFile(events_, without);
            QTRY_COMPARE(list->count(), 0);  // read again
            for (QAction* entry : menu.actions()) {
                entry->trigger();
                ++chosen;
            }
        });
        QCOMPARE(chosen, 2);  // Edit..., Delete...
        QVERIFY(view_->Dialog() == nullptr);
        QVERIFY(view_->Question() == nullptr);
        WriteFile(events_, before);
        QTRY_COMPARE(list->count(), 1);
    }

    // Reminders turned on and off from the Dates menu: the user's autostart
    // entry hidden or not, systemd's timer (here a stand-in that records what
    // it is told) enabled or disabled, and what was done said below the grid.
    void remindersSwitched()
    {
        const QByteArray path = qgetenv("PATH");
        const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
        const QString bin = folder_.filePath(QStringLiteral("bin"));
        const QString told = folder_.filePath(QStringLiteral("systemctl-told"));
        QVERIFY(QDir().mkpath(bin));
        WriteFile(bin + QStringLiteral("/systemctl"), "#!/bin/sh\necho \"$*\" >>'" + told.toStdString() + "'\n");
        QVERIFY(QFile::setPermissions(bin + QStringLiteral("/systemctl"), QFile::ReadOwner | QFile::ExeOwner));
        qputenv("PATH", bin.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", folder_.filePath(QStringLiteral("config")).toLocal8Bit());
        QAction* const switched = ActionNamed(view_, QStringLiteral("Turn reminders on"));
        QVERIFY(switched != nullptr);
        const QString entry = folder_.filePath(QStringLiteral("config/autostart/dalcal-remind.desktop"));
        switched->trigger();  // on
        QCOMPARE(view_->Status()->text(), QStringLiteral("Reminders are on: at login and every day."));
        QVERIFY(!QFile::exists(entry));
        switched->trigger();  // off
        QCOMPARE(view_->Status()->text(), QStringLiteral("Reminders are off."));
        QVERIFY(FileText(entry).find("Hidden=true\n") != std::string::npos);  // hides the package's entry
        switched->trigger();                                                  // on again
        QCOMPARE(view_->Status()->text(), QStringLiteral("Reminders are on: at login and every day."));
        QVERIFY(!QFile::exists(entry));
        QCOMPARE(QString::fromStdString(FileText(told)),
                 QStringLiteral("--user --quiet enable --now dalcal-remind.timer\n"
                                "--user --quiet disable --now dalcal-remind.timer\n"
                                "--user --quiet enable --now dalcal-remind.timer\n"));
        qputenv("PATH", path);
        qputenv("XDG_CONFIG_HOME", configHome);
    }

    // The View menu shows or hides a kind of day in the cells, and the
    // settings file remembers it.
    void viewMenu()
    {
        view_->Select({2027, 2, 7});
        QAction* const anniversaries = ActionNamed(view_, QStringLiteral("&Anniversaries (기념일)"));
        QVERIFY(anniversaries != nullptr);
        const auto cellOf28th = [this] { return ItemText(view_->Grid(), 4, 0); };  // a Sunday
        QVERIFY(!cellOf28th().contains(QStringLiteral("민주운동")));
        anniversaries->trigger();
        QVERIFY(cellOf28th().contains(QStringLiteral("2·28 민주운동 기념일")));
        std::string kept = FileText(settings_);
        QVERIFY(kept.ends_with("\nanniversaries = show\n"));
        anniversaries->trigger();
        QVERIFY(!cellOf28th().contains(QStringLiteral("민주운동")));
        kept.replace(kept.size() - std::string("show\n").size(), 4, "hide");  // the same line changed
        QCOMPARE(FileText(settings_), kept);
        QVERIFY(QFile::remove(settings_));
    }

    // The administrator's dates are shown, not changed: the dialog says
    // where they come from and offers no Save.
    void theAdministratorsDatesAreOnlyShown()
    {
        view_->Select({2027, 2, 20});
        QListWidget* const list = view_->DayEvents();
        QCOMPARE(list->count(), 1);
        QVERIFY(list->item(0)->text().endsWith(adminEvents_));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);  // asks nothing: shows it
        QVERIFY(view_->Question() == nullptr);
        EventDialog* const dialog = view_->Dialog();
        QVERIFY(dialog != nullptr);
        QVERIFY(FieldOf<QLabel>(dialog, "source")->isVisible());
        QVERIFY(FieldOf<QLabel>(dialog, "source")->text().contains(adminEvents_));
        FieldsApart(dialog);
        QVERIFY(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save) == nullptr);
        QVERIFY(!FieldOf<QLineEdit>(dialog, "name")->isEnabled());
        dialog->reject();
        QTRY_VERIFY(view_->Dialog() == nullptr);
    }

    // An edit made outside while the window is open shows at once, also an
    // editor's save that writes a new file and renames it over the old one.
    void outsideEditsShowAtOnce()
    {
        const std::string before = FileText(events_);
        WriteFile(events_ + QStringLiteral(".new"), before + "양력 2-25 밖에서 고친 날\r\n");
        QVERIFY(std::rename((events_ + QStringLiteral(".new")).toStdString().c_str(), events_.toStdString().c_str()) ==
                0);
        view_->Select({2027, 2, 7});
        QTRY_VERIFY(ItemText(view_->Grid(), 3, 4).contains(QStringLiteral("밖에서 고친 날")));  // the 25th
        WriteFile(events_, before);
        QTRY_VERIFY(!ItemText(view_->Grid(), 3, 4).contains(QStringLiteral("밖에서 고친 날")));
    }

    // A file that cannot be written (here a folder in its place): the reason
    // in the dialog, which keeps what was typed, and below the grid, until a
    // save succeeds.
    void aSaveThatFailsLosesNothingTyped()
    {
        const std::string before = FileText(events_);
        QVERIFY(QFile::remove(events_));
        QVERIFY(QDir().mkdir(events_));
        view_->OpenAddDialog(GregorianDate{2027, 3, 1});
        EventDialog* const dialog = view_->Dialog();
        FieldOf<QLineEdit>(dialog, "name")->setText(QStringLiteral("삼일절 모임"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        QCOMPARE(view_->Dialog(), dialog);
        QVERIFY2(FieldOf<QLabel>(dialog, "problem")->text().endsWith(QStringLiteral("it is a folder, not a file")),
                 qPrintable(FieldOf<QLabel>(dialog, "problem")->text()));
        QCOMPARE(FieldOf<QLineEdit>(dialog, "name")->text(), QStringLiteral("삼일절 모임"));
        QVERIFY(view_->Status()->text().contains(events_));
        const QSize size = view_->size();
        view_->resize(420, 600);  // a long refusal wraps: the window still narrows
        QTRY_COMPARE(view_->width(), 420);
        view_->resize(size);
        // Its cause mended, the same Save saves, and the refusal goes.
        QVERIFY(QDir().rmdir(events_));
        WriteFile(events_, before);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        QTRY_VERIFY(view_->Dialog() == nullptr);
        QCOMPARE(view_->Status()->text(), QString());
        QVERIFY(FileText(events_).find("양력 3-1 삼일절 모임") != std::string::npos);
        UndoByKeys();
        QCOMPARE(FileText(events_), before);
    }
};

QTEST_MAIN(MonthViewTest)
#include "month_view_test.moc"
