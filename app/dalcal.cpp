// dalcal: the window program.

#include "Main.h"
#include "application.h"

namespace {

// The program entry: create the window and run it until it is closed. What
// escapes is shown; the exit status is 0 on every path.
int ProgramEntry()
{
    try {
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->Run();
    } catch (const Exception& exception) {
        Application->ShowException(exception);
    } catch (...) {
        try {
            throw Exception("");
        } catch (const Exception& exception) {
            Application->ShowException(exception);
        }
    }
    return 0;
}

}  // namespace

// Start-up: the application object lives exactly as long as the program, so
// the window and Qt are gone before main returns.
int main()
{
    TApplication application;
    Application = &application;
    const int status = ProgramEntry();
    Application = nullptr;
    return status;
}
