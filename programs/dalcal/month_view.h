#pragma once

#include <QString>

#include <cstdint>
#include <string>

#include "civil_date.h"
#include "form.h"
#include "user_dates.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The month as people expect a calendar on the desktop: a grid of weeks with
// each day's lunar date under it, holidays in red with their names, Saturdays
// in blue, the solar terms and the user's events, today marked; moving by
// month, by day and to a typed month or lunar date; the selected day's whole
// reading beside the grid. Korea's almanac throughout.
class MonthView : public TForm {
public:
    explicit MonthView(QWidget* owner = nullptr);

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

    // The parts, for tests and assistive technology.
    QLabel* Title() const { return title_; }
    QTableWidget* Grid() const { return grid_; }
    QLabel* Reading() const { return reading_; }
    QLabel* Status() const { return status_; }
    QLineEdit* GoToBox() const { return goTo_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;  // a new palette (a dark theme): colours chosen again

private:
    void SetUpParts();
    void SetUpGrid();
    void ColorHeading();  // the weekdays' names in their colours
    void LayOut();
    void Connect();
    void ShowMonth();
    void ShowReading();
    void Say(const QString& problem);

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
    QLabel* status_;
    QLabel* problems_;
};

// The user's dates the month view shows, read at start-up.
void SetMonthViewUserDates(UserDates user);
