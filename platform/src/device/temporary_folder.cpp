#include "device/temporary_folder.h"

#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace platform::device_setup {
namespace {

const int kGuardedSignals[] = {SIGINT, SIGTERM, SIGHUP};
const int kDeepestFolder = 128;  // the device's paths cannot nest deeper than MAX_PATH allows

// What the signal handler reads: written only while it is not guarding.
char guardedFolder[PATH_MAX];
volatile sig_atomic_t guarding = 0;
pid_t guardingProcess = 0;  // a child forked to run a program must not remove it
struct sigaction previousActions[NSIG];

// Everything below runs inside a signal handler: system calls only, no
// allocation, no library state.
void RemoveTreeAt(int parent, const char* name, int depth);

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// One pass over FOLDER's entries; whether it removed any. Entries removed
// while the folder is read may hide others, so the caller reads again.
bool RemovePass(int folder, int depth)
{
    bool removed = false;
    lseek(folder, 0, SEEK_SET);
    alignas(dirent64) char buffer[1024];
    for (ssize_t count; (count = getdents64(folder, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < count;) {
            const dirent64* entry = reinterpret_cast<const dirent64*>(buffer + at);
            at += entry->d_reclen;
            if (IsDotOrDotDot(entry->d_name)) continue;
            RemoveTreeAt(folder, entry->d_name, depth);
            removed = true;
        }
    }
    return removed;
}

void RemoveTreeAt(int parent, const char* name, int depth)
{
    if (unlinkat(parent, name, 0) == 0) return;
    int folder = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) return;
    if (depth < kDeepestFolder)
        while (RemovePass(folder, depth + 1)) {
        }
    close(folder);
    unlinkat(parent, name, AT_REMOVEDIR);
}

void RemoveGuardedFolder(int signal)
{
    if (guarding && getpid() == guardingProcess) RemoveTreeAt(AT_FDCWD, guardedFolder, 0);
    // The process ends as the signal would have ended it.
    sigaction(signal, &previousActions[signal], nullptr);
    raise(signal);
}

// A signal the process ignores (nohup's SIGHUP) stays ignored.
void InstallHandlers()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    struct sigaction action {};
    action.sa_handler = RemoveGuardedFolder;
    sigemptyset(&action.sa_mask);
    for (int signal : kGuardedSignals) sigaddset(&action.sa_mask, signal);
    for (int signal : kGuardedSignals) {
        sigaction(signal, nullptr, &previousActions[signal]);
        if (previousActions[signal].sa_handler != SIG_IGN) sigaction(signal, &action, nullptr);
    }
}

std::string TemporaryBase()
{
    const char* base = std::getenv("TMPDIR");
    return base && *base ? base : "/tmp";
}

}  // namespace

std::optional<std::string> MakeTemporaryFolder()
{
    std::string pattern = TemporaryBase() + "/lexovia-device-XXXXXX";
    if (pattern.size() >= sizeof guardedFolder || !mkdtemp(pattern.data())) return std::nullopt;
    InstallHandlers();
    guarding = 0;
    std::memcpy(guardedFolder, pattern.c_str(), pattern.size() + 1);
    guardingProcess = getpid();
    guarding = 1;
    return pattern;
}

void RemoveTemporaryFolder(const std::string& folder)
{
    guarding = 0;
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

}  // namespace platform::device_setup
