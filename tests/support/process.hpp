// What the two ways of running a program, on pipes and at a pseudo-terminal, share: a working
// directory of its own, descriptors closed once, and the program reaped in time.
#pragma once

#include "program.hpp"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/types.h>

namespace test {

// A fresh working directory that is removed with everything in it when the run is over.
class WorkDir {
  public:
    WorkDir();
    ~WorkDir();
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    void populate(const Files& files, const std::vector<std::string>& directories,
                  const Files& links) const;

    // The regular files in it, name to content.
    Files regularFiles() const;

  private:
    std::filesystem::path path_;
};

// Closes `fd` unless it is closed already, and marks it closed.
void closeFd(int& fd);

// Reaps the program, killing it when it is still running at `deadline`, and records how it
// ended in `run`.
void reap(pid_t pid, std::chrono::steady_clock::time_point deadline, Run& run);

} // namespace test
