#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

#include <memory>
#include <optional>

#include "engine/almanac.h"
#include "programs/dalcal/form.h"
#include "report/date_reading.h"
#include "report/user_dates.h"
#include "runtime/civil_date.h"
#include "userdata/user_files.h"

class EventDialog;
class QAction;
class QBoxLayout;
class QScrollArea;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QMenu;
class QMessageBox;
class QPoint;
class QPushButton;
class QTableWidget;
class UserDatesKeeper;

// The month as people expect a calendar on the desktop: a grid of weeks with
// each day's lunar date under it, holidays in red with their names, Saturdays
// in blue, the solar terms and the user's events, today marked; moving by
// month, by day and to a typed month or lunar date; the selected day's whole
// reading beside the grid, and the day's own dates under it, which the user
// adds (날짜 추가, the Insert key, a double-click on a day), changes and
// removes (a date's menu, in its cell or in the list; keys on the list) and
// undoes (Ctrl+Z), each change saved at once. Korea's almanac throughout.
class MonthView : public TForm {
public:
    explicit MonthView(QWidget* owner = nullptr);
    ~MonthView() override;

    // The month shown and the day selected in it.
    GregorianDate Selected() const { return selected_; }

    // Selects a day of years 1..9999, showing its month.
    void Select(const GregorianDate& date);
    // The same day of the month before or after (the month's last where it is
    // shorter); nothing past the years 1..9999.
    void MoveMonths(std::int32_t months);
    // The day so many days away; nothing past the years 1..9999.
    void MoveDays(std::int32_t days);
    void SelectToday();
    // Goes to what was typed (a month, a day, a lunar date); false, with the
    // reason shown, where it is none or the almanac lacks it.
    bool GoTo(const QString& typed);

    // Shown below the grid: a line a problem of the user's files, FILE:LINE first.
    void ShowProblems(const QString& lines);

    // The dialog for a new date on day (the selected one where none).
    void OpenAddDialog(std::optional<GregorianDate> day = std::nullopt);
    // The dialog of the user's event (its index in the dates read): to change
    // it, or to show where it comes from where it is not theirs.
    void OpenEventDialog(std::size_t index);
    // Asks once, naming it, whether to remove the event; removes it if so.
    void AskToRemove(std::size_t index);
    // Undoes the last change saved.
    void UndoLast();

    // The parts, for tests and assistive technology.
    QLabel* Title() const { return title_; }
    QTableWidget* Grid() const { return grid_; }
    QLabel* Reading() const { return reading_; }
    QLabel* Status() const { return status_; }
    QLineEdit* GoToBox() const { return goTo_; }
    QListWidget* DayEvents() const { return dayEvents_; }  // the selected day's own dates
    EventDialog* Dialog() const { return dialog_; }        // the date's dialog where one is open
    QMessageBox* Question() const { return question_; }    // the question before removing, where asked
    // Whether the reading stands beside the grid (else below it, in a narrow window).
    bool ReadingBeside() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;  // a new palette (a dark theme): colours chosen again
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // its place kept for the next run

private:
    void SetUpParts();
    void SetUpGrid();
    void ColorHeading();  // the weekdays' names in their colours
    void LayOut();
    void FitLayout();  // the reading beside the grid where both fit, else below it
    void Connect();
    void ShowMonth();
    void ShowReading();
    void ShowDayEvents(const DateReading& reading);
    void Say(const QString& problem);
    void SetUpMenu();
    void ShowDatesAgain();
    void OpenDialog(EventDialog* dialog);
    void MenuOfDay(const QPoint& where);
    void MenuOfEvent(const QPoint& where);
    void AddEventEntries(QMenu& menu, std::size_t index);
    bool Saved(const std::function<void()>& change);  // says why where it failed
    void SwitchReminders(bool on);
    void SetUpViewMenu();
    void ChooseKind(DayKind kind, bool shown);
    DayKinds KindsInCells() const;    // the user's choice over the lists' defaults
    DayKinds KindsInReading() const;  // the user's choice over the reading's
    static const std::optional<std::string>& SettingsPath();

    Almanac almanac_;
    GregorianDate selected_;
    std::int32_t shownYear_ = 0;
    std::int32_t shownMonth_ = 0;
    QLabel* title_;
    QPushButton* previous_;
    QPushButton* today_;
    QPushButton* next_;
    QLineEdit* goTo_;
    QPushButton* go_;
    QTableWidget* grid_;
    QLabel* reading_;
    QScrollArea* readingArea_;
    QListWidget* dayEvents_;
    QLabel* status_;
    QLabel* problems_;
    QPushButton* add_;
    QMenuBar* menuBar_;
    QBoxLayout* top_ = nullptr;     // the buttons, then the box
    QBoxLayout* middle_ = nullptr;  // the grid, then the reading
    int wideWidth_ = 0;             // the narrowest window with the reading beside the grid
    QAction* undo_ = nullptr;
    QAction* reminders_ = nullptr;
    EventDialog* dialog_ = nullptr;
    QMessageBox* question_ = nullptr;
    std::unique_ptr<UserDatesKeeper> keeper_;
    DayKindChoice kindChoice_;
};

// The user's files the month view reads (and the events file it writes),
// given before it is made; each problem of its first reading also told to
// report (stderr), where given.
void SetMonthViewUserFiles(UserFilePaths paths, ProblemReport report = {});

// The almanac of the month views made after: Korea's unless the classic table
// is asked for (dalcal --calendar --almanac classic). The user's own dates
// keep Korea's lunar dates either way.
void SetMonthViewAlmanac(Almanac almanac);

// Where the month views keep their place between runs (userdata/window_place.h):
// they open where the last one was closed, and keep their place when closed.
// None (the tests): they open where designed and keep nothing.
void SetMonthViewPlaceFile(std::optional<std::string> path);
