#pragma once

#include <string>

// The folder of the running program's file, ending in '/' (from
// /proc/self/exe); empty where the system does not tell. What a program
// finds beside itself (its catalogs, its helpers) is looked for from here,
// so that a build and an unpacked package work where they are.
std::string ProgramFolder();

// One of dalcal's helper programs (dalcal-page, dalcal-window, dalcal-remind):
// beside the running program in a build, in ../libexec/dalcal from an
// installed bin folder, else at installed (its full path where installed).
std::string HelperProgram(const std::string& name, const std::string& installed);
