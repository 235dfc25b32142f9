#include "rom/TempCopies.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>

namespace quorvex {

namespace {

constexpr const char* kCopyMark = ".quorvex-";
constexpr int kSlots = 16;
constexpr size_t kMaxPath = 4096;
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

// The table the signal handler reads. A slot is free (0), being filled by
// its owner (1) or holds a live copy's name (2); the handler only touches
// slots in state 2, whose name is complete.
char g_paths[kSlots][kMaxPath];
std::atomic<int> g_state[kSlots];
struct sigaction g_previous[kSignalCount];
std::once_flag g_installOnce;

void RemoveListedCopies()
{
    for (int i = 0; i < kSlots; ++i)
        if (g_state[i].load() == 2)
            ::unlink(g_paths[i]);
}

// Only async-signal-safe calls here: unlink, sigaction, raise.
void OnSignal(int sig, siginfo_t* info, void* context)
{
    int k = 0;
    while (k < kSignalCount && kSignals[k] != sig)
        ++k;
    if (k == kSignalCount)
        return;
    const struct sigaction& previous = g_previous[k];
    if ((previous.sa_flags & SA_SIGINFO) != 0) {
        // A handler installed before this one decides whether the process
        // ends; if it does without cleaning up, the next save does.
        previous.sa_sigaction(sig, info, context);
        return;
    }
    if (previous.sa_handler != SIG_DFL) {
        previous.sa_handler(sig);
        return;
    }
    // The default action ends the process: remove the copies, then end it
    // the way the signal would have (the raised signal stays pending until
    // this handler returns, and is then taken with the default action).
    RemoveListedCopies();
    ::sigaction(sig, &previous, nullptr);
    ::raise(sig);
}

void InstallHandlers()
{
    for (int k = 0; k < kSignalCount; ++k) {
        struct sigaction old {};
        if (::sigaction(kSignals[k], nullptr, &old) != 0)
            continue;
        // A signal the process ignores (a program started by nohup) stays
        // ignored: it never ends the process, so no copy is left by it.
        if ((old.sa_flags & SA_SIGINFO) == 0 && old.sa_handler == SIG_IGN)
            continue;
        g_previous[k] = old;
        struct sigaction mine {};
        mine.sa_sigaction = OnSignal;
        mine.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&mine.sa_mask);
        for (int s : kSignals)
            sigaddset(&mine.sa_mask, s);
        ::sigaction(kSignals[k], &mine, nullptr);
    }
}

// "PID-XXXXXX" after the mark: the process id of the copy's maker, or 0
// when the name has another form.
pid_t OwnerOf(const std::string& rest)
{
    const size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || rest.size() - dash - 1 != 6 || dash > 9)
        return 0;
    pid_t pid = 0;
    for (size_t i = 0; i < dash; ++i) {
        if (rest[i] < '0' || rest[i] > '9')
            return 0;
        pid = pid * 10 + (rest[i] - '0');
    }
    return pid;
}

bool ProcessExists(pid_t pid)
{
    // EPERM: the process exists but belongs to another user.
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

} // namespace

std::string TempCopyTemplate(const std::string& path)
{
    return path + kCopyMark + std::to_string(::getpid()) + "-XXXXXX";
}

int RegisterTempCopy(const std::string& tempPath)
{
    std::call_once(g_installOnce, InstallHandlers);
    if (tempPath.size() >= kMaxPath)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        int expected = 0;
        if (!g_state[i].compare_exchange_strong(expected, 1))
            continue;
        std::memcpy(g_paths[i], tempPath.c_str(), tempPath.size() + 1);
        g_state[i].store(2);
        return i;
    }
    return -1;
}

void ReleaseTempCopy(int slot)
{
    if (slot >= 0 && slot < kSlots)
        g_state[slot].store(0);
}

int RemoveStaleCopies(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path file(path);
    const std::string prefix = file.filename().string() + kCopyMark;
    fs::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code ec;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    int removed = 0;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const pid_t owner = OwnerOf(name.substr(prefix.size()));
        if (owner <= 0 || ProcessExists(owner))
            continue;
        std::error_code kindError;
        if (!fs::is_regular_file(it->symlink_status(kindError)) || kindError)
            continue;
        if (::unlink(it->path().c_str()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace quorvex
