#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

// What the programs the build runs to write tables (make_cp949_table,
// make_computed_tables) share: each writes two files whole.

// One row of a C++ table: "{1, 2, true},\n".
inline std::string TableRow(std::initializer_list<std::string_view> fields)
{
    std::string row = "{";
    for (const std::string_view field : fields) {
        if (row.size() > 1) row += ", ";
        row += field;
    }
    return row + "},\n";
}

inline std::string_view BoolText(bool value)
{
    return value ? "true" : "false";
}

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

// The main of such a program: each maker's text into the file named by the
// argument of its place (argv[1], argv[2], ...); usage on stderr and status 2
// for any other count of arguments, 1 where a file could not be written.
template <typename... Makers>
int WriteTables(int argc, char** argv, const char* usage, Makers... makers)
{
    if (argc != static_cast<int>(sizeof...(Makers)) + 1) {
        (void)std::fputs(usage, stderr);
        return 2;
    }
    int argument = 0;
    return (WriteWholeFile(argv[++argument], makers()) && ...) ? 0 : 1;
}
