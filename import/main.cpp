// pintabo-import: a photo or a drawing becomes a page of the game.
//
//   pintabo-import IMAGE [--name TEXT] [--colours 5..9]
//                  [--detail simple|detailed|both] [--progress]
//
// What the game relies on (keep it so):
// - The archives go to $XDG_DATA_HOME/pintabo/pictures/ (XDG_DATA_HOME
//   defaults to ~/.local/share; only an absolute one counts), created when
//   missing; see get_own_pictures_path().
// - A new picture gets the number 1 + the largest of 100, the numbers of
//   the archives already in that folder and the picture numbers over 100 in
//   the settings file (get_cfg_path(), read with Config; missing or damaged
//   is fine), so a removed picture's number is never reused while its
//   progress may still be stored.
// - One archive per variant, named as page_archive(number, detailed) names
//   them ("page101.pak", "hpage101.pak"), in the Pack format with the
//   entries and coordinates of the built-in picture archives ("block",
//   "list_nums", "list_kontur", "colorNelM" per region), plus "page_info"
//   (game/page_info.h) with what page_figures holds for the built-in ones:
//   number, name, variant, tube count (5 to 9), palette and region counts.
//   check_page_archive() accepts every archive written here.
// - Each archive is written to a temporary name in the same folder, synced
//   and renamed; where each one went is printed.
// - With --progress, lines "progress N" (N from 0 to 100) go to standard
//   output as the steps complete, each flushed at once, and at the end the
//   line "picture N" gives the new picture's number.
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
#include "res/platform.h"

namespace {

struct Options {
    std::string image, name;
    int colours = 0;
    bool simple = true, detailed = true;
    bool progress = false;
};

int usage(const std::string& why) {
    if (!why.empty()) std::fprintf(stderr, "pintabo-import: %s\n", why.c_str());
    std::fprintf(stderr,
                 "usage: pintabo-import IMAGE [--name TEXT] [--colours 5..9] [--detail simple|detailed|both] "
                 "[--progress]\n");
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

    const std::string folder = get_own_pictures_path();
    const int number = next_picture_number(folder, get_cfg_path());
    if (number > own_picture_last) return fail("the pictures folder " + folder + " has no picture numbers left");
    std::vector<bool> variants;
    if (opt.simple) variants.push_back(false);
    if (opt.detailed) variants.push_back(true);
    std::vector<ImportedVariant> made;
    for (size_t v = 0; v < variants.size(); ++v) {
        VariantRequest request;
        request.detailed = variants[v];
        request.colours = opt.colours;
        request.number = number;
        request.name = opt.name;
        const double from = 0.25 + 0.7 * v / variants.size(), span = 0.7 / variants.size();
        made.push_back(import_variant(work, request, glyphs, [&](double d) { progress(from + span * d); }));
        if (!made.back().error.empty()) return fail(opt.image + ": " + made.back().error);
    }
    std::vector<std::pair<std::string, std::vector<unsigned char>>> archives;
    for (const ImportedVariant& m : made) archives.emplace_back(m.pic.archive_name(), archive_bytes(m.pic));
    error = write_archives(folder, archives);
    if (!error.empty()) return fail(error);
    progress(1);
    for (const ImportedVariant& m : made)
        std::printf("wrote %s%s: \"%s\", %s, %d regions in %d colours, smallest circle %.2f units\n", folder.c_str(),
                    m.pic.archive_name().c_str(), m.info.name.c_str(), m.info.detailed ? "detailed" : "simple",
                    m.info.variant.total, m.info.tubes, m.smallest_circle);
    // For the game, which reads what it needs from a line of its own.
    if (opt.progress && !made.empty()) std::printf("picture %d\n", made.front().info.number);
    return 0;
}
