#include "game/keepsakes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

#include "game/picture_render.h"
#include "res/atomic_file.h"
#include "res/platform.h"
#include "res/platform_process.h"
#include "res/png_encode.h"
#include "save/config.h"
#include "save/profiles.h"
#include "save/languages.h"
#include "save/settings_file.h"
#include "scene/object.h"
#include "shell/offscreen.h"
#include "shell/scena.h"

std::time_t (*keepsake_clock)() = [] { return std::time(nullptr); };

std::string keepsake_base(const char* kind, int picture, bool detailed, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char name[96];
    std::snprintf(name, sizeof name, "pintabo-%s-%02d-%s-%04d-%02d-%02d-%02d%02d", kind, picture,
                  detailed ? "detailed" : "simple", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour, local.tm_min);
    return name;
}

bool write_new_file(const std::string& folder, const std::string& base, const std::string& ext,
                    const std::vector<unsigned char>& bytes, std::string& written, int& error) {
    if (!make_folders(folder, error)) return false;
    const std::string dir = folder.back() == '/' ? folder : folder + "/";
    std::string temporary = dir + "." + base + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    bool ok = write_all(fd, bytes.data(), bytes.size());
    if (!ok) error = errno;
    if (ok && fsync(fd) != 0) error = errno, ok = false;
    if (close(fd) != 0 && ok) error = errno, ok = false;
    // Pictures are for showing around: readable by all, as a file the user made.
    if (ok) chmod(temporary.c_str(), 0644);
    if (ok && publish_new_file(temporary, dir, base, ext, written, error)) return true;
    unlink(temporary.c_str());
    return false;
}

namespace {

// One keepsake at a time: its worker, and its outcome for the game's thread.
struct Job {
    std::mutex guard;
    std::thread worker;
    std::atomic<bool> busy{false};
    Keepsake_outcome outcome;
    bool picture = false;  // of the job under way

