#include "programs/dalcal/event_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <string>

#include "engine/almanac.h"
#include "report/date_reading.h"
#include "report/korean_words.h"
#include "runtime/clock.h"
#include "runtime/date_text.h"
#include "runtime/exception.h"
#include "shell/messages.h"
#include "userdata/event_line.h"

namespace {

constexpr int kNextDays = 5;  // the days it falls on, shown under the fields

// The choices of 미리 알림: days before, none for 없음, -1 for a number typed.
constexpr std::array<int, 6> kRemindChoices = {-2, 0, 1, 3, 7, -1};
constexpr std::array<const char*, 6> kRemindWords = {Phrase("None"),          Phrase("On the day"),
                                                     Phrase("1 day before"),  Phrase("3 days before"),
                                                     Phrase("7 days before"), Phrase("N days before")};
constexpr int kNoReminder = -2;
constexpr int kDaysTyped = -1;

// The kinds in the order of the list: 생일 · 기일 · 기념일 · 기타.
constexpr std::array<EventKind, 4> kKinds = {EventKind::Birthday, EventKind::Memorial, EventKind::Anniversary,
                                             EventKind::Other};

QString Words(const char* english)
{
    return QString::fromUtf8(Messages::Translated(english));
}

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// A field and its label, the label naming it for assistive technology.
template <typename Field>
Field* Named(Field* field, const char* objectName, const QString& label)
{
    field->setObjectName(QString::fromLatin1(objectName));
    field->setAccessibleName(label);
    return field;
}

QSpinBox* SpinBox(int least, int most)
{
    auto* const box = new QSpinBox;
    box->setRange(least, most);
    return box;
}

// "2027-01-28 (목)" and what the day is, a line each.
QString NextDaysText(const UserEvent& event)
{
    QStringList lines;
    for (const EventDay& day : NextDaysOf(event, Today(), kNextDays)) lines << Text(NextDayLine(day));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

EventDialog::EventDialog(QWidget* owner)
    : QDialog(owner),
      name_(new QLineEdit),
      solar_(new QRadioButton(Words("Solar"))),
      lunar_(new QRadioButton(Words("Lunar"))),
      month_(SpinBox(1, kMonthsInYear)),
      dayOfMonth_(SpinBox(1, 31)),
      leap_(new QCheckBox(Words("Leap month"))),
      yearly_(new QRadioButton(Words("Every year"))),
      once_(new QRadioButton(Words("Once"))),
      year_(SpinBox(kFirstYear, kLastYear)),
      kind_(new QComboBox),
      since_(SpinBox(0, kLastYear)),
      remind_(new QComboBox),
      remindDays_(SpinBox(0, kMostRemindDays)),
      keptElsewhere_(new QLabel),
      nextDays_(new QLabel),
      problem_(new QLabel),
      source_(new QLabel),
      buttons_(new QDialogButtonBox)
{
    SetUpFields();
    LayOut();
    Connect();
}

void EventDialog::SetUpFields()
{
    setWindowTitle(Words("Your date"));
    setObjectName(QStringLiteral("eventDialog"));
    Named(name_, "name", Words("Name"));
    Named(solar_, "solar", solar_->text());
    Named(lunar_, "lunar", lunar_->text());
    Named(month_, "month", Words("Month"));
    Named(dayOfMonth_, "day", Words("Day"));
    Named(leap_, "leap", leap_->text());
    Named(yearly_, "yearly", yearly_->text());
    Named(once_, "once", once_->text());
    Named(year_, "year", Words("Year"));
    Named(kind_, "kind", Words("Kind"));
    Named(since_, "since", Words("Year it began"));
    Named(remind_, "remind", Words("Remind"));
    Named(remindDays_, "remindDays", Words("Days before"));
    keptElsewhere_->setObjectName(QStringLiteral("keptElsewhere"));
    nextDays_->setObjectName(QStringLiteral("nextDays"));
    problem_->setObjectName(QStringLiteral("problem"));
    source_->setObjectName(QStringLiteral("source"));
    for (const EventKind kind : kKinds) kind_->addItem(Text(EventKindWord(kind)));
    for (const char* words : kRemindWords) remind_->addItem(Words(words));
    since_->setSpecialValueText(Words("not given"));
    year_->setValue(Today().year);
    for (QLabel* label : {keptElsewhere_, nextDays_, problem_, source_}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    problem_->setStyleSheet(QStringLiteral("color: palette(link)"));
    auto* const calendars = new QButtonGroup(this);
    calendars->addButton(solar_);
    calendars->addButton(lunar_);
    auto* const repeats = new QButtonGroup(this);
    repeats->addButton(yearly_);
    repeats->addButton(once_);
    solar_->setChecked(true);
    yearly_->setChecked(true);
}

// The fields under their labels, what the dialog says under them, its buttons.
void EventDialog::LayOut()
{
    auto* const calendarRow = new QHBoxLayout;
    calendarRow->addWidget(solar_);
    calendarRow->addWidget(lunar_);
    auto* const dateRow = new QHBoxLayout;
    dateRow->addWidget(month_);
    dateRow->addWidget(new QLabel(Words("Month")));
    dateRow->addWidget(dayOfMonth_);
    dateRow->addWidget(new QLabel(Words("Day")));
    dateRow->addWidget(leap_);
    auto* const repeatRow = new QHBoxLayout;
    repeatRow->addWidget(yearly_);
    repeatRow->addWidget(once_);
    repeatRow->addWidget(year_);
    auto* const remindRow = new QHBoxLayout;
    remindRow->addWidget(remind_);
    remindRow->addWidget(remindDays_);
    auto* const form = new QFormLayout;
    form->addRow(Words("Name"), name_);
    form->addRow(Words("Calendar"), calendarRow);
    form->addRow(Words("Date"), dateRow);
    form->addRow(Words("Repeats"), repeatRow);
    form->addRow(Words("Kind"), kind_);
    form->addRow(Words("Year it began"), since_);
    form->addRow(Words("Remind"), remindRow);
    auto* const whole = new QVBoxLayout(this);
    whole->addWidget(source_);
    whole->addLayout(form);
    whole->addWidget(problem_);
    whole->addWidget(keptElsewhere_);
    whole->addWidget(nextDays_);
    whole->addWidget(buttons_);
    source_->hide();
}

void EventDialog::Connect()
{
    const auto update = [this] { Update(); };
    connect(name_, &QLineEdit::textChanged, this, update);
    for (QSpinBox* box : {month_, dayOfMonth_, year_, since_, remindDays_}) {
        connect(box, &QSpinBox::valueChanged, this, update);
    }
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{leap_, yearly_, once_, solar_}) {
        connect(button, &QAbstractButton::toggled, this, update);
    }
    connect(lunar_, &QAbstractButton::toggled, this, [this] {
        FillFromDay();
        Update();
    });
    connect(kind_, &QComboBox::currentIndexChanged, this, update);
    connect(remind_, &QComboBox::currentIndexChanged, this, update);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

EventDialog::EventDialog(QWidget* owner, const GregorianDate& day) : EventDialog(owner)
{
    day_ = day;
    buttons_->addButton(QDialogButtonBox::Save)->setText(Words("Save"));
    buttons_->addButton(QDialogButtonBox::Cancel)->setText(Words("Cancel"));
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] { Save(); });
    kind_->setCurrentIndex(static_cast<int>(kKinds.size()) - 1);  // 기타 until chosen
    year_->setValue(day.year);
    FillFromDay();
    Update();
}

EventDialog::EventDialog(QWidget* owner, const UserEvent& event) : EventDialog(owner)
{
    buttons_->addButton(QDialogButtonBox::Save)->setText(Words("Save"));
    buttons_->addButton(QDialogButtonBox::Cancel)->setText(Words("Cancel"));
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] { Save(); });
    Fill(event);
    Update();
}

