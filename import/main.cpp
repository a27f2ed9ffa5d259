// pintabo-import: a photo or a drawing becomes a page of the game.
//
//   pintabo-import IMAGE [--name TEXT] [--colours 5..9]
//                  [--detail simple|detailed|both] [--progress]
//                  [--preview OUT.png]
//
// What the game relies on (keep it so):
// - The archives go to $XDG_DATA_HOME/pintabo/pictures/ (XDG_DATA_HOME
//   defaults to ~/.local/share; only an absolute one counts), created when
//   missing; see get_own_pictures_path().
// - A new picture gets the number 1 + the largest of 100, the numbers of
//   the archives and reservations already in that folder and the picture
//   numbers over 100 in the settings file (get_cfg_path(), read with
//   Config; missing or damaged is fine), so a removed picture's number is
//   never reused while its progress may still be stored. The number is held
//   by a reservation ("page101.reserved", made with O_EXCL) until the
//   archives are in place, so two imports at once get two numbers.
// - One archive per variant, named as page_archive(number, detailed) names
//   them ("page101.pak", "hpage101.pak"), in the Pack format with the
//   entries and coordinates of the built-in picture archives ("block",
//   "list_nums", "list_kontur", "colorNelM" per region), plus "page_info"
//   (game/page_info.h) with what page_figures holds for the built-in ones:
//   number, name, variant, tube count (5 to 9), palette and region counts.
//   Both variants have the same tubes and palette. check_page_archive()
//   accepts every archive written here.
// - Each archive is written to a temporary name in the same folder, synced
//   and moved into place, never over an existing file; where each one went
//   is printed ("wrote ..."). SIGTERM, SIGINT or SIGHUP before the end
//   leave nothing of the import behind.
// - With --progress, lines "progress N" (N from 0 to 100) go to standard
//   output as the steps complete, each flushed at once, and at the end the
//   line "picture N" gives the new picture's number.
// - --preview OUT.png writes the page as it will look (see page_preview.h)
//   and adds nothing to the folder.
// - Exit status 0 when done, 2 for a usage error, 1 for any other failure,
//   with one line on standard error saying why.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "digit_glyphs.h"
#include "game/page_info.h"
#include "image_file.h"
#include "own_folder.h"
#include "page_import.h"
#include "page_preview.h"
#include "stop_signals.h"
#include "res/platform.h"

namespace {

constexpr int kPlacings = 20;  // numbers tried when others take them first

struct Options {
    std::string image, name, preview;
    int colours = 0;
    bool simple = true, detailed = true;
    bool progress = false;
};

int usage(const std::string& why) {
    if (!why.empty()) std::fprintf(stderr, "pintabo-import: %s\n", why.c_str());
    std::fprintf(stderr,
                 "usage: pintabo-import IMAGE [--name TEXT] [--colours 5..9] [--detail simple|detailed|both] "
                 "[--progress] [--preview OUT.png]\n");
    return 2;
}

int fail(const std::string& why) {
    std::fprintf(stderr, "pintabo-import: %s\n", why.c_str());
    return 1;
}

// "" or the usage error.
std::string parse(int argc, char** argv, Options& o) {
    bool named = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--progress") {
            o.progress = true;
        } else if (arg == "--preview") {
            if (!has_value) return arg + " needs a file to write";
            o.preview = argv[++i];
        } else if (arg == "--name" || arg == "--colours" || arg == "--detail") {
            if (!has_value) return arg + " needs a value";
            const std::string value = argv[++i];
            if (arg == "--name") {
                const std::string bad = check_page_name(value);
                if (!bad.empty()) return bad;
                o.name = value;
                named = true;
            } else if (arg == "--colours") {
                if (value.size() != 1 || value[0] < '5' || value[0] > '9') return "--colours takes 5 to 9";
                o.colours = value[0] - '0';
            } else if (value == "simple" || value == "detailed" || value == "both") {
                o.simple = value != "detailed";
                o.detailed = value != "simple";
            } else {
                return "--detail takes simple, detailed or both";
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option " + arg;
        } else if (o.image.empty()) {
            o.image = arg;
        } else {
            return "one image at a time";
        }
    }
    if (o.image.empty()) return "which image?";
    if (!named) {
        // The file's name without its folder and extension.
        std::string base = o.image.substr(o.image.find_last_of('/') + 1);
        const size_t dot = base.find_last_of('.');
        if (dot != std::string::npos && dot > 0) base.resize(dot);
        o.name = page_name_from(base);
        if (o.name.empty()) o.name = "?";
    }
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    const std::string bad = parse(argc, argv, opt);
    if (!bad.empty()) return usage(bad);
    const auto progress = [&](double done) {
        if (!opt.progress) return;
        std::printf("progress %d\n", static_cast<int>(done * 100 + 0.5));
        std::fflush(stdout);
    };
    progress(0);
    remove_files_on_stop();

    const DigitGlyphs glyphs(PINTABO_FONT_REGULAR);
    if (!glyphs.ok()) return fail(std::string("cannot read the font ") + PINTABO_FONT_REGULAR);
    RgbImage photo;
    std::string error = read_image_file(opt.image, photo);
    if (!error.empty()) return fail(error);
    progress(0.1);
    WorkingPicture work;
    error = prepare_picture(photo, work);
    if (!error.empty()) return fail(opt.image + ": " + error);
    photo = RgbImage();
    progress(0.25);

    PictureRequest request;
    request.simple = opt.simple;
    request.detailed = opt.detailed;
    request.colours = opt.colours;
    request.name = opt.name;
    const auto build = [&] { return import_picture(work, request, glyphs, [&](double d) { progress(0.25 + 0.7 * d); }); };
    if (!opt.preview.empty()) {
        const ImportedPicture made = build();
        if (!made.error.empty()) return fail(opt.image + ": " + made.error);
        error = write_page_preview(opt.preview, made);
        if (!error.empty()) return fail(error);
        progress(1);
        std::printf("wrote %s: the page as it will look, not added\n", opt.preview.c_str());
        return 0;
    }

    // The number is held from here until the archives are in place.
    const std::string folder = get_own_pictures_path();
    NumberReservation reservation;
    error = reservation.reserve(folder, get_cfg_path());
    if (!error.empty()) return fail(error);
    request.number = reservation.number();
    ImportedPicture made = build();
    if (!made.error.empty()) return fail(opt.image + ": " + made.error);
    for (int attempt = 0;; ++attempt) {
        std::vector<std::pair<std::string, std::vector<unsigned char>>> archives;
        for (const ImportedVariant& m : made.variants) archives.emplace_back(m.pic.archive_name(), archive_bytes(m.pic));
        bool taken = false;
        error = place_archives(folder, archives, taken);
        if (error.empty()) break;
        // Another import took the number without holding it: the next one.
        if (!taken || attempt == kPlacings) return fail(error);
        error = reservation.reserve(folder, get_cfg_path(), reservation.number());
        if (!error.empty()) return fail(error);
        for (ImportedVariant& m : made.variants) renumber(m, reservation.number());
    }
    reservation.release();
    progress(1);
    for (const ImportedVariant& m : made.variants)
        std::printf("wrote %s%s: \"%s\", %s, %d regions in %d colours, smallest circle %.2f units\n", folder.c_str(),
                    m.pic.archive_name().c_str(), m.info.name.c_str(), m.info.detailed ? "detailed" : "simple",
                    m.info.variant.total, m.info.tubes, m.smallest_circle);
    // For the game, which reads what it needs from a line of its own.
    if (opt.progress) std::printf("picture %d\n", made.variants.front().info.number);
    return 0;
}
