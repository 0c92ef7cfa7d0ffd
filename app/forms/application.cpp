#include "application.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cp949.h"
#include "form.h"

TApplication* Application = nullptr;

namespace {

// Qt reads its own options from the command line; the program reads its
// own, and gives Qt none.
int qtArgc = 1;
char qtProgramName[] = "dalcal";
char* qtArgv[] = {qtProgramName, nullptr};

constexpr int kExitNoDisplay = 1;

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
        std::_Exit(kExitNoDisplay);
    }
    const bool platformMessage = context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0;
    if (!platformMessage) (void)std::fprintf(stderr, "%s\n", qUtf8Printable(message));
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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
}

void TApplication::AdoptMainForm(std::unique_ptr<TForm> form)
{
    mainForm_ = std::move(form);
    mainForm_->DoCreate();
}

void TApplication::Run()
{
    if (mainForm_ == nullptr) return;
    mainForm_->ShowAsDesigned();
    QApplication::exec();
}

void TApplication::ShowException(const Exception& exception) noexcept
{
    try {
        if (exceptionDisplay_) {
            exceptionDisplay_(exception.Message());
        } else if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
            const QString text = QString::fromStdString(Cp949::ToUtf8(exception.Message()));
            QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("dalcal"), text);
        } else {
            (void)std::fprintf(stderr, "dalcal: %s\n", Cp949::ToUtf8(exception.Message()).c_str());
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
