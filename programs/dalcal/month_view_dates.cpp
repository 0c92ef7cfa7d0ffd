// The month view's own dates: adding, changing, removing and undoing them,
// the day's list of them, their menus, and the reminders' switch.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <optional>

#include "programs/dalcal/event_dialog.h"
#include "programs/dalcal/month_view.h"
#include "programs/dalcal/reminders_switch.h"
#include "programs/dalcal/user_dates_keeper.h"
#include "report/korean_words.h"
#include "report/month_grid.h"
#include "runtime/exception.h"
#include "shell/messages.h"
#include "shell/program.h"
#include "userdata/event_line.h"

namespace {

QString Words(const char* english)
{
    return QString::fromUtf8(Messages::Translated(english));
}

QString Said(const Message& message)
{
    return QString::fromStdString(Messages::Shown(message));
}

// Where a holiday comes from, as the dialog says it.
QString HolidaySource(const Holiday& holiday, const UserDates& dates)
{
    if (holiday.source == kBuiltInHoliday) return Words("A public holiday, built in: it cannot be changed here.");
    if (holiday.source == kScheduledByStatute) {
        return Words("An election day the statute schedules, built in: it cannot be changed here.");
    }
    const auto file = static_cast<std::size_t>(holiday.source);
    const std::string path = file < dates.holidaySources.size() ? dates.holidaySources[file] : std::string();
    return Said(Message("A holiday added in {1}: change it there.", {path}));
}

}  // namespace

void MonthView::SetUpMenu()
{
    QMenu* const dates = menuBar_->addMenu(Words("&Dates"));
    QAction* const add = dates->addAction(Words("Add a date..."), this, [this] { OpenAddDialog(); });
    add->setShortcut(QKeySequence(Qt::Key_Insert));
    // The date chosen in the day's list (the first of the day's where it has
    // any): what its menu and keys do, here too for a menu's user.
    const auto chosen = [this]() -> std::optional<std::size_t> {
        const QListWidgetItem* const item = dayEvents_->currentItem();
        if (item == nullptr || dayEvents_->isHidden()) return std::nullopt;
        return item->data(Qt::UserRole).toULongLong();
    };
    QAction* const edit = dates->addAction(Words("Edit the chosen date..."), this, [this, chosen] {
        if (const auto event = chosen()) OpenEventDialog(*event);
    });
    QAction* const remove = dates->addAction(Words("Delete the chosen date..."), this, [this, chosen] {
        if (const auto event = chosen()) AskToRemove(*event);
    });
    undo_ = dates->addAction(Words("Undo"), this, [this] { UndoLast(); });
    undo_->setShortcut(QKeySequence::Undo);
    dates->addSeparator();
    reminders_ = dates->addAction(Words("Turn reminders on"));
    reminders_->setCheckable(true);
    connect(reminders_, &QAction::triggered, this, [this](bool on) { SwitchReminders(on); });
    connect(dates, &QMenu::aboutToShow, this, [this, chosen, edit, remove] {
        edit->setEnabled(chosen().has_value());
        remove->setEnabled(chosen().has_value());
        undo_->setEnabled(keeper_->CanUndo());
        const QSignalBlocker quiet(reminders_);
        reminders_->setChecked(RemindersOn());
    });
    addActions({add, undo_});  // their keys work wherever the window has the keyboard
}

void MonthView::ShowDatesAgain()
{
    ShowMonth();
    Select(selected_);
    ShowProblems(QString::fromStdString(keeper_->Problems()));
}

void MonthView::ShowDayEvents(const DateReading& reading)
{
    dayEvents_->clear();
    const std::vector<UserEvent>& events = keeper_->Dates().events;
    for (const EventDay& day : reading.events) {
        QString text = QString::fromStdString(EventText(day));
        if (!keeper_->IsEditable(*day.event)) {
            text += QStringLiteral("  · ") + QString::fromStdString(keeper_->SourceOf(*day.event));
        }
        auto* const item = new QListWidgetItem(text, dayEvents_);
        item->setData(Qt::UserRole, static_cast<qulonglong>(day.event - events.data()));
    }
    dayEvents_->setVisible(dayEvents_->count() > 0);
    if (dayEvents_->count() > 0) dayEvents_->setCurrentRow(0);
}

bool MonthView::Saved(const std::function<void()>& change)
{
    try {
        change();
    } catch (const Exception& refused) {
        const std::string why = Messages::Shown(refused);
        Complain(why);
        Say(QString::fromStdString(why));
        if (dialog_ != nullptr) dialog_->ShowProblem(QString::fromStdString(why));
        return false;
    }
    Say({});
    ShowDatesAgain();
    return true;
}

void MonthView::OpenDialog(EventDialog* dialog)
{
    if (dialog_ != nullptr) dialog_->close();
    dialog_ = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QObject::destroyed, this, [this, dialog] {
        if (dialog_ == dialog) dialog_ = nullptr;
    });
    dialog->open();
}

void MonthView::OpenAddDialog(std::optional<GregorianDate> day)
{
    auto* const dialog = new EventDialog(this, day.value_or(selected_));
    dialog->onSave = [this](const UserEvent& event) { return Saved([&] { keeper_->Add(event); }); };
    OpenDialog(dialog);
}

