// SPDX-License-Identifier: MIT
#pragma once

#include "Invocation.h"

#include <vector>

// The commands of tolvanek-cli as rows of one table: each declares its name, summary, arguments
// and options once; CommandLine.cpp parses, helps and checks from these rows.
namespace cli {

// What a positional argument or an option's value is: the paths are checked before a command
// runs (never empty, an output never one of the inputs).
enum class Role {
    Flag,      // an option without a value
    Value,     // a word such as a format or team initials
    Input,     // a file the command reads; "-" for standard input where the command allows it
    Csv,       // an Input that is a league file or a team CSV
    TeamOfCsv, // team initials naming the team a team CSV replaces: no league file takes them
    Output,    // the file the command writes; "-" for standard output where the command allows it
    Seconds,   // a time to wait, in seconds
    Text,      // an argument that is a text to work on, not a file
};

inline bool IsInput(Role role) {
    return role == Role::Input || role == Role::Csv;
}

struct ArgumentDeclaration {
    const char* name;
    const char* description;
    bool optional = false; // only last ones may be left out
    Role role = Role::Input;
    bool repeats = false; // the last one may be given any number of times
};

struct OptionDeclaration {
    const char* name; // one letter gets one dash, a word two
    const char* description;
    const char* valueName; // nullptr for a flag
    Role role;
    bool required = false;
};

struct CommandDeclaration {
    const char* name;
    const char* summary;                        // one line in the program's help
    const char* description;                    // the first line of the command's help
    std::vector<ArgumentDeclaration> arguments; // files the command reads, or Role::Text
    std::vector<OptionDeclaration> options;
    int (*run)(const Invocation&);
};

// The longest --wait taken, some thirty years: as good as waiting for ever, and still within what
// the clock counts.
inline constexpr double MaxWaitSeconds = 1e9;

// Every row, in the order the program's help lists them.
[[nodiscard]] const std::vector<CommandDeclaration>& Commands();

} // namespace cli
