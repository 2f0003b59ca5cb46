#include "process.hpp"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <sys/wait.h>
#include <unistd.h>

namespace test {

namespace fs = std::filesystem;

WorkDir::WorkDir() {
    std::string pattern = (fs::temp_directory_path() / "program-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error(std::string("mkdtemp: ") + std::strerror(errno));
    }
    path_ = pattern;
}

WorkDir::~WorkDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void WorkDir::populate(const Files& files, const std::vector<std::string>& directories,
                       const Files& links) const {
    for (const auto& directory : directories) {
        fs::create_directories(path_ / directory);
    }
    for (const auto& [name, target] : links) {
        fs::create_symlink(target, path_ / name);
    }
    for (const auto& [name, content] : files) {
        std::ofstream(path_ / name, std::ios::binary) << content;
    }
}

Files WorkDir::regularFiles() const {
    Files files;
    for (const auto& entry : fs::directory_iterator(path_)) {
        if (entry.is_regular_file() && !entry.is_symlink()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in),
                                                       std::istreambuf_iterator<char>()};
        }
    }
    return files;
}

void closeFd(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

void reap(pid_t pid, std::chrono::steady_clock::time_point deadline, Run& run) {
    int wstatus = 0;
    while (waitpid(pid, &wstatus, WNOHANG) != pid) {
        if (std::chrono::steady_clock::now() >= deadline) {
            run.timedOut = true;
            kill(pid, SIGKILL);
            waitpid(pid, &wstatus, 0);
            return;
        }
        usleep(1000);
    }
    if (WIFEXITED(wstatus)) {
        run.status = WEXITSTATUS(wstatus);
    } else if (WIFSIGNALED(wstatus)) {
        run.signal = WTERMSIG(wstatus);
    }
}

} // namespace test