void MonthView::OpenEventDialog(std::size_t index)
{
    const std::vector<UserEvent>& events = keeper_->Dates().events;
    if (index >= events.size()) return;
    const UserEvent was = events[index];  // as read: the file's line is found by it
    if (!keeper_->IsEditable(was)) {
        OpenDialog(new EventDialog(
            this, was,
            Said(Message("From {1}, the administrator's file: it cannot be changed here.", {keeper_->SourceOf(was)}))));
        return;
    }
    auto* const dialog = new EventDialog(this, was);
    dialog->onSave = [this, was](const UserEvent& now) { return Saved([&] { keeper_->Change(was, now); }); };
    OpenDialog(dialog);
}

void MonthView::AskToRemove(std::size_t index)
{
    const std::vector<UserEvent>& events = keeper_->Dates().events;
    if (index >= events.size()) return;
    const UserEvent was = events[index];
    if (!keeper_->IsEditable(was)) {
        OpenEventDialog(index);
        return;
    }
    if (question_ != nullptr) question_->close();
    question_ = new QMessageBox(QMessageBox::Question, Words("Remove a date"),
                                Said(Message("Remove \"{1}\" from {2}?", {was.name, keeper_->SourceOf(was)})),
                                QMessageBox::Yes | QMessageBox::Cancel, this);
    question_->button(QMessageBox::Yes)->setText(Words("Remove"));
    question_->button(QMessageBox::Cancel)->setText(Words("Cancel"));
    question_->setAttribute(Qt::WA_DeleteOnClose);
    QMessageBox* const asked = question_;
    connect(asked, &QObject::destroyed, this, [this, asked] {
        if (question_ == asked) question_ = nullptr;
    });
    connect(asked, &QMessageBox::accepted, this, [this, was] { Saved([&] { keeper_->Remove(was); }); });
    asked->open();
}

void MonthView::UndoLast()
{
    if (!keeper_->CanUndo()) {
        Say(Words("Nothing to undo."));
        return;
    }
    Saved([this] { keeper_->Undo(); });
}

void MonthView::AddEventEntries(QMenu& menu, std::size_t index)
{
    // Each entry finds its date again when chosen: the files may have been
    // read again while the menu was open.
    const UserEvent event = keeper_->Dates().events.at(index);
    const auto indexNow = [this, event]() -> std::size_t {
        const std::vector<UserEvent>& events = keeper_->Dates().events;
        const auto found = std::ranges::find_if(events, [&](const UserEvent& e) { return SameEvent(e, event); });
        return static_cast<std::size_t>(found - events.begin());  // past the end where gone: nothing opens
    };
    if (!keeper_->IsEditable(event)) {
        menu.addAction(Said(Message("Show \"{1}\"", {event.name})), this,
                       [this, indexNow] { OpenEventDialog(indexNow()); });
        return;
    }
    menu.addAction(Said(Message("Edit \"{1}\"...", {event.name})), this,
                   [this, indexNow] { OpenEventDialog(indexNow()); });
    menu.addAction(Said(Message("Delete \"{1}\"...", {event.name})), this,
                   [this, indexNow] { AskToRemove(indexNow()); });
}

void MonthView::MenuOfDay(const QPoint& where)
{
    const QModelIndex cell = grid_->indexAt(where);
    if (!cell.isValid()) return;
    const std::int32_t dayOfMonth =
        MonthGridOf(shownYear_, shownMonth_).DayIn(cell.row() * kDaysInWeek + cell.column());
    if (dayOfMonth == 0) return;
    const GregorianDate day{shownYear_, shownMonth_, dayOfMonth};
    Select(day);
    QMenu menu(this);
    menu.addAction(Words("Add a date..."), this, [this, day] { OpenAddDialog(day); });
    const DateReading read = ReadDate(Almanac::Korea, day, keeper_->Dates());
    if (!read.events.empty() || (read.holidays && !read.holidays->empty())) menu.addSeparator();
    for (const EventDay& event : read.events) {
        AddEventEntries(menu, static_cast<std::size_t>(event.event - keeper_->Dates().events.data()));
    }
    for (const Holiday& holiday : read.holidays.value_or(std::vector<Holiday>{})) {
        UserEvent shown({DateRuleKind::Once, day.year, day.month, day.day, false}, HolidayTitle(holiday));
        const QString source = HolidaySource(holiday, keeper_->Dates());
        menu.addAction(Said(Message("Show \"{1}\"", {shown.name})), this,
                       [this, shown, source] { OpenDialog(new EventDialog(this, shown, source)); });
    }
    menu.exec(grid_->viewport()->mapToGlobal(where));
}

void MonthView::MenuOfEvent(const QPoint& where)
{
    const QListWidgetItem* const item = dayEvents_->itemAt(where);
    if (item == nullptr) return;
    QMenu menu(this);
    AddEventEntries(menu, item->data(Qt::UserRole).toULongLong());
    menu.exec(dayEvents_->viewport()->mapToGlobal(where));
}

void MonthView::SwitchReminders(bool on)
{
    try {
        Say(QString::fromStdString(SetRemindersOn(on)));
    } catch (const Exception& refused) {
        Say(QString::fromStdString(Messages::Shown(refused)));
    }
}
