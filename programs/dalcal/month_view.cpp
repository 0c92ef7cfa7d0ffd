#include "programs/dalcal/month_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <variant>

#include "engine/almanac.h"
#include "input/typed_date.h"
#include "programs/dalcal/day_cell.h"
#include "programs/dalcal/user_dates_keeper.h"
#include "report/calendar_names.h"
#include "report/date_reading.h"
#include "report/korean_words.h"
#include "report/month_page.h"
#include "runtime/clock.h"
#include "runtime/exception.h"
#include "runtime/number_text.h"
#include "runtime/utf8_literals.h"
#include "shell/messages.h"
#include "userdata/window_place.h"

namespace {

UserFilePaths monthViewFiles;
ProblemReport monthViewReport;
Almanac monthViewAlmanac = Almanac::Korea;
std::optional<std::string> monthViewPlaceFile;

constexpr std::int32_t kGridRows = 6;  // the most weeks a month touches
constexpr std::int32_t kFirstDayCount = DayCountOf(kFirstYear, 1, 1);
constexpr std::int32_t kLastDayCount = DayCountOf(kLastYear, 12, 31);

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// What assistive technology says of a day: "2027년 2월 7일 일요일, 음력 1월 1일, 설날".
std::string SpokenDay(const GregorianDate& date, const PageDay& day)
{
    std::string name = DayTitle(date);
    if (const std::optional<LunarReading>& lunar = day.lunarDate) {
        name += ", ";
        name += LunarMonthDayText(lunar->date.month, lunar->date.day, lunar->date.leap != 0);
    }
    for (const PageNote& note : day.notes) name += ", " + note.text;
    return name;
}

QPushButton* Button(const char* english, QWidget* owner)
{
    auto* const button = new QPushButton(QString::fromUtf8(Messages::Translated(english)), owner);
    button->setAccessibleName(button->text());
    return button;
}

}  // namespace

const std::optional<std::string>& MonthView::SettingsPath()
{
    return monthViewFiles.settings;
}

void SetMonthViewAlmanac(Almanac almanac)
{
    monthViewAlmanac = almanac;
}

void SetMonthViewPlaceFile(std::optional<std::string> path)
{
    monthViewPlaceFile = std::move(path);
}

void SetMonthViewUserFiles(UserFilePaths paths, ProblemReport report)
{
    monthViewFiles = std::move(paths);
    monthViewReport = std::move(report);
}

MonthView::MonthView(QWidget* owner)
    : TForm(owner),
      almanac_(monthViewAlmanac),
      title_(new QLabel(this)),
      previous_(Button(Phrase("Previous month"), this)),
      today_(Button(Phrase("Today"), this)),
      next_(Button(Phrase("Next month"), this)),
      goTo_(new QLineEdit(this)),
      go_(Button(Phrase("Go"), this)),
      grid_(new QTableWidget(kGridRows, kDaysInWeek, this)),
      reading_(new QLabel(this)),
      readingArea_(new QScrollArea(this)),
      dayEvents_(new QListWidget(this)),
      status_(new QLabel(this)),
      problems_(new QLabel(this)),
      add_(Button(Phrase("Add a date"), this)),
      menuBar_(new QMenuBar(this)),
      keeper_(std::make_unique<UserDatesKeeper>(
          monthViewFiles, [this] { ShowDatesAgain(); }, monthViewReport)),
      kindChoice_(ReadUserSettings(
          monthViewFiles, monthViewReport ? monthViewReport : ProblemReport([](const std::string&, const Message&) {})))
{
    setWindowTitle(QStringLiteral("dalcal"));
    // The desktop's font; fontconfig falls back for the Hangul it lacks to
    // NanumGothic, which the package depends on. (Naming NanumGothic here as
    // well costs a tenth of the start: every text is then matched twice.)
    setProperty("Width", 1000);
    setProperty("Height", 700);
    setProperty("Left", 100);
    setProperty("Top", 60);
    if (monthViewPlaceFile) {  // where it was last closed (ShowAsDesigned keeps it on a screen)
        if (const std::optional<WindowPlace> place = LoadWindowPlace(*monthViewPlaceFile)) {
            setProperty("Width", place->width);
            setProperty("Height", place->height);
            setProperty("Left", place->left);
            setProperty("Top", place->top);
        }
    }
    SetUpParts();
    SetUpGrid();
    SetUpMenu();
    SetUpViewMenu();
    LayOut();
    Connect();
    SelectToday();
    ShowProblems(QString::fromStdString(keeper_->Problems()));
    grid_->setFocus();  // the keys move days and months from the first moment
}

