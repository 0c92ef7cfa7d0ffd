#pragma once

#include <functional>
#include <memory>

#include "runtime/ansi_string.h"
#include "runtime/exception.h"

class QApplication;
class TForm;

// The program's application object over Qt: starts Qt, owns the main form,
// runs the event loop and shows exceptions. One exists while the program runs.
class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Makes Qt ready to create forms (uses the Qt application already running, if any).
    void Initialize();

    // Builds a form of class Form, stores it in variable, makes it the main
    // form (owned here; any earlier main form is destroyed) and runs its
    // OnCreate handler before it is ever shown.
    template <class Form>
    void CreateForm(Form*& variable)
    {
        auto form = std::make_unique<Form>();
        variable = form.get();
        AdoptMainForm(std::move(form));
    }

    // Shows the main form and dispatches events until it is closed.
    void Run();

    // Shows the exception's message; never throws.
    void ShowException(const Exception& exception) noexcept;

    // Runs an event handler. An exception that escapes it is shown and goes
    // no further: Qt's event loop must never see one.
    void HandleEvent(const std::function<void()>& handler) noexcept;

    // Where ShowException sends messages instead of a modal message box (tests).
    using ExceptionDisplay = std::function<void(const AnsiString& message)>;
    void SetExceptionDisplay(ExceptionDisplay display);

private:
    void AdoptMainForm(std::unique_ptr<TForm> form);

    std::unique_ptr<QApplication> qtApplication_;  // only when this object started Qt
    std::unique_ptr<TForm> mainForm_;
    ExceptionDisplay exceptionDisplay_;
};

// The one application object, set up by the program's start-up code.
extern TApplication* Application;
