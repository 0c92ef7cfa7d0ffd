#include "programs/dalcal/application.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "icons/dalcal.xpm"
#include "programs/dalcal/form.h"
#include "shell/messages.h"
#include "shell/program.h"
#include "text/cp949.h"

TApplication* Application = nullptr;

namespace {

// Qt reads its own options from the command line; the program reads its
// own, and gives Qt none.
int qtArgc = 1;
char qtProgramName[] = "dalcal";
char* qtArgv[] = {qtProgramName, nullptr};

// While Qt starts: a display named but not reached makes Qt give up with a
// fatal message (and a core dump); say so in one line and exit with status 1
// instead. Qt's own warnings about its platform plugins are left out.
const char* EnvironmentText(const char* name)
{
    const char* const value = std::getenv(name);
    return value != nullptr && value[0] != '\0' ? value : "unset";
}

void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        (void)std::fprintf(stderr, "dalcal: cannot open a display for the window (DISPLAY %s, WAYLAND_DISPLAY %s)\n",
                           EnvironmentText("DISPLAY"), EnvironmentText("WAYLAND_DISPLAY"));
        std::_Exit(kExitRefused);
    }
    const bool platformMessage = context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0;
    if (!platformMessage) (void)std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

// A request to end (SIGTERM when the session ends, SIGINT, SIGHUP) closes the
// window as the user would, and the program ends normally: the handler only
// writes a byte to a pipe, which the event loop reads.
std::array<int, 2> quitPipe = {-1, -1};

extern "C" void RequestQuit(int)
{
    const char byte = 'q';
    const int saved = errno;
    (void)!write(quitPipe[1], &byte, 1);  // a full pipe already holds a request
    errno = saved;
}

// Until the loop ends; none if the pipe cannot be made (the signals then end
// the program as by default).
std::unique_ptr<QSocketNotifier> QuitOnSignals()
{
    if (quitPipe[0] < 0 && pipe2(quitPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) return nullptr;
    auto notifier = std::make_unique<QSocketNotifier>(quitPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [] {
        std::array<char, 16> bytes{};
        while (read(quitPipe[0], bytes.data(), bytes.size()) > 0) {
        }
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = RequestQuit;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) (void)sigaction(signal, &action, nullptr);
    return notifier;
}

}  // namespace

TApplication::TApplication() = default;

// The forms go before Qt does.
TApplication::~TApplication()
{
    mainForm_.reset();
    qtApplication_.reset();
}

void TApplication::Initialize()
{
    if (QCoreApplication::instance() == nullptr) {
        const QtMessageHandler previous = qInstallMessageHandler(StartupMessages);
        qtApplication_ = std::make_unique<QApplication>(qtArgc, qtArgv);
        qInstallMessageHandler(previous);
    }
    QApplication::setApplicationName(QStringLiteral("dalcal"));
    QApplication::setDesktopFileName(QStringLiteral("dalcal"));
    // Made from the XPM compiled in: read as a file (or resource), the image
    // would have Qt load image format plugins to ask which can read it (the
    // theme's SVG cost the start a tenth). The desktop shows the installed
    // theme's icon, sharp at any scale, through the desktop file's name.
    QApplication::setWindowIcon(QIcon(QPixmap(MAINICON)));
}

void TApplication::AdoptMainForm(std::unique_ptr<TForm> form)
{
    mainForm_ = std::move(form);
    mainForm_->DoCreate();
}

void TApplication::Run()
{
    if (mainForm_ == nullptr) return;
    const std::unique_ptr<QSocketNotifier> quitOnSignals = QuitOnSignals();
    mainForm_->ShowAsDesigned();
    QApplication::exec();
}

void TApplication::ShowException(const Exception& exception) noexcept
{
    try {
        // In the reader's language, through the catalog every message goes through.
        const std::string shown = Messages::Shown(exception);
        if (exceptionDisplay_) {
            exceptionDisplay_(Cp949::FromUtf8(shown));
        } else if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
            QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("dalcal"),
                                  QString::fromStdString(shown));
        } else {
            (void)std::fprintf(stderr, "dalcal: %s\n", shown.c_str());
        }
    } catch (...) {
        (void)std::fprintf(stderr, "dalcal: %s\n", exception.Message().c_str());  // raw bytes: better than nothing
    }
}

void TApplication::HandleEvent(const std::function<void()>& handler) noexcept
{
    try {
        handler();
    } catch (const Exception& exception) {
        ShowException(exception);
    } catch (...) {
        ShowException(Exception(""));
    }
}

void TApplication::SetExceptionDisplay(ExceptionDisplay display)
{
    exceptionDisplay_ = std::move(display);
}
