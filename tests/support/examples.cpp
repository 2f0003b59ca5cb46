#include "examples.hpp"

namespace test {

namespace {

bool isCommand(const std::string& line) {
    return line.rfind("$ ", 0) == 0;
}

} // namespace

std::string programOf(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        for (const auto& program : PROGRAMS) {
            if (isCommand(line) && line.find(program) != std::string::npos) {
                return std::string(program);
            }
        }
    }
    return "shell";
}

Case shellExample(const std::string& name, const std::vector<std::string>& lines,
                  const std::string& programDir) {
    Case example{.name = name,
                 .input = "PATH='" + programDir + "':$PATH\n" +
                          "TMPDIR=$PWD && export TMPDIR\n"
                          "printf '#!/bin/sh\\nexec \"$@\"\\n' >run && chmod +x run\n"};
    for (const auto& line : lines) {
        if (isCommand(line)) {
            example.input += line.substr(2) + "\n";
        } else {
            example.output += line + "\n";
        }
    }
    return example;
}

} // namespace test
