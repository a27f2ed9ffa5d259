#include "sheet_options.h"

#include <getopt.h>
#include <langinfo.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "game/page_info.h"
#include "game/page_table.h"
#include "sheet_texts.h"

const char* const sheet_usage =
    "usage: pintabo-sheets [--picture N | --all] [--detailed] [--language en|de|es|ru|fr] "
    "[--paper a4|letter] [--output FILE.pdf]";

namespace {

// A built-in picture, or one of the child's own (whether it exists is for
// the caller to find out).
bool picture_number(const char* text, int* picture) {
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0') return false;
    if ((n < 1 || n > page_count) && (n < own_picture_first || n > own_picture_last)) return false;
    *picture = static_cast<int>(n);
    return true;
}

}  // namespace

bool parse_sheet_options(int argc, char** argv, SheetOptions* options, std::string* error) {
    enum { kPicture = 1, kAll, kDetailed, kLanguage, kPaper, kOutput, kHelp };
    static const option longs[] = {{"picture", required_argument, nullptr, kPicture},
                                   {"all", no_argument, nullptr, kAll},
                                   {"detailed", no_argument, nullptr, kDetailed},
                                   {"language", required_argument, nullptr, kLanguage},
                                   {"paper", required_argument, nullptr, kPaper},
                                   {"output", required_argument, nullptr, kOutput},
                                   {"help", no_argument, nullptr, kHelp},
                                   {nullptr, 0, nullptr, 0}};
    // The reasons below replace getopt's own messages; "+" stops at the first
    // word that is no option, which is then refused.
    opterr = 0;
    optind = 1;
    bool all = false;
    const std::string range =
        "1 to " + std::to_string(page_count) + ", or " + std::to_string(own_picture_first) + " on for your own pictures";
    for (;;) {
        const int previous = optind;
        const int c = getopt_long(argc, argv, "+", longs, nullptr);
        if (c == -1) break;
        const std::string arg = optarg ? optarg : "";
        switch (c) {
            case kPicture:
                if (!picture_number(optarg, &options->picture)) {
                    *error = "bad picture number \"" + arg + "\" (" + range + ")";
                    return false;
                }
                break;
            case kAll: all = true; break;
            case kDetailed: options->detailed = true; break;
            case kLanguage:
                options->language = sheet_language(arg);
                if (options->language < 0) {
                    *error = "unknown language \"" + arg + "\" (en, de, es, ru or fr)";
                    return false;
                }
                break;
            case kPaper:
                if (arg == "a4") {
                    options->paper = paper_a4;
                } else if (arg == "letter") {
                    options->paper = paper_letter;
                } else {
                    *error = "unknown paper \"" + arg + "\" (a4 or letter)";
                    return false;
                }
                break;
            case kOutput:
                if (arg.empty()) {
                    *error = "the output file name is empty";
                    return false;
                }
                options->output = arg;
                break;
            case kHelp: options->help = true; break;
            default: {
                const std::string word = previous < argc ? argv[previous] : "";
                const bool ours = optopt >= kPicture && optopt <= kHelp;
                *error = ours ? "option " + word + " needs a value" : "unknown option \"" + word + "\"";
                return false;
            }
        }
    }
    if (optind < argc) {
        *error = std::string("unexpected argument \"") + argv[optind] + "\"";
        return false;
    }
    if (all && options->picture != 0) {
        *error = "--picture and --all exclude each other";
        return false;
    }
    return true;
}

PaperSize locale_paper() {
    // glibc answers these two with the number itself in place of a string.
    const auto mm = [](nl_item item) { return static_cast<int>(reinterpret_cast<intptr_t>(nl_langinfo(item))); };
    const int width = mm(_NL_PAPER_WIDTH), height = mm(_NL_PAPER_HEIGHT);
    return width == 216 && height == 279 ? paper_letter : paper_a4;
}
