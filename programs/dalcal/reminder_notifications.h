#pragma once

// dalcal --remind, once dalcal has found something to send: a desktop
// notification (org.freedesktop.Notifications on the session bus; no display
// needed) for each of the user's dates whose reminder falls today and has not
// been sent today, under the lock of the log of reminders sent, which then
// records them. Where the server offers actions, each notification has one
// that opens the month view at its day; the program waits for a click until
// its notifications are closed and at most until the day ends, unless
// noWait. Returns the exit status: 0 sent (or nothing to send); 1 with one
// line on stderr where there is no session bus or no notification server (or
// the log cannot be kept), nothing then recorded as sent.
int SendReminders(bool noWait);
