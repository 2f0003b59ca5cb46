// Runs a built program at a terminal, the way a person at a keyboard meets it: its standard
// input and output on a pseudo-terminal in the usual line mode, which echoes what is typed.
#pragma once

#include "program.hpp"

#include <chrono>
#include <string>
#include <vector>

namespace test {

// Types each exchange's answer, followed by the Enter key, once the program has shown the
// exchange's prompt (everything it shows must match, in order), in a fresh working directory.
// The result's output is the screen: what the program wrote and the terminal echoed, with each
// line ending as "\n"; its errors are the program's standard error, kept apart on a pipe. `stall`
// tells where a prompt never came.
DialogueRun runAtTerminal(const std::string& program, const std::vector<Exchange>& exchanges,
                          std::chrono::milliseconds promptTimeout = std::chrono::seconds(10));

} // namespace test
