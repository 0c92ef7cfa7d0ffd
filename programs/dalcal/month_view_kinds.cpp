// The month view's 보기 (View) menu: which kinds of days its cells and its
// reading show, remembered in the user's settings file.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

#include "programs/dalcal/month_view.h"
#include "shell/messages.h"
#include "userdata/careful_write.h"
#include "userdata/settings_file.h"

namespace {

QString Words(const char* english)
{
    return QString::fromUtf8(Messages::Translated(english));
}

// The menu's words for each kind, in the order of DayKind.
constexpr const char* kKindWords[] = {
    Phrase("Public &holidays"),    Phrase("Solar &terms"), Phrase("&Anniversaries (기념일)"),
    Phrase("&Sundry days (잡절)"), Phrase("&My dates"),
};

}  // namespace

DayKinds MonthView::KindsInCells() const
{
    return kindChoice_.Apply(kListedKinds);
}

DayKinds MonthView::KindsInReading() const
{
    return kindChoice_.Apply(kEveryKind);
}

void MonthView::SetUpViewMenu()
{
    QMenu* const view = menuBar_->addMenu(Words("&View"));
    std::vector<std::pair<DayKind, QAction*>> actions;
    for (const DayKind kind : kDayKinds) {
        QAction* const action = view->addAction(Words(kKindWords[static_cast<std::size_t>(kind)]));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, kind](bool shown) { ChooseKind(kind, shown); });
        actions.emplace_back(kind, action);
    }
    connect(view, &QMenu::aboutToShow, this, [this, actions] {
        const DayKinds shown = KindsInCells();
        for (const auto& [kind, action] : actions) {
            const QSignalBlocker quiet(action);
            action->setChecked(shown.Has(kind));
        }
    });
}

void MonthView::ChooseKind(DayKind kind, bool shown)
{
    const std::optional<std::string>& settings = SettingsPath();
    const bool saved = !settings || Saved([&] {
        ChooseKindShown(*settings, kind, shown, Messages::Translated(kNewSettingsFileHeader));
    });
    if (!saved) return;
    kindChoice_.Choose(kind, shown);
    ShowMonth();
    Select(selected_);
}
