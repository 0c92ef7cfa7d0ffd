#include "application.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>

#include "cp949.h"
#include "form.h"

TApplication* Application = nullptr;

namespace {

// Qt reads its own options from the command line; this program takes none.
int qtArgc = 1;
char qtProgramName[] = "dalcal";
char* qtArgv[] = {qtProgramName, nullptr};

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
        qtApplication_ = std::make_unique<QApplication>(qtArgc, qtArgv);
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
