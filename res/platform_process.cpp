#include "res/platform_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

#include "res/platform.h"

std::string program_beside_game(const char* name) { return get_boundle_path() + "/" + name; }

bool access_program(const std::string& path) { return access(path.c_str(), X_OK) == 0; }

namespace {

void close_quietly(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

}  // namespace

int run_program(const std::string& program, const std::vector<std::string>& args,
                const std::function<void(const std::string&)>& on_line, std::string& errors,
                std::atomic<int>* running) {
    errors.clear();
    if (access(program.c_str(), X_OK) != 0) {
        errors = program + ": " + std::string(std::strerror(errno));
        return -1;
    }
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    int out[2] = {-1, -1}, err[2] = {-1, -1};
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        errors = std::string("cannot make a pipe: ") + std::strerror(errno);
        close_quietly(out[0]), close_quietly(out[1]), close_quietly(err[0]), close_quietly(err[1]);
        return -1;
    }
    // The child starts with standard input from /dev/null, our pipes as its
    // output, every signal at its default and none blocked, whatever the
    // game's threads have set.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    sigdelset(&all, SIGKILL);
    sigdelset(&all, SIGSTOP);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close_quietly(out[1]);
    close_quietly(err[1]);
    if (spawned != 0) {
        errors = program + ": " + std::strerror(spawned);
        close_quietly(out[0]);
        close_quietly(err[0]);
        return -1;
    }
    if (running) *running = child;
    std::string line;
    char buffer[4096];
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    int open_pipes = 2;
    while (open_pipes > 0) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open_pipes;
                continue;
            }
            if (i == 1) {
                errors.append(buffer, static_cast<size_t>(n));
                if (errors.size() > 4096) errors.erase(0, errors.size() - 4096);
                continue;
            }
            for (ssize_t k = 0; k < n; ++k) {
                if (buffer[k] != '\n') {
                    line += buffer[k];
                    continue;
                }
                if (on_line) on_line(line);
                line.clear();
            }
        }
    }
    if (!line.empty() && on_line) on_line(line);
    for (pollfd& f : fds)
        if (f.fd >= 0) close(f.fd);
    // Only the child's own status counts: when it cannot be had (SIGCHLD
    // ignored, so the system reaped it), the outcome is unknown, which is
    // not a success.
    int status = 0;
    pid_t waited = -1;
    do waited = waitpid(child, &status, 0);
    while (waited < 0 && errno == EINTR);
    if (running) *running = 0;
    if (waited != child) {
        if (errors.empty()) errors = program + ": its outcome is unknown";
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
