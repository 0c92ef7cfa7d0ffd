#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <variant>

#include "report/user_dates.h"
#include "runtime/civil_date.h"
#include "runtime/message.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// The dialog that adds one of the user's dates, changes one, or shows one
// that is not theirs to change (the administrator's, a holiday) and says
// where it comes from. Each field is named for assistive technology by its
// label. Under the fields it says, in words, what happens in a year that
// lacks the date, and the next five days it falls on; a date that cannot be
// is said under them, and Save stays disabled. Made only when first opened,
// so that the window starts without it.
class EventDialog : public QDialog {
public:
    // Adding, the fields filled from day: its month and day, and its lunar
    // date (leap month included) when 음력 is chosen.
    EventDialog(QWidget* owner, const GregorianDate& day);
    // Changing event.
    EventDialog(QWidget* owner, const UserEvent& event);
    // Showing event, not to be changed; source says where it comes from.
    EventDialog(QWidget* owner, const UserEvent& event, const QString& source);

    // The event the fields say, or why they say none.
    std::variant<UserEvent, Message> Event() const;

    // Where Save failed: said under the fields; the dialog stays open with
    // everything typed.
    void ShowProblem(const QString& problem);

    // Called on Save with the event; returns whether it was saved (the
    // dialog then closes).
    std::function<bool(const UserEvent&)> onSave;

private:
    explicit EventDialog(QWidget* owner);
    void SetUpFields();
    void LayOut();
    void Connect();
    void Fill(const UserEvent& event);
    void FillFromDay();
    void Update();
    void Save();

    std::optional<GregorianDate> day_;  // the day it was opened on, for adding
    bool editable_ = true;
    QLineEdit* name_;
    QRadioButton* solar_;
    QRadioButton* lunar_;
    QSpinBox* month_;
    QSpinBox* dayOfMonth_;
    QCheckBox* leap_;
    QRadioButton* yearly_;
    QRadioButton* once_;
    QSpinBox* year_;
    QComboBox* kind_;
    QSpinBox* since_;
    QComboBox* remind_;
    QSpinBox* remindDays_;
    QLabel* keptElsewhere_;
    QLabel* nextDays_;
    QLabel* problem_;
    QLabel* source_;
    QDialogButtonBox* buttons_;
};
