#include "support/RunProgram.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace {

// A pseudo-terminal stands in for the pipe: the child writes to its terminal side, the
// parent reads the other side (which reports EIO, not EOF, once the child is gone).
bool openTerminal(int fds[2], int columns)
{
    winsize size{};
    size.ws_col = static_cast<unsigned short>(columns);
    size.ws_row = 24;
    if (openpty(&fds[0], &fds[1], nullptr, nullptr, &size) != 0)
        return false;
    termios mode{};
    tcgetattr(fds[1], &mode);
    mode.c_oflag &= ~OPOST; // bytes as written: no \n to \r\n
    tcsetattr(fds[1], TCSANOW, &mode);
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    fcntl(fds[1], F_SETFD, FD_CLOEXEC);
    return true;
}

} // namespace

ProgramResult runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv,
                         int timeoutSeconds, int terminalColumns)
{
    ProgramResult result;
    int outPipe[2], errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0)
        return result;
    if (terminalColumns > 0 ? !openTerminal(errPipe, terminalColumns) : pipe2(errPipe, O_CLOEXEC) != 0)
        return result;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        for (const auto& entry : extraEnv)
            putenv(const_cast<char*>(entry.c_str()));
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    const time_t deadline = time(nullptr) + timeoutSeconds;
    int open = 2;
    while (open > 0 && time(nullptr) < deadline) {
        if (poll(fds, 2, 1000) <= 0)
            continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP)))
                continue;
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                sinks[i]->append(buffer, std::size_t(n));
            }
        }
    }
    if (open > 0)
        kill(pid, SIGKILL);
    for (auto& fd : fds)
        if (fd.fd >= 0)
            close(fd.fd);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
