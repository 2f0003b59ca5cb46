// The README's example sessions, run as they stand against the built programs, so the README
// cannot drift from what the programs do. Each ```console block is one case: its "$ " lines
// are run by the shell, one after the other in a fresh working directory, and every other line
// is what they must write, together.
#include "program.hpp"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string SHELL = "/bin/sh";
const std::vector<std::string> PROGRAMS = {"dailysales", "numstats", "arraymenu", "payroll",
                                           "hollowtri"};

// The program that a block of commands shows, to name its case.
std::string programOf(const std::string& commands) {
    for (const auto& program : PROGRAMS) {
        if (commands.find(program) != std::string::npos) {
            return program;
        }
    }
    return "shell";
}

std::vector<test::Case> examples() {
    std::ifstream readme(README_PATH);
    std::vector<test::Case> cases;
    std::string line;
    bool inBlock = false;
    test::Case current;
    while (std::getline(readme, line)) {
        if (!inBlock) {
            if (line == "```console") {
                inBlock = true;
                current = {.input = std::string("PATH='") + PROGRAM_DIR + "':$PATH\n"};
            }
        } else if (line == "```") {
            inBlock = false;
            current.name =
                programOf(current.input) + "_example_" + std::to_string(cases.size() + 1);
            cases.push_back(current);
        } else if (line.rfind("$ ", 0) == 0) {
            current.input += line.substr(2) + "\n";
        } else {
            current.output += line + "\n";
        }
    }
    return cases;
}

const bool registered = (test::registerCases(SHELL, "readme", examples()), true);

} // namespace
