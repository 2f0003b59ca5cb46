// Runs a built program the way its user meets it (a standard input, a fresh working directory
// with given files) and checks what it leaves behind: standard output byte for byte, the exit
// status, an empty error stream and, where asked, the files.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace test {

// The programs may be run on another system, through a runner such as an emulator, where these
// environment variables say so:
//   TEST_RUNNER          the path of the command that starts a program given as its argument
//   TEST_PROGRAM_DIR     the folder of the programs to run instead of the ones built here; each
//                        is named there as here, followed by TEST_PROGRAM_SUFFIX (such as .exe)
//   TEST_CRLF            when set, a \r\n in standard output and in the files left behind is read
//                        as \n, as written by a system whose text files end lines so
// A test that rests on what only this system gives (/dev/full, symbolic links, signals) skips
// itself under a runner, with SKIP_UNDER_RUNNER.
bool underRunner();
#define SKIP_UNDER_RUNNER(reason)                                                                  \
    if (test::underRunner())                                                                       \
    GTEST_SKIP() << "only on this system: " << (reason)

// File name to content, in the program's working directory.
using Files = std::map<std::string, std::string>;

struct Setup {
    std::string input{}; // standard input, through a pipe that closes after it
    Files files{};       // written into the fresh working directory before the start
    std::vector<std::string> directories{}; // created there too
    Files links{};                          // symbolic links created there too: name to target
    std::string outputPath{}; // when set, standard output goes to this file, not to us
    std::string inputPath{};  // when set, standard input comes from this path, not from `input`
    std::size_t outputLimit = std::numeric_limits<std::size_t>::max(); // then close the pipe
    bool repeatInput = false;  // `input` is written again and again until the program stops
    bool closedOutput = false; // the program starts with standard output closed
    bool ignorePipeSignal =
        false; // it starts with SIGPIPE ignored, so writes to a gone reader fail
    std::chrono::milliseconds timeout{20000};
};

struct Run {
    std::string output{}; // standard output
    std::string errors{}; // standard error
    int status = -1;      // exit status, or -1 when the program did not exit by itself
    int signal = 0;       // the signal that ended it, or 0
    bool timedOut = false;
    Files files{}; // regular files in the working directory afterwards
};

Run runProgram(const std::string& program, const Setup& setup);

// One step of a live dialogue: wait until the program has written `prompt` (everything it
// writes must match, in order), then type `answer`.
struct Exchange {
    std::string prompt{};
    std::string answer{};
};

// Drives the program through pipes, answering each prompt only once it has been seen, the way
// a person or a script at a terminal does. `stall` in the result tells where a prompt never
// came: a prompt held in a buffer while the program waits for its answer.
struct DialogueRun {
    Run run{};
    std::string stall{};
};
DialogueRun runDialogue(const std::string& program, const std::vector<Exchange>& exchanges,
                        std::chrono::milliseconds promptTimeout = std::chrono::seconds(10));

// The text with newlines, tabs, backslashes, quotes and bytes outside printable ASCII escaped,
// so that a message shows every byte of it.
std::string visible(const std::string& text);

// Byte-for-byte comparison whose failure message shows where the texts part, with
// invisible characters made visible.
testing::AssertionResult sameText(const std::string& expected, const std::string& actual);

// The run ended by itself with `status`, wrote `output` and nothing to standard error.
void expectRun(const Run& run, const std::string& output, int status);

// The run ended by itself with a status other than 0 and wrote nothing to standard error.
void expectFailedQuietly(const Run& run);

// Under endless `input`, standard output fails in each way it can: a full device, a closed
// descriptor, a reader that has gone while SIGPIPE is ignored. Each time the program must stop
// reading and end by itself with status 1, promptly, with nothing on standard error.
void expectEndsAtFailedWrite(const std::string& program, const std::string& input);

// A transcript: the input a user types and everything the program must answer.
struct Case {
    std::string name{};
    std::string input{};
    std::string output{};
    int status = 0;
    Files files{};                          // working directory before the run
    std::optional<Files> filesAfter{};      // when set, the working directory's files afterwards
    std::vector<std::string> directories{}; // created in the working directory before the run
    Files links{};                          // symbolic links there before the run: name to target
};

// Registers each case as its own test, named `suite.name`.
void registerCases(const std::string& program, const std::string& suite, std::vector<Case> cases);

// Text repeated `count` times, for composing expected output from named pieces.
std::string repeat(const std::string& text, int count);

} // namespace test