MonthView::~MonthView() = default;

void MonthView::SetUpParts()
{
    QFont titleFont = title_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    title_->setAccessibleName(QString::fromUtf8(Messages::Translated("Month shown")));
    goTo_->setPlaceholderText(QString::fromUtf8(Messages::Translated("e.g. 2027 2, 음력 3월 15일")));
    goTo_->setAccessibleName(QString::fromUtf8(Messages::Translated("Go to a month or a lunar date")));
    reading_->setWordWrap(true);
    reading_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    reading_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    readingArea_->setWidget(reading_);
    readingArea_->setWidgetResizable(true);
    readingArea_->setFrameShape(QFrame::NoFrame);
    readingArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    readingArea_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 20);
    readingArea_->setMinimumHeight(fontMetrics().height() * 3);
    title_->setWordWrap(true);
    dayEvents_->setAccessibleName(QString::fromUtf8(Messages::Translated("Your dates of the day")));
    dayEvents_->setContextMenuPolicy(Qt::CustomContextMenu);
    dayEvents_->setWordWrap(true);
    dayEvents_->installEventFilter(this);
    dayEvents_->setMaximumHeight(dayEvents_->fontMetrics().height() * 8);  // a few dates; the reading keeps the room
    dayEvents_->hide();
    status_->setWordWrap(true);
    problems_->setWordWrap(true);
    problems_->hide();
}

void MonthView::SetUpGrid()
{
    QStringList weekdays;
    for (std::int32_t column = 0; column < kDaysInWeek; ++column) weekdays << Text(WeekdaySyllable(WeekdayAt(column)));
    grid_->setHorizontalHeaderLabels(weekdays);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(false);
    grid_->setWordWrap(true);
    grid_->setAccessibleName(QString::fromUtf8(Messages::Translated("Days of the month")));
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->installEventFilter(this);
    PaintDayCells(grid_);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every day number and weekday whole: the window is no narrower than this.
    const QSize cell = SmallestCell(grid_->font());
    grid_->horizontalHeader()->setMinimumSectionSize(cell.width());
    grid_->verticalHeader()->setMinimumSectionSize(cell.height());
    const int frame = 2 * grid_->frameWidth();
    grid_->setMinimumSize(kDaysInWeek * cell.width() + frame,
                          grid_->horizontalHeader()->sizeHint().height() + kGridRows * cell.height() + frame);
    ColorHeading();
}

void MonthView::ColorHeading()
{
    for (std::int32_t column = 0; column < kDaysInWeek; ++column) {
        grid_->horizontalHeaderItem(column)->setForeground(DayInk(DayColorOf(WeekdayAt(column), false), palette()));
    }
}

