// The window driven as a user drives it: headless, with "today" pinned and
// the exception display recording instead of opening a modal box.
#include <QAccessible>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <string_view>

#include "programs/dalcal/Main.h"
#include "programs/dalcal/application.h"
#include "programs/dalcal/fixed_pitch_font.h"
#include "programs/dalcal/range_notice.h"
#include "programs/dalcal/window_arguments.h"
#include "programs/dalcal/window_names.h"
#include "runtime/sysutils.h"
#include "shell/messages.h"
#include "tests/programs/dalcal/resident_memory.h"
#include "text/cp949.h"
#include "userdata/date_files.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsMeasurable = false;  // freed memory waits in quarantine
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

Sysutils::TDateTime July2026()
{
    return Sysutils::EncodeDate(2026, 7, 15) + 0.25;
}
Sysutils::TDateTime December2026()
{
    return Sysutils::EncodeDate(2026, 12, 31) + 0.99;
}

QStringList GoldenLines(const char* name)
{
    QFile file(QStringLiteral(GOLDEN_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast();  // after the final newline
    return lines;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private:
    TApplication application_;
    std::vector<AnsiString> shown_;  // messages of the exception display

    // A headless Wayland compositor has no keyboard (and no window is ever
    // active there), and Qt's Wayland plugin fails on key events made up
    // without one: there, text comes as an input method commits it.
    static bool HasKeyboard() { return QGuiApplication::platformName() != QLatin1String("wayland"); }

    QStringList MemoLines() const { return Form1->Memo1->toPlainText().split(QLatin1Char('\n')); }

    void Type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        edit->del();
        bool latin1 = true;
        for (const QChar c : text) latin1 = latin1 && c.unicode() < 0x80;
        if (latin1 && HasKeyboard()) {
            QTest::keyClicks(edit, text);
        } else {
            edit->insert(text);  // as an input method would commit it
        }
    }

    void Press(const QString& year, const QString& month)
    {
        Type(Form1->Edit1, year);
        Type(Form1->Edit2, month);
        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
    }

    static bool KoreanRun()
    {
        const char* const language = std::getenv("LANGUAGE");
        return language != nullptr && std::string_view(language) == "ko";
    }

private slots:
    void initTestCase()
    {
        if (KoreanRun()) Messages::UseCatalogsIn(DALCAL_BUILD_LOCALEDIR);
        Application = &application_;
        application_.Initialize();
        application_.SetExceptionDisplay([this](const AnsiString& message) { shown_.push_back(message); });
    }

    void init()
    {
        shown_.clear();
        Sysutils::SetClock(&July2026);
        application_.CreateForm(Form1);
    }

    void cleanupTestCase() { Sysutils::SetClock(nullptr); }

    void startShowsMemo1ThenTheRangeNotice()
    {
        const QStringList expected = {QStringLiteral("Memo1"),
                                      QStringLiteral("음력 일자는  1900년부터 2050년까지 표시함 ")};
        QCOMPARE(MemoLines(), expected);
        QCOMPARE(QByteArray(RangeNotice),
                 QByteArray("\xC0\xBD\xB7\xC2 \xC0\xCF\xC0\xDA\xB4\xC2  1900\xB3\xE2\xBA\xCE\xC5\xCD "
                            "2050\xB3\xE2\xB1\xEE\xC1\xF6 \xC7\xA5\xBD\xC3\xC7\xD4 "));
        QCOMPARE(qstrlen(RangeNotice), 42u);
        QVERIFY(shown_.empty());
    }

    // Korea's almanac: its own notice, Korea's dates (설날 2027 on 02-07);
    // the designed classic table again afterwards.
    void koreanAlmanacNoticeAndPress()
    {
        SetWindowAlmanac(Almanac::Korea);
        application_.CreateForm(Form1);
        QCOMPARE(MemoLines().value(1),
                 QStringLiteral("음력 일자는  한국천문연구원 역법으로 1391년부터 2100년까지 표시함 "));
        QCOMPARE(QByteArray(KoreanRangeNotice).left(12), QByteArray("\xC0\xBD\xB7\xC2 \xC0\xCF\xC0\xDA\xB4\xC2 "));
        Press(QStringLiteral("2027"), QStringLiteral("2"));
        QVERIFY(MemoLines().join(QLatin1Char('\n')).contains(QStringLiteral(" 7(정사) 1. 1|")));
        Press(QStringLiteral("2076"), QStringLiteral("3"));  // a computed year
        QVERIFY(!MemoLines().last().contains(QStringLiteral("     |")));
        SetWindowAlmanac(Almanac::Classic);
        application_.CreateForm(Form1);
        QCOMPARE(MemoLines().value(1), QStringLiteral("음력 일자는  1900년부터 2050년까지 표시함 "));
        Press(QStringLiteral("2027"), QStringLiteral("2"));
        QVERIFY(MemoLines().join(QLatin1Char('\n')).contains(QStringLiteral(" 6(병진) 1. 1|")));
        QVERIFY(shown_.empty());
    }

    // Korea's almanac: below each month what dalcal-print lists there (the
    // holidays, an added one among them, the terms and the user's events, in
    // date order); its notice names the events file. The classic window shows
    // none of it.
    void koreanAlmanacNotesFollowTheMonth()
    {
        UserDates user;
        user.events = ParseEventsFile("음력 1-5 어머니 생신\n2027-02-14 이사\n").events;
        user.holidays = ParseHolidaysFile("2027-02-10 임시공휴일\n").holidays;
        SetWindowUserDates(user, "/home/나/.config/dalcal/events");
        SetWindowAlmanac(Almanac::Korea);
        application_.CreateForm(Form1);
        QCOMPARE(MemoLines().value(2),
                 QStringLiteral("달마다 그 아래에 공휴일, 절기와 내 날짜(/home/나/.config/dalcal/events)를 표시함 "));
        Press(QStringLiteral("2027"), QStringLiteral("2"));
        const QStringList notes = {
            QStringLiteral(" 2월  4일(목) 입춘 10:46"),
            QStringLiteral(" 2월  6일(토) 설날 전날"),
            QStringLiteral(" 2월  7일(일) 설날"),
            QStringLiteral(" 2월  8일(월) 설날 다음날"),
            QStringLiteral(" 2월  9일(화) 설날 대체공휴일"),
            QStringLiteral(" 2월 10일(수) 임시공휴일"),
            QStringLiteral(" 2월 11일(목) 어머니 생신 (음력 1.5)"),
            QStringLiteral(" 2월 14일(일) 이사"),
            QStringLiteral(" 2월 19일(금) 우수 06:33"),
            QStringLiteral(" 2월 21일(일) 정월대보름"),
        };
        QCOMPARE(MemoLines().mid(MemoLines().size() - notes.size()), notes);
        QVERIFY(MemoLines().value(MemoLines().size() - notes.size() - 1).startsWith(QStringLiteral("28(무인) 1.22|")));
        Press(QStringLiteral("2027"), QStringLiteral("13"));  // refused: no notes for it
        QVERIFY(!MemoLines().last().contains(QStringLiteral("(")));
        QCOMPARE(shown_.size(), std::size_t{1});
        Press(QStringLiteral("2028"), QStringLiteral("4"));  // an election the statute schedules
        QCOMPARE(MemoLines().filter(QStringLiteral(" 4월 12일(수) 제23대 국회의원선거 (예정)")).size(), 1);

        SetWindowAlmanac(Almanac::Classic);
        application_.CreateForm(Form1);
        Press(QStringLiteral("2027"), QStringLiteral("2"));
        QVERIFY(MemoLines().last().startsWith(QStringLiteral("28(")));
        QCOMPARE(MemoLines().filter(QStringLiteral("설날")).size(), 0);
        SetWindowUserDates({}, {});
    }

    // What assistive technology reads: the window by its title, each
    // control by a Korean name of its own (the button's caption stays).
    void controlsHaveTheirOwnKoreanNames()
    {
        QAccessibleInterface* const window = QAccessible::queryAccessibleInterface(Form1);
        QVERIFY(window != nullptr);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Form1"));
        const struct {
            QWidget* widget;
            QAccessible::Role role;
            QString name;
        } controls[] = {
            {Form1->Edit1, QAccessible::EditableText, QStringLiteral("연도")},
            {Form1->Edit2, QAccessible::EditableText, QStringLiteral("월")},
            {Form1->Button1, QAccessible::Button, QStringLiteral("달력 추가: 입력한 연도와 월의 달력을 아래에 덧붙임")},
            {Form1->Memo1, QAccessible::EditableText, QStringLiteral("달력")},
        };
        for (const auto& control : controls) {
            QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(control.widget);
            QVERIFY(accessible != nullptr);
            QCOMPARE(accessible->role(), control.role);
            QCOMPARE(accessible->text(QAccessible::Name), control.name);
        }
        QCOMPARE(Form1->Button1->text(), QStringLiteral("Button1"));
        QCOMPARE(QByteArray(kYearBoxName), QByteArray("\xBF\xAC\xB5\xB5"));  // CP949 in the program
    }

    void windowArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("korea");
        QTest::addColumn<QString>("error");
        QTest::newRow("none") << QStringList{} << true << false << QString();
        QTest::newRow("korea") << QStringList{"--almanac", "korea"} << true << true << QString();
        QTest::newRow("=korea") << QStringList{"--almanac=korea"} << true << true << QString();
        QTest::newRow("classic") << QStringList{"--almanac", "classic"} << true << false << QString();
        QTest::newRow("unknown almanac") << QStringList{"--almanac", "china"} << false << false
                                         << QStringLiteral("unknown almanac 'china' (use korea or classic)");
        QTest::newRow("no value") << QStringList{"--almanac"} << false << false
                                  << QStringLiteral("--almanac needs a value (korea or classic)");
        QTest::newRow("unknown") << QStringList{"-platform", "xcb"} << false << false
                                 << QStringLiteral("unknown argument '-platform'");
    }

    void windowArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, accepted);
        QFETCH(bool, korea);
        QFETCH(QString, error);
        std::vector<QByteArray> bytes = {"dalcal"};
        bytes.reserve(static_cast<std::size_t>(args.size()) + 1);
        for (const QString& arg : args) bytes.push_back(arg.toUtf8());
        std::vector<const char*> argv;
        argv.reserve(bytes.size());
        for (const QByteArray& b : bytes) argv.push_back(b.constData());
        const auto parsed = ParseWindowArguments(argv, {2027, 2, 7});
        QCOMPARE(std::holds_alternative<WindowArguments>(parsed), accepted);
        if (accepted) QCOMPARE(std::get<WindowArguments>(parsed).almanac == Almanac::Korea, korea);
        const auto* usage = std::get_if<UsageError>(&parsed);
        QCOMPARE(QString::fromStdString(usage != nullptr ? usage->message.English() : std::string()), error);
    }

    void displayNamed()
    {
        QVERIFY(DisplayNamed(nullptr, ":0", nullptr));
        QVERIFY(DisplayNamed(nullptr, nullptr, "wayland-0"));
        QVERIFY(!DisplayNamed(nullptr, nullptr, nullptr));
        QVERIFY(!DisplayNamed("", "", ""));
        QVERIFY(!DisplayNamed("xcb", nullptr, "wayland-0"));
        QVERIFY(!DisplayNamed("wayland", ":0", nullptr));
        QVERIFY(DisplayNamed("offscreen", nullptr, nullptr));
    }

    // The program itself: refused arguments and a missing display end it
    // with a message and a status, never with a window or a core dump.
    void programRefusesWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown argument") << QStringList{"--bogus"} << "offscreen"
                                          << "" << 2 << "dalcal: unknown argument '--bogus'";
        QTest::newRow("no display") << QStringList{"--almanac", "korea"} << ""
                                    << "" << 1 << "dalcal: no display to open the window on";
        QTest::newRow("unreachable display")
            << QStringList{} << "xcb"
            << ":87" << 1 << "dalcal: cannot open a display for the window (DISPLAY :87";
        QTest::newRow("version") << QStringList{"--version"} << "offscreen"
                                 << "" << 0 << "";
    }

    void programRefusesWithoutAWindow()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(int, status);
        QFETCH(QString, message);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(DALCAL_PROGRAM), args);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);  // no abort, no core
        QCOMPARE(process.exitCode(), status);
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(message.isEmpty() ? errors.isEmpty() : errors.startsWith(message), qPrintable(errors));
        if (status == 0) QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), QStringLiteral("dalcal 1.1.0\n"));
    }

    // Help and version that cannot be written (a full disk) fail.
    void unwrittenHelpFails_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("help") << QStringLiteral("--help");
        QTest::newRow("version") << QStringLiteral("--version");
    }

    void unwrittenHelpFails()
    {
        QFETCH(QString, option);
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(DALCAL_PROGRAM), {option});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardError().startsWith("dalcal: write error: "));
    }

    void editsShowThisYearAndMonth()
    {
        QCOMPARE(Form1->Edit1->text(), QStringLiteral("2026"));
        QCOMPARE(Form1->Edit2->text(), QStringLiteral("7"));  // not "07"
        Sysutils::SetClock(&December2026);
        application_.CreateForm(Form1);
        QCOMPARE(Form1->Edit2->text(), QStringLiteral("12"));
    }

    void pressAppendsTheCalendar()
    {
        const QStringList before = MemoLines();
        Press(QStringLiteral("2026"), QStringLiteral("7"));
        const QStringList july = GoldenLines("2026-07.txt");
        QCOMPARE(july.size(), 8);
        QCOMPARE(MemoLines(), before + july);
        QVERIFY(shown_.empty());
    }

    void twoPressesAppendTwice()
    {
        const QStringList before = MemoLines();
        Press(QStringLiteral("2026"), QStringLiteral("7"));
        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
        const QStringList july = GoldenLines("2026-07.txt");
        QCOMPARE(MemoLines(), before + july + july);
    }

    void acceptedInput_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::newRow("leading zero") << QStringLiteral("2026") << QStringLiteral("07");
        QTest::newRow("plus sign and blanks") << QStringLiteral(" +2026 ") << QStringLiteral("7");
    }

    void acceptedInput()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        const QStringList before = MemoLines();
        Press(year, month);
        QCOMPARE(MemoLines(), before + GoldenLines("2026-07.txt"));
        QVERIFY(shown_.empty());
    }

    void refusedInput_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("empty year") << QString() << QStringLiteral("7") << QByteArray("\"\" is not a valid integer");
        QTest::newRow("letter month") << QStringLiteral("2026") << QStringLiteral("x")
                                      << QByteArray("\"x\" is not a valid integer");
        QTest::newRow("year read first") << QStringLiteral("y") << QStringLiteral("x")
                                         << QByteArray("\"y\" is not a valid integer");
        QTest::newRow("Korean text") << QStringLiteral("이천") << QStringLiteral("7")
                                     << QByteArray("\"\xC0\xCC\xC3\xB5\" is not a valid integer");
        QTest::newRow("beyond 32 bits") << QStringLiteral("2147483648") << QStringLiteral("7")
                                        << QByteArray("\"2147483648\" is not a valid integer");
    }

    // The conversion error is shown, nothing is appended, the edits keep their text.
    void refusedInput()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QByteArray, message);
        const QStringList before = MemoLines();
        Press(year, month);
        QCOMPARE(MemoLines(), before);
        QCOMPARE(shown_.size(), 1u);
        QCOMPARE(QByteArray::fromStdString(shown_[0].Bytes()), message);
        QCOMPARE(Form1->Edit1->text(), year);
        QCOMPARE(Form1->Edit2->text(), month);
    }

    // Under a Korean locale the refusals are Korean, through the same catalog
    // as every message (run as its own test, LANGUAGE=ko); the window's own
    // text stays as designed.
    void refusalsInTheReadersLanguage()
    {
        if (!KoreanRun()) QSKIP("run with LANGUAGE=ko");
        Press(QStringLiteral("abc"), QStringLiteral("7"));
        Press(QStringLiteral("2026"), QStringLiteral("13"));
        QCOMPARE(shown_.size(), 2u);
        QCOMPARE(QString::fromStdString(Cp949::ToUtf8(shown_[0])), QStringLiteral("\"abc\": 올바른 정수가 아님"));
        QCOMPARE(QString::fromStdString(Cp949::ToUtf8(shown_[1])),
                 QStringLiteral("2026-13-01: 없는 날짜임 (13월은 없음)"));
        QVERIFY(MemoLines().contains(QStringLiteral("   ▶ 2026년 13월 (년:병오, 월:경자)")));  // the design unchanged
    }

    // A month the calendar refuses: the three header lines stay, the error is shown.
    void month13AppendsTheHeaderAndShowsTheError()
    {
        const QStringList before = MemoLines();
        Press(QStringLiteral("2026"), QStringLiteral("13"));
        const QStringList added = MemoLines().mid(before.size());
        QCOMPARE(added.size(), 3);
        QCOMPARE(added[0], QStringLiteral("   ▶ 2026년 13월 (년:병오, 월:경자)"));
        QCOMPARE(shown_.size(), 1u);
        QVERIFY(
            QByteArray::fromStdString(shown_[0].Bytes()).contains("2026-13-01 is not a date: there is no month 13"));
        Press(QStringLiteral("-5"), QStringLiteral("1"));  // a negative year goes on unchanged
        QCOMPARE(MemoLines().size(), before.size() + 6);
        QVERIFY(MemoLines()[before.size() + 3].startsWith(QStringLiteral("   ▶ -5년  1월")));
    }

    // Whatever escapes a handler is shown; any other exception shows the empty message.
    void handlerExceptionsAreShownNotThrown()
    {
        application_.HandleEvent([] { throw Exception("boom"); });
        application_.HandleEvent([] { throw 42; });
        QCOMPARE(shown_.size(), 2u);
        QCOMPARE(shown_[0], AnsiString("boom"));
        QCOMPARE(shown_[1], AnsiString(""));
    }

    void formMatchesItsDescription()
    {
        QCOMPARE(Form1->objectName(), QStringLiteral("Form1"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(Form1->DesignedFrame(), QRect(2187, 156, 947, 540));
        QCOMPARE(Form1->size(), QSize(947, 540));
        const struct {
            QWidget* widget;
            const char* name;
            QRect geometry;
        } controls[] = {
            {Form1->Button1, "Button1", {776, 416, 129, 65}},
            {Form1->Memo1, "Memo1", {24, 16, 881, 393}},
            {Form1->Edit1, "Edit1", {536, 440, 105, 21}},
            {Form1->Edit2, "Edit2", {664, 440, 105, 21}},
        };
        for (const auto& control : controls) {
            QCOMPARE(control.widget->objectName(), QLatin1String(control.name));
            QCOMPARE(Form1->findChild<QWidget*>(QLatin1String(control.name)), control.widget);
            QCOMPARE(control.widget->geometry(), control.geometry);
            QVERIFY(Form1->rect().contains(control.widget->geometry()));
        }
        QCOMPARE(Form1->Button1->text(), QStringLiteral("Button1"));
        QCOMPARE(Form1->Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(Form1->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(Form1->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!Form1->Memo1->isReadOnly());
        QVERIFY(!Form1->windowIcon().isNull());
    }

    void tabOrderIsButtonMemoEditEdit()
    {
        if (!HasKeyboard()) QSKIP("no keyboard to press Tab with");
        Form1->ShowAsDesigned();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        Form1->Button1->setFocus();
        const QWidget* expected[] = {Form1->Memo1, Form1->Edit1, Form1->Edit2, Form1->Button1};
        for (const QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // The columns are bytes, so a syllable must be exactly two ASCII characters wide,
    // at the size nearest the designed 13 pixels where that holds.
    void fontDrawsSyllablesTwoColumnsWide()
    {
        for (QWidget* widget : {static_cast<QWidget*>(Form1->Memo1), static_cast<QWidget*>(Form1->Edit1)}) {
            const QFont font = widget->font();
            QVERIFY2(HasDoubleWidthHangul(font), qPrintable(font.family()));
            const int distance = std::abs(font.pixelSize() - 13);
            for (int closer = 13 - distance + 1; closer < 13 + distance; ++closer) {
                QFont other = font;
                other.setPixelSize(closer);
                QVERIFY2(!HasDoubleWidthHangul(other), qPrintable(QString::number(closer)));
            }
        }
    }

    // A widget's family kept where it is installed; else a fixed-pitch Korean one.
    void installedFamiliesKept()
    {
        QString installed;
        for (const QString& family : QFontDatabase::families()) {
            if (!family.contains(QLatin1String("Nanum")) && !family.contains(QLatin1String("Noto Sans Mono CJK"))) {
                installed = family;
            }
        }
        QVERIFY(!installed.isEmpty());
        for (const QString& asked : {installed, QStringLiteral("No Such Family")}) {
            QWidget widget;
            widget.setProperty("FontHeight", -13);
            widget.setFont(QFont(asked));
            UseInstalledFonts(widget);
            QCOMPARE(widget.font().family() == asked, asked == installed);
        }
    }

    void placementKeepsTheWindowVisible()
    {
        const QRect designed(2187, 156, 947, 540);
        const QRect wide(0, 0, 3840, 1080);
        const QRect small(0, 0, 1280, 800);
        QCOMPARE(PlaceFrame(designed, {wide}, wide), designed);                     // fits: as designed
        QCOMPARE(PlaceFrame(designed, {small, QRect(1280, 0, 1920, 1080)}, small),  // on the second screen
                 designed);
        QCOMPARE(PlaceFrame(designed, {small}, small), QRect(166, 130, 947, 540));  // centred
        QCOMPARE(PlaceFrame(designed, {QRect(0, 0, 800, 600)}, QRect(0, 0, 800, 600)).topLeft(), QPoint(0, 30));
        // The window opens there, on this session's screens (where the window
        // system lets a program place its windows).
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            QSKIP("a Wayland compositor places windows itself");
        }
        QList<QRect> available;
        for (const QScreen* screen : QGuiApplication::screens()) available.append(screen->availableGeometry());
        const QRect expected =
            PlaceFrame(Form1->DesignedFrame(), available, QGuiApplication::primaryScreen()->availableGeometry());
        Form1->ShowAsDesigned();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        QTRY_COMPARE(Form1->frameGeometry().topLeft(), expected.topLeft());
    }

    // 10,000 presses alternating good and bad input in one process: the memo
    // holds exactly the calendars of the good ones, every bad one is shown,
    // and refused presses cost no memory at all.
    void soakOfTenThousandPresses()
    {
        if (qEnvironmentVariableIsSet("DALCAL_SKIP_SOAK")) QSKIP("DALCAL_SKIP_SOAK is set");
        const QStringList july = GoldenLines("2026-07.txt");
        const char* const refused[][2] = {{"2026", "x"}, {"", "7"}, {"2026x", "7"}, {"2026", "99999999999"}};
        QStringList expected = MemoLines();
        const auto press = [](const char* year, const char* month) {
            Form1->Edit1->setText(QLatin1String(year));
            Form1->Edit2->setText(QLatin1String(month));
            QTest::mouseClick(Form1->Button1, Qt::LeftButton);
        };

        for (int i = 0; i < 200; ++i) press(refused[i % 4][0], refused[i % 4][1]);  // warm up
        const long beforeRefused = ResidentKiB();
        for (int i = 0; i < 5000; ++i) {
            press("2026", "07");
            expected += july;
            press(refused[i % 4][0], refused[i % 4][1]);
        }
        QCOMPARE(MemoLines(), expected);
        QCOMPARE(shown_.size(), 200u + 5000u);

        const long afterSoak = ResidentKiB();
        for (int i = 0; i < 2000; ++i) press(refused[i % 4][0], refused[i % 4][1]);
        if (kMemoryIsMeasurable) {
            QVERIFY2(ResidentKiB() - afterSoak < 1024, "refused presses must not grow memory");
            const long perLine = (afterSoak - beforeRefused) * 1024 / (5000L * 8);
            QVERIFY2(perLine < 2048, qPrintable(QStringLiteral("%1 bytes a memo line").arg(perLine)));
        }
    }

    void closingTheWindowEndsRun()
    {
        QTimer::singleShot(0, Form1, [] { Form1->close(); });
        application_.Run();  // returns once the window is closed
        QVERIFY(!Form1->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
