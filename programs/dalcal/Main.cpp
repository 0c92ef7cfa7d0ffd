#include "programs/dalcal/Main.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

#include "programs/dalcal/application.h"
#include "programs/dalcal/range_notice.h"
#include "programs/dalcal/window_names.h"
#include "report/month_notes.h"
#include "report/print_month.h"
#include "runtime/sysutils.h"
#include "text/cp949.h"
#include "ui_Main.h"

TForm1* Form1 = nullptr;

namespace {
Almanac windowAlmanac = Almanac::Classic;
UserDates windowUserDates;
std::string windowEventsFileName;
}  // namespace

void SetWindowAlmanac(Almanac almanac)
{
    windowAlmanac = almanac;
}

void SetWindowUserDates(UserDates user, std::string eventsFileName)
{
    windowUserDates = std::move(user);
    windowEventsFileName = std::move(eventsFileName);
}

TForm1::TForm1(QWidget* owner) : TForm(owner)
{
    Ui::TForm1 description;
    description.setupUi(this);
    Button1 = description.Button1;
    Memo1 = description.Memo1;
    Edit1 = description.Edit1;
    Edit2 = description.Edit2;

    const auto name = [](QWidget* widget, const char* cp949) {
        widget->setAccessibleName(QString::fromStdString(Cp949::ToUtf8(AnsiString(cp949))));
    };
    name(Edit1, kYearBoxName);
    name(Edit2, kMonthBoxName);
    name(Button1, kButtonName);
    name(Memo1, kCalendarBoxName);

    OnCreate = [this] { FormCreate(this); };
    connect(Button1, &QPushButton::clicked, this,
            [this] { Application->HandleEvent([this] { Button1Click(Button1); }); });
}

void TForm1::FormCreate(QObject*)
{
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    Sysutils::DecodeDate(Sysutils::Now(), year, month, day);
    SetText(Edit1, Sysutils::UnsignedShortToStr(year));
    SetText(Edit2, Sysutils::UnsignedShortToStr(month));
    if (windowAlmanac != Almanac::Korea) {
        AddLine(AnsiString(RangeNotice));
        return;
    }
    AddLine(AnsiString(KoreanRangeNotice));
    AddLine(Sysutils::Format(KoreanNotesNotice, Cp949::FromUtf8(windowEventsFileName)));
}

void TForm1::Button1Click(QObject*)
{
    const std::int32_t year = Sysutils::StrToInt(GetText(Edit1));
    const std::int32_t month = Sysutils::StrToInt(GetText(Edit2));
    // A press's lines go into the memo together: appended one by one, a month
    // with many notes would have the memo lay itself out for each. What was
    // made before an error (the header of a month 13) is still appended.
    std::string lines;  // UTF-8, as the memo takes them
    const TextOutput addText = [&lines](const std::string& line) {
        if (!lines.empty()) lines += '\n';
        lines += line;
    };
    const LineOutput addLine = [&addText](const AnsiString& line) { addText(Cp949::ToUtf8(line)); };
    try {
        PrintMonth(year, month, addLine, windowAlmanac);
        // Korea's almanac: below the month, what dalcal-print lists there.
        if (windowAlmanac == Almanac::Korea) PrintMonthNotes(year, month, addText, windowUserDates);
    } catch (...) {
        if (!lines.empty()) AddText(lines);
        throw;
    }
    if (!lines.empty()) AddText(lines);
}

void TForm1::AddLine(const AnsiString& line)
{
    AddText(Cp949::ToUtf8(line));
}

void TForm1::AddText(const std::string& utf8)
{
    Memo1->appendPlainText(QString::fromStdString(utf8));
}
