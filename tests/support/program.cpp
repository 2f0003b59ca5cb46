#include "program.hpp"
#include "process.hpp"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Pipe {
    int read = -1;
    int write = -1;
};

Pipe makePipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    return {fds[0], fds[1]};
}

// A started program with its three standard streams on pipes (or standard output on a file).
struct Child {
    pid_t pid = -1;
    int input = -1;  // we write, it reads
    int output = -1; // it writes, we read; -1 when standard output goes to a file
    int errors = -1;
};

// How the programs are run: directly, or on another system through a runner.
struct Target {
    std::string runner{};
    std::string programDir{};
    std::string programSuffix{};
    bool crlf = false;
};

const Target& target() {
    static const Target configured = [] {
        const auto variable = [](const char* name) {
            const char* value = std::getenv(name);
            return std::string(value == nullptr ? "" : value);
        };
        return Target{.runner = variable("TEST_RUNNER"),
                      .programDir = variable("TEST_PROGRAM_DIR"),
                      .programSuffix = variable("TEST_PROGRAM_SUFFIX"),
                      .crlf = !variable("TEST_CRLF").empty()};
    }();
    return configured;
}

std::string targetProgram(const std::string& program) {
    if (target().programDir.empty()) {
        return program;
    }
    return (fs::path(target().programDir) / fs::path(program).filename()).string() +
           target().programSuffix;
}

// \r\n read as \n, where the programs run on a system that ends lines so.
std::string asLines(std::string text) {
    if (!target().crlf) {
        return text;
    }
    std::size_t kept = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (!(text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n')) {
            text[kept++] = text[k];
        }
    }
    text.resize(kept);
    return text;
}

// The other way round: \n written as \r\n, to tell what such a program shows.
std::string inTargetLines(const std::string& text) {
    if (!target().crlf) {
        return text;
    }
    std::string written;
    for (const char c : text) {
        if (c == '\n') {
            written += '\r';
        }
        written += c;
    }
    return written;
}

Child start(const std::string& program, const fs::path& directory, const Setup& setup) {
    // Our end of a pipe may close before the program is done with it; that must not end us.
    std::signal(SIGPIPE, SIG_IGN);
    const std::string path = targetProgram(program);
    const std::string& runner = target().runner;

    Pipe input;
    if (setup.inputPath.empty()) {
        input = makePipe();
    } else {
        input.read = open(setup.inputPath.c_str(), O_RDONLY | O_CLOEXEC);
        if (input.read < 0) {
            throw std::runtime_error("open " + setup.inputPath + ": " + std::strerror(errno));
        }
    }
    Pipe output;
    int outputFile = -1;
    if (!setup.outputPath.empty()) {
        outputFile = open(setup.outputPath.c_str(), O_WRONLY | O_CLOEXEC);
        if (outputFile < 0) {
            throw std::runtime_error("open " + setup.outputPath + ": " + std::strerror(errno));
        }
    } else if (!setup.closedOutput) {
        output = makePipe();
    }
    Pipe errors = makePipe();

    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    }
    if (pid == 0) {
        // Only async-signal-safe calls from here on.
        std::signal(SIGPIPE, setup.ignorePipeSignal ? SIG_IGN : SIG_DFL); // SIG_DFL as a shell
        dup2(input.read, STDIN_FILENO);
        if (setup.closedOutput) {
            close(STDOUT_FILENO);
        } else {
            dup2(outputFile >= 0 ? outputFile : output.write, STDOUT_FILENO);
        }
        dup2(errors.write, STDERR_FILENO);
        if (chdir(directory.c_str()) != 0) {
            _exit(126);
        }
        if (runner.empty()) {
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        } else {
            execl(runner.c_str(), runner.c_str(), path.c_str(), static_cast<char*>(nullptr));
        }
        _exit(127);
    }

    closeFd(input.read);
    closeFd(output.write);
    closeFd(errors.write);
    closeFd(outputFile);
    if (input.write >= 0) {
        fcntl(input.write, F_SETFL, O_NONBLOCK);
    }
    return {pid, input.write, output.read, errors.read};
}

int millisecondsUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 1000));
}

// Appends what is ready on `fd` to `sink`; closes `fd` at the end of the stream.
void drain(int& fd, std::string& sink) {
    char buffer[65536];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got > 0) {
        sink.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
        closeFd(fd);
    }
}

