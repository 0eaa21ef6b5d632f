#include "process/host_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "process/channel.h"
#include "process/device_link.h"

extern char** environ;

namespace platform::process {

namespace {

constexpr std::chrono::milliseconds kDefaultSilenceLimit{10000};
std::chrono::milliseconds silenceLimit = kDefaultSilenceLimit;

// The device's environment, with the program's end of the socket named.
std::vector<std::string> ProgramEnvironment(int programSocket)
{
    std::string prefix = std::string(kDeviceSocketVariable) + "=";
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable)
        if (std::strncmp(*variable, prefix.c_str(), prefix.size()) != 0) variables.emplace_back(*variable);
    variables.push_back(prefix + std::to_string(programSocket));
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (std::string& text : strings) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Spawns FILE with its end of a new socket; the device's end in DEVICE_SOCKET.
int Spawn(const std::string& file, pid_t& pid, int& deviceSocket)
{
    int sockets[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) return errno;
    fcntl(sockets[1], F_SETFD, 0);  // the program's end survives the exec
    std::vector<std::string> environment = ProgramEnvironment(sockets[1]);
    std::vector<std::string> arguments = {file};
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    // The program starts with no signal blocked, whatever the device's own
    // threads block (the browser view takes Ctrl-C on a thread of its own).
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    int error = posix_spawn(&pid, file.c_str(), nullptr, &attributes, argv.data(), envp.data());
    posix_spawnattr_destroy(&attributes);
    close(sockets[1]);
    if (error != 0) {
        close(sockets[0]);
        return error;
    }
    deviceSocket = sockets[0];
    return 0;
}

// Serves the program until it closes its end; how it stopped otherwise.
std::optional<ProgramEnd::How> Serve(Channel& channel, const ProgramStart& start)
{
    for (;;) {
        WireMessage request;
        switch (channel.Receive(request, silenceLimit)) {
        case Received::Closed: return std::nullopt;
        case Received::TimedOut: return ProgramEnd::How::Hung;
        case Received::Broken: return ProgramEnd::How::Broken;
        case Received::Message: break;
        }
        std::optional<WireMessage> answer = Answer(request, start);
        if (!answer) return ProgramEnd::How::Broken;
        // A program gone before it heard the answer shows as closed next.
        channel.Send(*answer);
    }
}

// A program that closed its socket has still to end, within the limit.
bool EndsInTime(pid_t pid)
{
    int handle = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (handle < 0) return true;  // no way to watch it: waitpid will wait
    pollfd watched = {handle, POLLIN, 0};
    int ready = 0;
    do {
        ready = poll(&watched, 1, static_cast<int>(silenceLimit.count()));
    } while (ready < 0 && errno == EINTR);
    close(handle);
    return ready > 0;
}

ProgramEnd Reap(pid_t pid, std::optional<ProgramEnd::How> stopped)
{
    if (!stopped && !EndsInTime(pid)) stopped = ProgramEnd::How::Hung;
    if (stopped) kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (stopped) return {*stopped, 0};
    if (WIFSIGNALED(status)) return {ProgramEnd::How::Died, WTERMSIG(status)};
    return {ProgramEnd::How::Ended, WEXITSTATUS(status)};
}

}  // namespace

ProgramEnd RunHostProgram(const std::string& hostFile, const ProgramStart& start)
{
    pid_t pid = 0;
    int deviceSocket = -1;
    if (int error = Spawn(hostFile, pid, deviceSocket)) return {ProgramEnd::How::NotStarted, error};
    std::optional<ProgramEnd::How> stopped;
    {
        Channel channel(deviceSocket);
        stopped = Serve(channel, start);
    }
    return Reap(pid, stopped);
}

std::chrono::milliseconds SilenceLimit() { return silenceLimit; }

void SetSilenceLimit(std::chrono::milliseconds limit) { silenceLimit = limit; }

void ResetSilenceLimit() { silenceLimit = kDefaultSilenceLimit; }

}  // namespace platform::process
