// The example sessions that the README and the manual pages show, as test cases: the commands
// of an example run by the shell against the built programs.
#pragma once

#include "program.hpp"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace test {

// The five programs, in the order the README lists them.
inline constexpr std::array<std::string_view, 5> PROGRAMS = {"dailysales", "numstats", "arraymenu",
                                                             "payroll", "hollowtri"};

// The shell that runs the examples.
inline constexpr char SHELL[] = "/bin/sh";

// The first of the five programs that the commands ("$ " lines) of an example name, or "shell"
// when they name none.
std::string programOf(const std::vector<std::string>& lines);

// An example as a document shows it: every line that starts with "$ " is a command, and the
// commands run one after the other in SHELL, in a fresh working directory; every other line is
// what they write to standard output, together. The programs built in `programDir` are on the
// PATH, so that the commands call them by their bare names; `run` in the working directory
// stands in for the clone's ./run (`run PROGRAM` starts the built PROGRAM); mktemp makes its
// files and folders inside the working directory.
Case shellExample(const std::string& name, const std::vector<std::string>& lines,
                  const std::string& programDir);

} // namespace test
