#include "programs/dalcal/reminder_notifications.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "programs/dalcal/reminders_to_send.h"
#include "report/date_reading.h"
#include "runtime/clock.h"
#include "runtime/date_text.h"
#include "shell/messages.h"
#include "shell/program.h"
#include "userdata/careful_write.h"
#include "userdata/reminder_log.h"

namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";
constexpr const char* kOpenAction = "default";  // the action of a click on the notification itself
constexpr int kCallMilliseconds = 10000;        // a server that does not answer in this is none
constexpr qint64 kLongestWaitSeconds = qint64{12} * 60 * 60;

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// The body as a server that reads markup in it shows it as written.
QString Escaped(const QString& text, bool markup)
{
    return markup ? text.toHtmlEscaped() : text;
}

// A call to the notification server; its answer, or an error message.
QDBusMessage Call(const QDBusConnection& bus, const char* method, const QList<QVariant>& arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, kCallMilliseconds);
}

std::string Why(const QDBusMessage& error)
{
    return (error.errorName() + QStringLiteral(": ") + error.errorMessage()).toStdString();
}

// The clicks on the notifications sent, until each is closed or clicked.
class Clicks : public QObject {
    Q_OBJECT

public:
    explicit Clicks(QObject* parent) : QObject(parent) {}
    void Expect(uint id, const GregorianDate& day) { days_[id] = day; }
    bool Waiting() const { return !days_.empty(); }

private:
    void Forget(std::map<uint, GregorianDate>::iterator which)
    {
        days_.erase(which);
        if (days_.empty()) QCoreApplication::quit();
    }

    std::map<uint, GregorianDate> days_;

public slots:
    void ActionInvoked(uint id, const QString& key)
    {
        const auto found = days_.find(id);
        if (found == days_.end()) return;
        if (key == QLatin1String(kOpenAction)) {
            // The month view at the day, as a process of its own: the window
            // program beside this one (both in bin/ of a build, in
            // libexec/dalcal where installed).
            QProcess::startDetached(QCoreApplication::applicationDirPath() + QStringLiteral("/dalcal-window"),
                                    {QStringLiteral("--calendar"), Text(IsoDate(found->second))});
        }
        Forget(found);
    }
    void NotificationClosed(uint id, uint /*reason*/)
    {
        const auto found = days_.find(id);
        if (found != days_.end()) Forget(found);
    }
};

// Until a minute before today ends (local time), so that the daily run at
// midnight finds this one gone; at most kLongestWaitSeconds.
int MillisecondsLeftToday()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime endOfDay(now.date(), QTime(23, 59));
    return static_cast<int>(std::clamp(now.secsTo(endOfDay), qint64{0}, kLongestWaitSeconds) * 1000);
}

int qtArgc = 1;
char qtProgramName[] = "dalcal";
char* qtArgv[] = {qtProgramName, nullptr};

int Refuse(const Message& why)
{
    Complain(Messages::Shown(why));
    return kExitRefused;
}

}  // namespace

namespace {

// What the notification server offers: a click on a notification, markup in
// its body.
struct Offered {
    bool actions = false;
    bool markup = false;
};

// The reminder as a notification; the server's answer (its id, or an error).
QDBusMessage Notify(const QDBusConnection& bus, const Reminder& reminder, const Offered& offered)
{
    const QStringList actions =
        offered.actions
            ? QStringList{QLatin1String(kOpenAction), QString::fromUtf8(Messages::Translated("Show in the calendar"))}
            : QStringList{};
    const QVariantMap hints = {{QStringLiteral("desktop-entry"), QStringLiteral("dalcal")},
                               {QStringLiteral("urgency"), QVariant::fromValue<uchar>(1)}};
    const GregorianDate& day = reminder.day.observance.date;
    const QString summary = Text(Messages::DaysLeftWords(reminder.daysBefore) + " · " + ReminderText(reminder));
    const QString body = Escaped(Text(DateReadingLine(ReadDate(Almanac::Korea, day))), offered.markup);
    return Call(bus, "Notify",
                {QStringLiteral("dalcal"), 0u, QStringLiteral("dalcal"), summary, body, actions, hints, -1});
}

// Sends each reminder due and records those sent; the exit status.
int SendAll(const QDBusConnection& bus, const RemindersToSend& toSend, const Offered& offered, Clicks& clicks,
            const std::string& logPath, const GregorianDate& today)
{
    std::vector<std::string> sent;
    for (const Reminder& reminder : toSend.Due()) {
        const QDBusMessage reply = Notify(bus, reminder, offered);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            if (!sent.empty()) RecordSent(logPath, today, sent);
            return Refuse(Message("cannot send a reminder: {1}", {Why(reply)}));
        }
        clicks.Expect(reply.arguments().value(0).toUInt(), reminder.day.observance.date);
        sent.push_back(ReminderIdentity(reminder));
    }
    RecordSent(logPath, today, sent);
    return kExitDone;
}

void ListenForClicks(QDBusConnection& bus, Clicks* clicks)
{
    bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), clicks,
                SLOT(ActionInvoked(uint, QString)));
    bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), clicks,
                SLOT(NotificationClosed(uint, uint)));
}

}  // namespace

int SendReminders(bool noWait)
{
    const GregorianDate today = Today();
    const std::string logPath = ReminderLogPath(Environment("XDG_STATE_HOME"), Environment("HOME"));
    if (logPath.empty()) {
        return Refuse(Message("no folder to keep the reminders sent in (HOME and XDG_STATE_HOME are not set)"));
    }
    try {
        std::optional<ReminderLogLock> lock;
        lock.emplace(logPath);
        const RemindersToSend toSend(today, [](const std::string&, const Message&) {});  // dalcal said them
        if (toSend.Due().empty()) return kExitDone;
        const QCoreApplication application(qtArgc, qtArgv);
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            return Refuse(
                Message("cannot send reminders: no session bus ({1})", {bus.lastError().message().toStdString()}));
        }
        const QDBusMessage capabilities = Call(bus, "GetCapabilities");
        if (capabilities.type() != QDBusMessage::ReplyMessage) {
            return Refuse(
                Message("cannot send reminders: no notification server on the session bus ({1})", {Why(capabilities)}));
        }
        const QStringList named = capabilities.arguments().value(0).toStringList();
        const Offered offered{named.contains(QStringLiteral("actions")), named.contains(QStringLiteral("body-markup"))};
        auto* const clicks = new Clicks(QCoreApplication::instance());
        const bool wait = offered.actions && !noWait;
        if (wait) ListenForClicks(bus, clicks);
        const int status = SendAll(bus, toSend, offered, *clicks, logPath, today);
        lock.reset();  // another run may send tomorrow's while this one waits
        if (status != kExitDone || !wait || !clicks->Waiting()) return status;
        QTimer::singleShot(MillisecondsLeftToday(), QCoreApplication::instance(), &QCoreApplication::quit);
        QCoreApplication::exec();
        return kExitDone;
    } catch (const Exception& error) {
        Complain(Messages::Shown(error));
        return kExitRefused;
    }
}

#include "reminder_notifications.moc"
