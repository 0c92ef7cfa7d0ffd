#pragma once

#include <string>

// Whether dalcal --remind runs for this user at login (the package's XDG
// autostart entry) and daily (its systemd user timer), and turning that on
// and off: off is the autostart entry hidden for the user (an entry of the
// same name in $XDG_CONFIG_HOME/autostart saying Hidden=true, which the
// desktop reads before the package's) and the timer disabled; on is both undone.
// The month view's 알림 켜기, and what the README says to do by hand.

// Whether they run daily for the user: the timer enabled, the autostart
// entry not hidden.
bool RemindersOn();

// Turns them on or off; what was done, for the window to say (a timer that
// systemctl could not reach is said, not refused). Raises an Exception where
// the autostart entry cannot be written or removed.
std::string SetRemindersOn(bool on);