// The buttons and the box above, the month's title, the grid with the reading
// at its right (below it in a narrow window), what was refused and the
// problems of the user's files below.
void MonthView::LayOut()
{
    auto* const moves = new QHBoxLayout;
    moves->addWidget(previous_);
    moves->addWidget(today_);
    moves->addWidget(next_);
    moves->addWidget(add_);
    auto* const box = new QHBoxLayout;
    box->addWidget(goTo_, 1);
    box->addWidget(go_);
    top_ = new QBoxLayout(QBoxLayout::LeftToRight);
    top_->addLayout(moves);
    top_->addStretch(1);
    top_->addLayout(box);
    auto* const pane = new QVBoxLayout;
    pane->addWidget(readingArea_, 1);
    pane->addWidget(dayEvents_);
    middle_ = new QBoxLayout(QBoxLayout::LeftToRight);
    middle_->addWidget(grid_, 3);
    middle_->addLayout(pane, 1);
    auto* const whole = new QVBoxLayout(this);
    whole->setMenuBar(menuBar_);
    whole->addLayout(top_);
    whole->addWidget(title_);
    whole->addLayout(middle_, 1);
    whole->addWidget(status_);
    whole->addWidget(problems_);

    // The box holds its example and a long lunar date.
    const QFontMetrics metrics = goTo_->fontMetrics();
    constexpr int kBoxFrame = 16;
    goTo_->setMinimumWidth(std::max(metrics.horizontalAdvance(goTo_->placeholderText()),
                                    metrics.horizontalAdvance(QString::fromUtf8("음력 2025년 윤6월 1일"))) +
                           kBoxFrame);
    // Narrow, everything stands in one column; wide, as laid out above.
    const QMargins margins = whole->contentsMargins();
    const int spacing = whole->spacing();
    const int column = std::max({moves->minimumSize().width(), box->minimumSize().width(), grid_->minimumWidth()});
    wideWidth_ = margins.left() + margins.right() +
                 std::max(moves->minimumSize().width() + spacing + box->minimumSize().width(),
                          grid_->minimumWidth() + spacing + readingArea_->minimumWidth());
    top_->setDirection(QBoxLayout::TopToBottom);
    middle_->setDirection(QBoxLayout::TopToBottom);
    whole->setSizeConstraint(QLayout::SetNoConstraint);  // the window's own minimum, below
    whole->activate();
    setMinimumSize(margins.left() + margins.right() + column, whole->minimumSize().height());
    FitLayout();
}

bool MonthView::ReadingBeside() const
{
    return middle_->direction() == QBoxLayout::LeftToRight;
}

void MonthView::FitLayout()
{
    const auto direction = width() >= wideWidth_ ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (middle_->direction() == direction) return;
    top_->setDirection(direction);
    middle_->setDirection(direction);
}

void MonthView::closeEvent(QCloseEvent* event)
{
    if (monthViewPlaceFile) {
        const QRect frame = frameGeometry();
        const bool kept = KeepWindowPlace(*monthViewPlaceFile, {frame.width(), frame.height(), frame.x(), frame.y()});
        if (!kept && monthViewReport) {
            monthViewReport(*monthViewPlaceFile, Message("the window's place could not be kept"));
        }
    }
    TForm::closeEvent(event);
}

void MonthView::resizeEvent(QResizeEvent* event)
{
    TForm::resizeEvent(event);
    FitLayout();
}

void MonthView::Connect()
{
    connect(previous_, &QPushButton::clicked, this, [this] { MoveMonths(-1); });
    connect(next_, &QPushButton::clicked, this, [this] { MoveMonths(1); });
    connect(today_, &QPushButton::clicked, this, [this] { SelectToday(); });
    const auto goToTyped = [this] {
        if (GoTo(goTo_->text())) grid_->setFocus();
    };
    connect(goTo_, &QLineEdit::returnPressed, this, goToTyped);
    connect(go_, &QPushButton::clicked, this, goToTyped);
    // Ctrl+G (go to) and Ctrl+L (as a browser's location) into the box.
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_G), QKeySequence(Qt::CTRL | Qt::Key_L)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
            goTo_->setFocus();
            goTo_->selectAll();
        });
    }
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        const std::int32_t day = MonthGridOf(shownYear_, shownMonth_).DayIn(row * kDaysInWeek + column);
        if (day != 0) Select({shownYear_, shownMonth_, day});
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        const std::int32_t day = MonthGridOf(shownYear_, shownMonth_).DayIn(row * kDaysInWeek + column);
        if (day != 0) OpenAddDialog(GregorianDate{shownYear_, shownMonth_, day});
    });
    connect(add_, &QPushButton::clicked, this, [this] { OpenAddDialog(); });
    connect(grid_, &QWidget::customContextMenuRequested, this, &MonthView::MenuOfDay);
    connect(dayEvents_, &QWidget::customContextMenuRequested, this, &MonthView::MenuOfEvent);
    connect(dayEvents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenEventDialog(item->data(Qt::UserRole).toULongLong()); });
}

