#include "reminder_notifications.h"

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

#include "careful_write.h"
#include "date_reading.h"
#include "date_text.h"
#include "messages.h"
#include "program.h"
#include "reminder_log.h"
#include "reminders_to_send.h"
#include "sysutils.h"

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

public slots:
    void ActionInvoked(uint id, const QString& key)
    {
        const auto found = days_.find(id);
        if (found == days_.end()) return;
        if (key == QLatin1String(kOpenAction)) {
            // The month view at the day, as its own process: this one ends.
            QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                    {QStringLiteral("--calendar"), Text(IsoDate(found->second))});
        }
        Forget(found);
    }
    void NotificationClosed(uint id, uint /*reason*/)
    {
        const auto found = days_.find(id);
        if (found != days_.end()) Forget(found);
    }

private:
    void Forget(std::map<uint, GregorianDate>::iterator which)
    {
        days_.erase(which);
        if (days_.empty()) QCoreApplication::quit();
    }

    std::map<uint, GregorianDate> days_;
};

// Until the end of today (local time), at most kLongestWaitSeconds.
int MillisecondsLeftToday()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0));
    return static_cast<int>(std::min(now.secsTo(midnight), kLongestWaitSeconds) * 1000);
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

int SendReminders(bool noWait)
{
    const GregorianDate today = Sysutils::Today();
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
            return Refuse(Message("cannot send reminders: no session bus ({1})", {bus.lastError().message().toStdString()}));
        }
        const QDBusMessage capabilities = Call(bus, "GetCapabilities");
        if (capabilities.type() != QDBusMessage::ReplyMessage) {
            return Refuse(Message("cannot send reminders: no notification server on the session bus ({1})",
                                  {Why(capabilities)}));
        }
        const QStringList offered = capabilities.arguments().value(0).toStringList();
        const bool clickable = offered.contains(QStringLiteral("actions"));
        const bool markup = offered.contains(QStringLiteral("body-markup"));
        auto* const clicks = new Clicks(QCoreApplication::instance());
        if (clickable && !noWait) {
            bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), clicks,
                        SLOT(ActionInvoked(uint, QString)));
            bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), clicks,
                        SLOT(NotificationClosed(uint, uint)));
        }
        const QStringList actions = clickable ? QStringList{QLatin1String(kOpenAction),
                                                            QString::fromUtf8(Messages::Translated("Show in the calendar"))}
                                              : QStringList{};
        const QVariantMap hints = {{QStringLiteral("desktop-entry"), QStringLiteral("dalcal")},
                                   {QStringLiteral("urgency"), QVariant::fromValue<uchar>(1)}};
        std::vector<std::string> sent;
        for (const Reminder& reminder : toSend.Due()) {
            const GregorianDate& day = reminder.day.observance.date;
            const QString summary = Text(Messages::DaysLeftWords(reminder.daysBefore) + " · " + ReminderText(reminder));
            const QString body = Escaped(Text(DateReadingLine(ReadDate(Almanac::Korea, day))), markup);
            const QDBusMessage reply = Call(bus, "Notify",
                                            {QStringLiteral("dalcal"), 0u, QStringLiteral("dalcal"), summary, body,
                                             actions, hints, -1});
            if (reply.type() != QDBusMessage::ReplyMessage) {
                if (!sent.empty()) RecordSent(logPath, today, sent);
                return Refuse(Message("cannot send a reminder: {1}", {Why(reply)}));
            }
            clicks->Expect(reply.arguments().value(0).toUInt(), day);
            sent.push_back(ReminderIdentity(reminder));
        }
        RecordSent(logPath, today, sent);
        lock.reset();  // another run may send tomorrow's while this one waits
        if (!clickable || noWait || !clicks->Waiting()) return kExitDone;
        QTimer::singleShot(MillisecondsLeftToday(), QCoreApplication::instance(), &QCoreApplication::quit);
        QCoreApplication::exec();
        return kExitDone;
    } catch (const Exception& error) {
        Complain(Messages::Shown(error));
        return kExitRefused;
    }
}

#include "reminder_notifications.moc"