    void finish(Keepsake r, const std::string& p) {
        std::lock_guard<std::mutex> lock(guard);
        outcome.result = r;
        outcome.picture = picture;
        outcome.path = p;
        busy = false;
    }
    void join() {
        if (worker.joinable()) worker.join();
    }
};
Job job;

// However the process ends (a quit, SIGTERM, exit from anywhere), the
// worker is done before the statics go: a running std::thread destroyed
// would end the process before the settings writer had written its last.
void join_at_exit() {
    static std::once_flag registered;
    std::call_once(registered, [] { std::atexit([] { job.join(); }); });
}

// Cut to what the sheet covers and laid on white (the rows come top first).
std::vector<unsigned char> sheet_on_white(const std::vector<unsigned char>& rgba, int w, int h, int& out_w, int& out_h) {
    int x0 = w, x1 = -1, y0 = h, y1 = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (rgba[(static_cast<size_t>(y) * w + x) * 4 + 3] > 127) {
                x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    if (x1 < x0) x0 = 0, x1 = w - 1, y0 = 0, y1 = h - 1;
    out_w = x1 - x0 + 1;
    out_h = y1 - y0 + 1;
    std::vector<unsigned char> rgb(static_cast<size_t>(out_w) * out_h * 3);
    for (int y = 0; y < out_h; ++y) {
        const int from = y0 + y;
        for (int x = 0; x < out_w; ++x) {
            const unsigned char* p = &rgba[(static_cast<size_t>(from) * w + (x0 + x)) * 4];
            unsigned char* q = &rgb[(static_cast<size_t>(y) * out_w + x) * 3];
            for (int c = 0; c < 3; ++c) q[c] = static_cast<unsigned char>((p[c] * p[3] + 255 * (255 - p[3]) + 127) / 255);
        }
    }
    return rgb;
}

}  // namespace

bool start_picture_keepsake() {
    if (job.busy || !conf) return false;
    const int picture = conf->get_page();
    const bool detailed = conf->detailed;
    Object* tree = build_painted_picture(picture, detailed);
    if (!tree) return false;
    std::vector<unsigned char> rgba;
    {
        // Drawn large, off the screen, and given back at once: the
        // multisampled framebuffer alone holds 128 MiB.
        Offscreen work, into;
        const int samples = scena && scena->multisampled ? 4 : 0;
        const bool drawn = work.create(keepsake_pixels, keepsake_pixels, samples, true) &&
                           into.create(keepsake_pixels, keepsake_pixels, 0, false) &&
                           draw_picture_offscreen(tree, work, into);
        if (drawn) into.read(rgba);
    }
    Object::destroy_tree(tree);
    job.join();
    job.picture = true;
    if (rgba.empty()) {
        say("cannot draw the picture to save it");
        job.finish(Keepsake::failed, "");
        return false;
    }
    job.busy = true;
    join_at_exit();
    const std::string base = keepsake_base("picture", picture, detailed, keepsake_clock());
    const std::string folder = keepsake_folder();
    job.worker = std::thread([rgba = std::move(rgba), base, folder] {
        int w = 0, h = 0, error = 0;
        const std::vector<unsigned char> rgb = sheet_on_white(rgba, keepsake_pixels, keepsake_pixels, w, h);
        const std::vector<unsigned char> png = encode_png(rgb.data(), w, h, 3);
        std::string written;
        if (png.empty()) error = ENOMEM;
        if (png.empty() || !write_new_file(folder, base, ".png", png, written, error)) {
            say("cannot save the picture in " + folder + ": " + std::strerror(error));
            job.finish(Keepsake::failed, "");
            return;
        }
        job.finish(Keepsake::saved, written);
    });
    return true;
}

namespace {

std::vector<std::string> sheet_arguments(int picture, bool detailed, const std::string& language,
                                         const std::string& output) {
    std::vector<std::string> args{"--picture", std::to_string(picture), "--language", language, "--output", output};
    if (detailed) args.push_back("--detailed");
    return args;
}

}  // namespace

bool start_sheet_keepsake() {
    if (job.busy || !conf) return false;
    const int picture = conf->get_page();
    const bool detailed = conf->detailed;
    const std::string language = language_codes[conf->language_index()];
    job.join();
    job.picture = false;
    job.busy = true;
    join_at_exit();
    const std::string base = keepsake_base("sheet", picture, detailed, keepsake_clock());
    const std::string folder = keepsake_folder();
    job.worker = std::thread([picture, detailed, language, base, folder] {
        // The sheet is made under a temporary name in the pictures folder
        // (the command itself never leaves half a file) and then given the
        // first free name, as the picture is.
        int error = 0;
        if (!make_folders(folder, error)) {
            say("cannot make " + folder + ": " + std::strerror(error));
            job.finish(Keepsake::failed, "");
            return;
        }
        std::string temporary = folder + "." + base + ".XXXXXX";
        const int fd = mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0) {
            say("cannot print the sheet into " + folder + ": " + std::strerror(errno));
            job.finish(Keepsake::failed, "");
            return;
        }
        close(fd);
        std::vector<std::string> args = sheet_arguments(picture, detailed, language, temporary);
        std::string errors, path;
        const int status = run_program(program_beside_game("pintabo-sheets"), args, nullptr, errors);
        if (status != 0 || !publish_new_file(temporary, folder, base, ".pdf", path, error)) {
            while (!errors.empty() && errors.back() == '\n') errors.pop_back();
            if (status == 0) errors = std::strerror(error);
            unlink(temporary.c_str());
            say("cannot print the sheet: " + (errors.empty() ? "pintabo-sheets did not run" : errors));
            job.finish(Keepsake::failed, "");
            return;
        }
        open_document(path);
        job.finish(Keepsake::saved, path);
    });
    return true;
}

Keepsake_outcome take_keepsake_result() {
    std::lock_guard<std::mutex> lock(job.guard);
    const Keepsake_outcome o = job.outcome;
    job.outcome = Keepsake_outcome();
    return o;
}

bool keepsake_busy() { return job.busy; }

void keepsake_wait() { job.join(); }