void MonthView::Select(const GregorianDate& date)
{
    const std::int32_t dayCount = DayCountOf(date.year, date.month, date.day);
    if (dayCount < kFirstDayCount || dayCount > kLastDayCount) return;
    selected_ = date;
    if (date.year != shownYear_ || date.month != shownMonth_) {
        shownYear_ = date.year;
        shownMonth_ = date.month;
        ShowMonth();
    }
    const MonthGrid grid = MonthGridOf(shownYear_, shownMonth_);
    const std::int32_t cell = grid.CellOf(date.day);
    const QSignalBlocker quiet(grid_);
    grid_->setCurrentCell(MonthGrid::WeekOfCell(cell), MonthGrid::WeekdayOfCell(cell));
    ShowReading();
}

void MonthView::MoveMonths(std::int32_t months)
{
    const std::int32_t index =
        selected_.year * kMonthsInYear + selected_.month - 1 + months;  // years 1..9999: no overflow
    const std::int32_t year = index / kMonthsInYear;
    const std::int32_t month = index % kMonthsInYear + 1;
    if (year < kFirstYear || year > kLastYear) return;
    Select({year, month, std::min(selected_.day, GregorianMonthDays(year, month))});
}

void MonthView::MoveDays(std::int32_t days)
{
    const std::int32_t dayCount = DayCountOf(selected_.year, selected_.month, selected_.day) + days;
    if (dayCount < kFirstDayCount || dayCount > kLastDayCount) return;
    Select(DateOfDayCount(dayCount));
}

void MonthView::SelectToday()
{
    Select(Today());
}

bool MonthView::GoTo(const QString& typed)
{
    const TypedDate read = ReadTypedDate(typed.toStdString(), shownYear_, LoneNumber::MonthOrYear);
    if (const auto* problem = std::get_if<Message>(&read)) {
        Say(QString::fromStdString(Messages::Shown(*problem)));
        return false;
    }
    if (const auto* year = std::get_if<TypedYear>(&read)) {
        Select({year->year, 1, selected_.day});  // its January, the day kept (every January has 31)
    } else if (const auto* month = std::get_if<TypedMonth>(&read)) {
        Select({month->year, month->month, std::min(selected_.day, GregorianMonthDays(month->year, month->month))});
    } else if (const auto* date = std::get_if<GregorianDate>(&read)) {
        Select(*date);
    } else {
        const auto& lunar = std::get<TypedLunarDate>(read);
        try {
            Select(LunarToSolar(almanac_, lunar.year, lunar.month, lunar.day, lunar.leap));
        } catch (const EConvertError& refusal) {
            Say(QString::fromStdString(Messages::Shown(refusal)));
            return false;
        }
    }
    Say({});
    return true;
}

void MonthView::ShowProblems(const QString& lines)
{
    problems_->setText(lines);
    problems_->setVisible(!lines.isEmpty());
}

void MonthView::changeEvent(QEvent* event)
{
    TForm::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && shownMonth_ != 0) {
        ColorHeading();
        ShowMonth();
        Select(selected_);
    }
}