EventDialog::EventDialog(QWidget* owner, const UserEvent& event, const QString& source) : EventDialog(owner)
{
    buttons_->addButton(QDialogButtonBox::Close)->setText(Words("Close"));
    editable_ = false;
    Fill(event);
    Update();
    source_->setText(source);
    source_->setAccessibleName(source);
    source_->show();
    for (QWidget* field : std::initializer_list<QWidget*>{name_, solar_, lunar_, month_, dayOfMonth_, leap_, yearly_,
                                                          once_, kind_, remind_, remindDays_}) {
        field->setEnabled(false);
    }
}

void EventDialog::Fill(const UserEvent& event)
{
    const QSignalBlocker quiet(lunar_);
    name_->setText(Text(event.name));
    const DateRule& rule = event.rule;
    (rule.kind == DateRuleKind::Lunar ? lunar_ : solar_)->setChecked(true);
    (rule.kind == DateRuleKind::Once ? once_ : yearly_)->setChecked(true);
    if (rule.kind == DateRuleKind::Once) year_->setValue(rule.year);
    month_->setValue(rule.month);
    dayOfMonth_->setValue(rule.day);
    leap_->setChecked(rule.leap);
    kind_->setCurrentIndex(static_cast<int>(std::find(kKinds.begin(), kKinds.end(), event.kind) - kKinds.begin()));
    since_->setValue(event.sinceYear);
    int choice = 0;
    if (event.remindDays) {
        const auto* const known = std::find(kRemindChoices.begin(), kRemindChoices.end(), *event.remindDays);
        choice = static_cast<int>((known != kRemindChoices.end() ? known : kRemindChoices.end() - 1) -
                                  kRemindChoices.begin());
        remindDays_->setValue(*event.remindDays);
    }
    remind_->setCurrentIndex(choice);
}

