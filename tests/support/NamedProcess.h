#pragma once
// A child process that goes by a chosen name until the object goes away: its short name
// (comm), or, when argv0 is given, the first word of its command line.

#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

class NamedProcess {
  public:
    explicit NamedProcess(const char* name, const char* argv0 = nullptr)
    {
        int ready[2];
        if (pipe2(ready, O_CLOEXEC) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            if (argv0) {
                // comm becomes "sleep"; argv[0] is what we pass. The pipe closes on exec.
                execl("/bin/sleep", argv0, "60", static_cast<char*>(nullptr));
                _exit(127);
            }
            prctl(PR_SET_NAME, name);
            (void)!write(ready[1], "x", 1);
            pause();
            _exit(0);
        }
        close(ready[1]);
        char byte;
        (void)!read(ready[0], &byte, 1); // named, or exec done, by now
        close(ready[0]);
    }
    ~NamedProcess()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    NamedProcess(const NamedProcess&) = delete;
    NamedProcess& operator=(const NamedProcess&) = delete;

  private:
    pid_t pid_ = -1;
};
