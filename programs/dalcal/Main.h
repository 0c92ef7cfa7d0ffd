#pragma once

#include <string>

#include "engine/almanac.h"
#include "programs/dalcal/form.h"
#include "report/user_dates.h"
#include "runtime/ansi_string.h"

class QLineEdit;
class QObject;
class QPlainTextEdit;
class QPushButton;

// The main window: type a year and a month, press the button, and the month's
// calendar is appended to the text box below everything already there.
class TForm1 : public TForm {
public:
    explicit TForm1(QWidget* owner = nullptr);

    QPushButton* Button1 = nullptr;   // starts one calendar
    QPlainTextEdit* Memo1 = nullptr;  // the calendars; only ever grows
    QLineEdit* Edit1 = nullptr;       // year
    QLineEdit* Edit2 = nullptr;       // month

    // Creation: this year and month into the edit boxes, the range notice into the memo.
    void FormCreate(QObject* Sender);
    // A press: the calendar of the year and month typed in.
    void Button1Click(QObject* Sender);
    // Appends CP949 text as the memo's new last line (or lines, at each '\n').
    void AddLine(const AnsiString& line);
    // The same of UTF-8 text.
    void AddText(const std::string& utf8);
};

extern TForm1* Form1;

// The calendar the window's calendars and notice use: the classic table as
// designed, Korea's almanac when the program was started with --almanac korea.
// Set before the form is created.
void SetWindowAlmanac(Almanac almanac);

// With Korea's almanac, the user's dates shown below each month (their events
// and added holidays) and the name of their events file for the start-up
// notice (as the file system has it, UTF-8 as a rule). Set before the form is
// created; none by default.
void SetWindowUserDates(UserDates user, std::string eventsFileName);
