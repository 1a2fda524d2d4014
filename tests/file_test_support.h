#pragma once
// Pieces shared by the tests of the files the game writes: reading and writing
// bytes, a table unlike the default one, guards against hangs, and running a
// step as a second user.

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "records/top_ten.h"

constexpr uid_t kNobody = 65534;

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline mode_t ModeOf(const std::string& path)
{
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// A table unlike the default rows, so that a file replaced by them shows.
inline TopTenTable OwnTable(const std::string& prefix = "own")
{
    TopTenTable table;
    for (std::size_t k = 0; k < table.size(); ++k)
        table[k] = {prefix + std::to_string(k), static_cast<std::int32_t>(1000 - k), 50, "差"};
    return table;
}

// Runs step in a child process, as nobody when the test runs as root; true
// when step returned true.
inline bool InChild(const std::function<bool()>& step, bool asNobody)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (asNobody && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(3);
        _exit(step() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs check as a user who may write only what the file modes allow (root may
// write anything: the child then becomes nobody, and dir with its entries is
// handed over to nobody first). True when check did.
inline bool AsUnprivileged(const std::string& dir, const std::function<bool()>& check)
{
    namespace fs = std::filesystem;
    const bool root = geteuid() == 0;
    if (root) {
        if (lchown(dir.c_str(), kNobody, kNobody) != 0)
            return false;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir))
            if (lchown(entry.path().c_str(), kNobody, kNobody) != 0)
                return false;
    }
    return InChild(check, root);
}

// Ends the test process, and so fails the test, when a step blocks.
struct HangGuard {
    HangGuard() { alarm(20); }
    ~HangGuard() { alarm(0); }
};
