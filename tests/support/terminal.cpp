#include "terminal.hpp"
#include "process.hpp"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

// The program on the terminal's far side; we hold the terminal's near side and read its
// standard error from a pipe.
struct Session {
    pid_t pid = -1;
    int terminal = -1;
    int errors = -1;
};

Session start(const std::string& program, const fs::path& directory) {
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminal < 0 || grantpt(terminal) != 0 || unlockpt(terminal) != 0) {
        fail("pseudo-terminal");
    }
    char name[128];
    if (ptsname_r(terminal, name, sizeof name) != 0) {
        fail("ptsname");
    }
    int far = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (far < 0) {
        fail(std::string("open ") + name);
    }
    // Line mode with echo, Enter read as a newline, a newline shown as carriage return and line
    // feed: what a terminal starts with. An 80 by 24 window.
    termios mode{};
    tcgetattr(far, &mode);
    mode.c_iflag |= ICRNL;
    mode.c_oflag |= OPOST | ONLCR;
    mode.c_lflag |= ICANON | ECHO | ISIG;
    tcsetattr(far, TCSANOW, &mode);
    const winsize window{.ws_row = 24, .ws_col = 80, .ws_xpixel = 0, .ws_ypixel = 0};
    ioctl(far, TIOCSWINSZ, &window);

    int errors[2];
    if (pipe2(errors, O_CLOEXEC) != 0) {
        fail("pipe");
    }
    const pid_t pid = fork();
    if (pid < 0) {
        fail("fork");
    }
    if (pid == 0) {
        // Only async-signal-safe calls from here on. A session of its own, with the terminal as
        // its controlling terminal, as a shell starts it.
        setsid();
        ioctl(far, TIOCSCTTY, 0);
        std::signal(SIGPIPE, SIG_DFL);
        dup2(far, STDIN_FILENO);
        dup2(far, STDOUT_FILENO);
        dup2(errors[1], STDERR_FILENO);
        if (chdir(directory.c_str()) != 0) {
            _exit(126);
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    closeFd(far);
    close(errors[1]);
    return {pid, terminal, errors[0]};
}

// The screen so far: line ends as "\n". A carriage return at the very end is left out, since its
// line feed may be still to come.
std::string screen(const std::string& shown) {
    std::string text;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        if (shown[k] == '\r' && (k + 1 == shown.size() || shown[k + 1] == '\n')) {
            continue;
        }
        text += shown[k];
    }
    return text;
}

// Collects what the terminal shows and what comes on standard error until both end (the
// program and every copy of its streams are gone), `deadline` comes, or `enough` holds.
template <typename Enough>
void collect(Session& session, std::string& shown, std::string& errors, Clock::time_point deadline,
             Enough enough) {
    while ((session.terminal >= 0 || session.errors >= 0) && !enough() && Clock::now() < deadline) {
        pollfd fds[2];
        nfds_t count = 0;
        for (const int fd : {session.terminal, session.errors}) {
            if (fd >= 0) {
                fds[count++] = {fd, POLLIN, 0};
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (poll(fds, count, static_cast<int>(std::clamp<long long>(left, 0, 1000))) <= 0) {
            continue;
        }
        for (nfds_t k = 0; k < count; ++k) {
            if (fds[k].revents == 0) {
                continue;
            }
            int& fd = fds[k].fd == session.terminal ? session.terminal : session.errors;
            std::string& sink = fds[k].fd == session.terminal ? shown : errors;
            char buffer[4096];
            const ssize_t got = read(fd, buffer, sizeof buffer);
            if (got > 0) {
                sink.append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                closeFd(fd); // the terminal's far side closed (EIO), or the pipe ended
            }
        }
    }
}

void type(int terminal, const std::string& keys) {
    std::size_t written = 0;
    while (written < keys.size()) {
        const ssize_t sent = write(terminal, keys.data() + written, keys.size() - written);
        if (sent > 0) {
            written += static_cast<std::size_t>(sent);
        } else if (errno != EINTR) {
            return; // the program is gone
        }
    }
}

} // namespace

DialogueRun runAtTerminal(const std::string& program, const std::vector<Exchange>& exchanges,
                          std::chrono::milliseconds promptTimeout) {
    const WorkDir directory;
    Session session = start(program, directory.path());
    DialogueRun result;
    Run& run = result.run;
    std::string shown;

    std::string expected;
    for (const auto& exchange : exchanges) {
        expected += exchange.prompt;
        collect(session, shown, run.errors, Clock::now() + promptTimeout,
                [&] { return screen(shown).size() >= expected.size(); });
        const std::string now = screen(shown);
        if (now.size() < expected.size()) {
            result.stall = "waited for \"" + visible(expected.substr(now.size())) +
                           "\" but the screen showed only \"" + visible(now) + "\"";
            break;
        }
        if (now.compare(0, expected.size(), expected) != 0) {
            result.stall = "expected \"" + visible(expected) + "\" but the screen showed \"" +
                           visible(now) + "\"";
            break;
        }
        type(session.terminal, exchange.answer + "\r");
        expected += exchange.answer + "\n"; // as the terminal echoes it
    }

    if (!result.stall.empty()) {
        closeFd(session.terminal); // hangs up: the program is not left waiting for an answer
    }
    const auto deadline = Clock::now() + promptTimeout;
    collect(session, shown, run.errors, deadline, [] { return false; });
    closeFd(session.terminal);
    closeFd(session.errors);
    reap(session.pid, deadline, run);
    run.output = screen(shown);
    return result;
}

} // namespace test