bool MonthView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == dayEvents_ && event->type() == QEvent::KeyPress) {
        // The list's keys: F2 changes the date chosen (as Enter does), Delete removes it.
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QListWidgetItem* const item = dayEvents_->currentItem();
        if (item != nullptr && (key == Qt::Key_F2 || key == Qt::Key_Delete)) {
            const std::size_t index = item->data(Qt::UserRole).toULongLong();
            if (key == Qt::Key_F2) {
                OpenEventDialog(index);
            } else {
                AskToRemove(index);
            }
            return true;
        }
    }
    if (watched != grid_ || event->type() != QEvent::KeyPress) return TForm::eventFilter(watched, event);
    // The grid's keys: each moves the selected day by days or by months.
    struct KeyMove {
        int key;
        std::int32_t days;
        std::int32_t months;
    };
    static constexpr KeyMove kMoves[] = {
        {Qt::Key_Left, -1, 0},          {Qt::Key_Right, 1, 0},   {Qt::Key_Up, -kDaysInWeek, 0},
        {Qt::Key_Down, kDaysInWeek, 0}, {Qt::Key_PageUp, 0, -1}, {Qt::Key_PageDown, 0, 1},
    };
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Home) {
        SelectToday();
        return true;
    }
    for (const KeyMove& move : kMoves) {
        if (move.key != key) continue;
        if (move.days != 0) MoveDays(move.days);
        if (move.months != 0) MoveMonths(move.months);
        return true;
    }
    return TForm::eventFilter(watched, event);
}

void MonthView::ShowMonth()
{
    const MonthPage page = MakeMonthPage(shownYear_, shownMonth_, almanac_, keeper_->Dates(), KindsInCells());
    std::string title = page.title;
    if (almanac_ == Almanac::Classic) title += kClassicTableMark;
    for (const std::string& line : page.lunarLines) title += '\n' + line;
    title_->setText(Text(title));

    const GregorianDate today = Today();
    const QPalette palette = this->palette();  // the grid's, which may not have followed a change yet
    grid_->clearContents();
    for (std::int32_t row = 0; row < kGridRows; ++row) grid_->setRowHidden(row, row >= page.grid.Weeks());
    for (const PageDay& day : page.days) {
        const GregorianDate date{shownYear_, shownMonth_, day.day};
        DayCellContent content{day.day, {}, {}, day.color, date == today};
        if (day.lunarDate) content.lunar = Text(LunarDayText(*day.lunarDate));
        QString text = QString::number(day.day) + QLatin1Char('\n') + content.lunar;
        for (const PageNote& note : day.notes) {
            content.notes.push_back({note.kind, Text(note.name)});
            text += QLatin1Char('\n') + content.notes.back().name;
        }
        auto* const item = new QTableWidgetItem(text);  // what a copy or a test reads; the painter draws content
        item->setData(kCellRole, QVariant::fromValue(content));
        item->setForeground(DayInk(day.color, palette));
        item->setData(Qt::AccessibleTextRole, Text(SpokenDay(date, day)));
        if (content.today) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
        const std::int32_t cell = page.grid.CellOf(day.day);
        grid_->setItem(MonthGrid::WeekOfCell(cell), MonthGrid::WeekdayOfCell(cell), item);
    }
}

void MonthView::ShowReading()
{
    // A part a line: the day, its lunar date, each holiday and term; the
    // day's own dates in the list under it.
    DateReading read = ReadDate(almanac_, selected_, keeper_->Dates(), KindsInReading());
    ShowDayEvents(read);
    read.events.clear();
    const std::string line = DateReadingLine(read);
    const std::string_view separator = kPartSeparator;
    std::string reading;
    std::size_t from = 0;
    for (std::size_t at = line.find(separator); at != std::string::npos; at = line.find(separator, from)) {
        reading.append(line, from, at - from);
        reading += '\n';
        from = at + separator.size();
    }
    reading.append(line, from);
    reading_->setText(Text(reading));
    reading_->setAccessibleName(reading_->text());  // a screen reader says the day whole
}

void MonthView::Say(const QString& problem)
{
    status_->setText(problem);
}
