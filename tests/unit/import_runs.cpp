#include "import_runs.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>

#include "common/png_writer.h"
#include "image_file.h"
#include "res/platform.h"

std::string import_program() { return get_boundle_path() + "/../pintabo-import"; }

RgbImage test_scene(const std::string& folder, const std::string& kind, int w, int h, int jpeg_quality) {
    const std::string png = folder + "/" + kind + ".png", jpeg = folder + "/" + kind + ".jpg";
    std::string command = std::string("'") + PINTABO_TESTIMAGE_PROGRAM + "' " + kind + " " + std::to_string(w) + " " +
                          std::to_string(h) + " '" + png + "'";
    if (jpeg_quality)
        command += " && convert '" + png + "' -quality " + std::to_string(jpeg_quality) + " '" + jpeg + "'";
    RgbImage img;
    if (std::system(command.c_str()) != 0 || !read_image_file(jpeg_quality ? jpeg : png, img).empty()) return {};
    return img;
}

bool write_image(const std::string& path, const RgbImage& img) {
    return write_png(path, img.rgb.data(), img.w, img.h, 3);
}

std::vector<std::string> files_in(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& e : std::filesystem::directory_iterator(folder, error)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

bool StartedImport::read_line(std::string& line) {
    line.clear();
    char c = 0;
    for (;;) {
        const ssize_t n = read(out, &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return !line.empty();
        if (c == '\n') return true;
        line += c;
    }
}

int StartedImport::wait() {
    int status = -1;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (out >= 0) close(out);
    out = -1;
    return status;
}

StartedImport start_import(const std::string& home, const std::vector<std::string>& args, const std::string& err_file,
                           const int* gate) {
    const std::string program = import_program(), data = home + "/data", config = home + "/config";
    std::vector<std::string> all{program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    // Everything the child needs is made before it is forked.
    std::vector<std::string> env{"XDG_DATA_HOME=" + data, "XDG_CONFIG_HOME=" + config};
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("XDG_DATA_HOME=", 0) != 0 && std::string(*e).rfind("XDG_CONFIG_HOME=", 0) != 0)
            env.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    int pipe_fds[2];
    StartedImport started;
    if (pipe(pipe_fds) != 0) return started;
    const pid_t pid = fork();
    if (pid == 0) {
        if (gate) {
            close(gate[1]);
            char c;
            for (;;) {
                const ssize_t n = read(gate[0], &c, 1);
                if (n > 0 || (n < 0 && errno == EINTR)) continue;
                break;
            }
            close(gate[0]);
        }
        dup2(pipe_fds[1], 1);
        const int err = open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (err >= 0) dup2(err, 2);
        close(pipe_fds[0]);
        close(pipe_fds[1]);
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(pipe_fds[1]);
    started.pid = pid;
    started.out = pipe_fds[0];
    return started;
}
