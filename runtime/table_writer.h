#pragma once

#include <cstdio>
#include <string>

// What the programs the build runs to write tables (make_cp949_table,
// make_computed_tables) share: each writes two files whole.

// Writes text to path whole; false, with the reason on stderr, otherwise.
inline bool WriteWholeFile(const char* path, const std::string& text)
{
    std::FILE* file = std::fopen(path, "w");
    if (file == nullptr) {
        std::perror(path);
        return false;
    }
    const bool written = std::fputs(text.c_str(), file) >= 0;
    if (std::fclose(file) != 0 || !written) {
        std::perror(path);
        return false;
    }
    return true;
}

// The main of such a program: first() into argv[1], second() into argv[2];
// usage on stderr and status 2 for any other command line, 1 where a file
// could not be written.
template <typename MakeFirst, typename MakeSecond>
int WriteTwoTables(int argc, char** argv, const char* usage, MakeFirst first, MakeSecond second)
{
    if (argc != 3) {
        (void)std::fputs(usage, stderr);
        return 2;
    }
    return WriteWholeFile(argv[1], first()) && WriteWholeFile(argv[2], second()) ? 0 : 1;
}
