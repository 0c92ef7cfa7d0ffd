#pragma once

#include <span>
#include <string>

#include "runtime/message.h"
#include "shell/command_line.h"

// What every program of dalcal does around its own work: the name it speaks
// as, its exit statuses, the environment, saying on stderr what went wrong and
// making sure its output got out.

inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;  // a value refused, output not written, no window
inline constexpr int kExitUsage = 2;    // a command line not understood, before any output

using ProgramMain = int (*)(std::span<const char* const> args);

// Runs main over the command line, speaking as name in every message
// (dalcal-page speaks as dalcal-print, which runs it). An exception that
// escapes main (out of memory, a fault) is one line on stderr and status
// kExitRefused.
int RunProgram(const char* name, int argc, char** argv, ProgramMain main);

// A variable of the environment, "" where it is not set.
std::string Environment(const char* name);

// "NAME: MESSAGE" on stderr, after what stdout has had; in CP949 where the
// output is.
void Complain(const std::string& message, bool cp949 = false) noexcept;

// "NAME: MESSAGE" and the hint "Try 'NAME --help'." on stderr; the usage status.
int ReportUsageError(const UsageError& usage);

// A line or a file of the user's that cannot be used: "WHERE: MESSAGE" on
// stderr, where WHERE is FILE:LINE or FILE; the program goes on without it.
void ReportFileProblem(const std::string& where, const Message& what);

// Writes text to stdout; whether it and all written before reached the reader.
bool Print(const char* text);

// Whether all output reached its reader; says why not (a full disk, a closed pipe).
bool OutputWritten();

// Becomes the program at path with the same arguments (args[0] aside);
// returns only where it cannot be run, having said so with cannotRun (a
// Phrase with {1} for the path): kExitRefused.
int BecomeProgram(const std::string& path, std::span<const char* const> args, const char* cannotRun);
