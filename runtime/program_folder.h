#pragma once

#include <string>

// The folder of the running program's file, ending in '/' (from
// /proc/self/exe); empty where the system does not tell. What a program
// finds beside itself (its catalogs, its helpers) is looked for from here,
// so that a build and an unpacked package work where they are.
std::string ProgramFolder();