// Feeds `child` the rest of `input` (closing its standard input after the last byte when
// `closeInput`, or starting `input` over when `repeatInput`), and collects its output until both
// streams end or `deadline` comes. With `until`, returns as soon as it holds true, leaving the
// streams open.
template <typename Until>
void pump(Child& child, const std::string& input, std::size_t& written, bool closeInput,
          bool repeatInput, std::size_t outputLimit, Clock::time_point deadline, Run& run,
          Until until) {
    while ((child.output >= 0 || child.errors >= 0) && !until()) {
        if (child.input >= 0 && (written == input.size() && closeInput)) {
            closeFd(child.input);
        }
        pollfd fds[3];
        nfds_t count = 0;
        const bool feeding = child.input >= 0 && written < input.size();
        if (feeding) {
            fds[count++] = {child.input, POLLOUT, 0};
        }
        if (child.output >= 0) {
            fds[count++] = {child.output, POLLIN, 0};
        }
        if (child.errors >= 0) {
            fds[count++] = {child.errors, POLLIN, 0};
        }
        if (Clock::now() >= deadline) {
            return;
        }
        if (poll(fds, count, millisecondsUntil(deadline)) <= 0) {
            continue;
        }
        for (nfds_t k = 0; k < count; ++k) {
            if (fds[k].revents == 0) {
                continue;
            }
            if (fds[k].fd == child.input) {
                const ssize_t sent =
                    write(child.input, input.data() + written, input.size() - written);
                if (sent > 0) {
                    written += static_cast<std::size_t>(sent);
                    if (repeatInput && written == input.size()) {
                        written = 0;
                    }
                } else if (errno != EAGAIN && errno != EINTR) {
                    closeFd(child.input); // the program stopped reading
                }
            } else if (fds[k].fd == child.output) {
                drain(child.output, run.output);
                if (run.output.size() >= outputLimit) {
                    closeFd(child.output);
                }
            } else {
                drain(child.errors, run.errors);
            }
        }
    }
}

void finish(Child& child, Clock::time_point deadline, Run& run) {
    closeFd(child.input);
    closeFd(child.output);
    closeFd(child.errors);
    reap(child.pid, deadline, run);
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

std::string describe(const Run& run) {
    std::ostringstream text;
    if (run.timedOut) {
        text << "did not end in time";
    } else if (run.signal != 0) {
        text << "ended by signal " << run.signal;
    } else {
        text << "exited with status " << run.status;
    }
    return text.str();
}

} // namespace

Run runProgram(const std::string& program, const Setup& setup) {
    WorkDir directory;
    directory.populate(setup.files, setup.directories, setup.links);

    Run run;
    const auto deadline = Clock::now() + setup.timeout;
    Child child = start(program, directory.path(), setup);
    std::size_t written = 0;
    pump(child, setup.input, written, true, setup.repeatInput, setup.outputLimit, deadline, run,
         [] { return false; });
    finish(child, deadline, run);
    run.output = asLines(std::move(run.output));
    run.files = directory.regularFiles();
    for (auto& [name, content] : run.files) {
        content = asLines(std::move(content));
    }
    return run;
}

DialogueRun runDialogue(const std::string& program, const std::vector<Exchange>& exchanges,
                        std::chrono::milliseconds promptTimeout) {
    WorkDir directory;
    DialogueRun result;
    Run& run = result.run;
    Child child = start(program, directory.path(), Setup{});

    std::string expected; // as the program writes it
    for (const auto& exchange : exchanges) {
        expected += inTargetLines(exchange.prompt);
        std::size_t written = 0;
        const auto deadline = Clock::now() + promptTimeout;
        pump(child, "", written, false, false, std::numeric_limits<std::size_t>::max(), deadline,
             run, [&] { return run.output.size() >= expected.size(); });
        if (run.output.size() < expected.size()) {
            result.stall = "waited for \"" + visible(expected.substr(run.output.size())) +
                           "\" but the program showed only \"" + visible(run.output) + "\"";
            break;
        }
        if (run.output.compare(0, expected.size(), expected) != 0) {
            result.stall = "expected \"" + visible(expected) + "\" but the program showed \"" +
                           visible(run.output) + "\"";
            break;
        }
        written = 0;
        while (written < exchange.answer.size() && child.input >= 0) {
            const ssize_t sent = write(child.input, exchange.answer.data() + written,
                                       exchange.answer.size() - written);
            if (sent > 0) {
                written += static_cast<std::size_t>(sent);
            } else if (errno != EAGAIN && errno != EINTR) {
                closeFd(child.input);
            }
        }
    }

    std::size_t written = 0;
    const auto deadline = Clock::now() + promptTimeout;
    pump(child, "", written, true, false, std::numeric_limits<std::size_t>::max(), deadline, run,
         [] { return false; });
    finish(child, deadline, run);
    run.output = asLines(std::move(run.output));
    return result;
}