// The day it was opened on, in the calendar chosen.
void EventDialog::FillFromDay()
{
    if (!day_) return;
    GregorianDate shown = *day_;
    bool leap = false;
    if (lunar_->isChecked()) {
        if (const std::optional<LunarReading> lunar = ReadLunarDate(Almanac::Korea, *day_)) {
            shown = {lunar->date.year, lunar->date.month, lunar->date.day};
            leap = lunar->date.leap != 0;
        }
    }
    const QSignalBlocker quietMonth(month_);
    const QSignalBlocker quietDay(dayOfMonth_);
    const QSignalBlocker quietLeap(leap_);
    const QSignalBlocker quietYear(year_);
    month_->setValue(shown.month);
    dayOfMonth_->setValue(shown.day);
    leap_->setChecked(leap);
    year_->setValue(shown.year);
}

std::variant<UserEvent, Message> EventDialog::Event() const
{
    UserEvent event;
    event.name = name_->text().trimmed().toStdString();
    const bool lunar = lunar_->isChecked();
    const bool once = once_->isChecked();
    event.rule = {lunar ? DateRuleKind::Lunar : DateRuleKind::Solar, 0, month_->value(), dayOfMonth_->value(),
                  lunar && leap_->isChecked()};
    if (once && lunar) {  // one lunar day: kept as the Gregorian day it falls on
        try {
            const GregorianDate day =
                LunarToSolar(Almanac::Korea, year_->value(), event.rule.month, event.rule.day, event.rule.leap);
            event.rule = {DateRuleKind::Once, day.year, day.month, day.day, false};
        } catch (const EConvertError& refusal) {
            return refusal.Said().value_or(Message("no such lunar date"));
        }
    } else if (once) {
        event.rule = {DateRuleKind::Once, year_->value(), month_->value(), dayOfMonth_->value(), false};
    }
    event.kind = kKinds.at(static_cast<std::size_t>(std::max(kind_->currentIndex(), 0)));
    event.sinceYear = once ? 0 : since_->value();
    const int remind = kRemindChoices.at(static_cast<std::size_t>(std::max(remind_->currentIndex(), 0)));
    if (remind == kDaysTyped) {
        event.remindDays = remindDays_->value();
    } else if (remind != kNoReminder) {
        event.remindDays = remind;
    }
    if (event.name.empty()) return Message("give it a name");
    if (std::optional<Message> why = EventLineProblem(event)) return *why;
    return event;
}

void EventDialog::Update()
{
    leap_->setVisible(lunar_->isChecked());
    year_->setEnabled(editable_ && once_->isChecked());
    since_->setEnabled(editable_ && !once_->isChecked());
    remindDays_->setVisible(remind_->currentIndex() == static_cast<int>(kRemindChoices.size()) - 1);
    const std::variant<UserEvent, Message> event = Event();
    QPushButton* const save = buttons_->button(QDialogButtonBox::Save);
    if (const auto* why = std::get_if<Message>(&event)) {
        ShowProblem(Text(Messages::Shown(*why)));
        keptElsewhere_->clear();
        nextDays_->clear();
        if (save != nullptr) save->setEnabled(false);
        return;
    }
    const UserEvent& said = std::get<UserEvent>(event);
    ShowProblem({});
    keptElsewhere_->setText(Text(KeptElsewhereText(said.rule)));
    keptElsewhere_->setAccessibleName(keptElsewhere_->text());
    const QString next = NextDaysText(said);
    nextDays_->setText(next.isEmpty() ? QString() : Words("Next:") + QLatin1Char('\n') + next);
    nextDays_->setAccessibleName(nextDays_->text());
    if (save != nullptr) save->setEnabled(true);
}

void EventDialog::ShowProblem(const QString& problem)
{
    problem_->setText(problem);
    problem_->setAccessibleName(problem);
    problem_->setVisible(!problem.isEmpty());
}

void EventDialog::Save()
{
    const std::variant<UserEvent, Message> event = Event();
    const auto* said = std::get_if<UserEvent>(&event);
    if (said == nullptr || !onSave) return;
    if (onSave(*said)) accept();
}