std::string visible(const std::string& text) {
    std::string shown;
    for (const char character : text) {
        const auto c = static_cast<unsigned char>(character);
        if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c == '\\' || c == '"') {
            shown += '\\';
            shown += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            shown += hex;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

bool underRunner() {
    return !target().runner.empty();
}

testing::AssertionResult sameText(const std::string& expected, const std::string& actual) {
    if (expected == actual) {
        return testing::AssertionSuccess();
    }
    const auto expectedLines = splitLines(expected);
    const auto actualLines = splitLines(actual);
    std::size_t first = 0;
    while (first < expectedLines.size() && first < actualLines.size() &&
           expectedLines[first] == actualLines[first]) {
        ++first;
    }
    constexpr std::size_t context = 3;
    constexpr std::size_t shown = 12;
    std::ostringstream message;
    message << "texts part at line " << first + 1 << " (expected " << expected.size()
            << " bytes in " << expectedLines.size() << " lines, got " << actual.size()
            << " bytes in " << actualLines.size() << " lines)\n";
    const std::size_t from = first > context ? first - context : 0;
    for (std::size_t k = from; k < first; ++k) {
        message << "    " << visible(expectedLines[k]) << '\n';
    }
    for (std::size_t k = first; k < std::min(expectedLines.size(), first + shown); ++k) {
        message << "  - " << visible(expectedLines[k]) << '\n';
    }
    for (std::size_t k = first; k < std::min(actualLines.size(), first + shown); ++k) {
        message << "  + " << visible(actualLines[k]) << '\n';
    }
    return testing::AssertionFailure() << message.str();
}

void expectRun(const Run& run, const std::string& output, int status) {
    EXPECT_FALSE(run.timedOut) << "the program did not end in time";
    EXPECT_EQ(run.signal, 0) << "the program was ended by a signal";
    EXPECT_EQ(run.status, status) << describe(run);
    EXPECT_TRUE(sameText(output, run.output)) << "standard output";
    EXPECT_TRUE(sameText("", run.errors)) << "standard error";
}

void expectFailedQuietly(const Run& run) {
    EXPECT_FALSE(run.timedOut) << "the program did not end in time";
    EXPECT_TRUE(run.signal != 0 || run.status > 0) << describe(run);
    EXPECT_TRUE(sameText("", run.errors)) << "standard error";
}

void expectEndsAtFailedWrite(const std::string& program, const std::string& input) {
    // Endless input never runs out, so only the failed write can end the run; it must do so
    // long before this.
    constexpr std::chrono::seconds PROMPTLY{5};
    const Setup failures[] = {
        {.outputPath = "/dev/full"},
        {.closedOutput = true},
        {.outputLimit = 100, .ignorePipeSignal = true},
    };
    const char* names[] = {"standard output on /dev/full", "standard output closed",
                           "reader gone, SIGPIPE ignored"};
    for (std::size_t k = 0; k < std::size(failures); ++k) {
        SCOPED_TRACE(names[k]);
        Setup setup = failures[k];
        setup.input = input;
        setup.repeatInput = true;
        setup.timeout = PROMPTLY;
        const Run run = runProgram(program, setup);
        EXPECT_FALSE(run.timedOut) << "the program did not end in time";
        EXPECT_EQ(run.signal, 0) << "the program was ended by a signal";
        EXPECT_EQ(run.status, 1) << describe(run);
        EXPECT_TRUE(sameText("", run.errors)) << "standard error";
    }
}

namespace {

class CaseTest : public testing::Test {
  public:
    CaseTest(std::string program, Case c) : program_(std::move(program)), case_(std::move(c)) {}

    void TestBody() override {
        if (!case_.links.empty()) {
            SKIP_UNDER_RUNNER("symbolic links");
        }
        const test::Run run = runProgram(program_, {.input = case_.input,
                                                    .files = case_.files,
                                                    .directories = case_.directories,
                                                    .links = case_.links});
        expectRun(run, case_.output, case_.status);
        if (case_.filesAfter) {
            EXPECT_EQ(run.files.size(), case_.filesAfter->size()) << "files afterwards";
            for (const auto& [name, content] : *case_.filesAfter) {
                const auto found = run.files.find(name);
                if (found == run.files.end()) {
                    ADD_FAILURE() << name << " is missing afterwards";
                } else {
                    EXPECT_TRUE(sameText(content, found->second)) << name << " afterwards";
                }
            }
        }
    }

  private:
    std::string program_;
    Case case_;
};

} // namespace

void registerCases(const std::string& program, const std::string& suite, std::vector<Case> cases) {
    for (auto& c : cases) {
        const std::string name = c.name;
        testing::RegisterTest(
            suite.c_str(), name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
            [program, c = std::move(c)]() -> testing::Test* { return new CaseTest(program, c); });
    }
}

std::string repeat(const std::string& text, int count) {
    std::string result;
    for (int k = 0; k < count; ++k) {
        result += text;
    }
    return result;
}

} // namespace test
