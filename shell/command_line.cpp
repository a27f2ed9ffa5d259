#include "shell/command_line.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "res/platform_paths.h"
#include "save/machine_config_files.h"

namespace {

const char* const usage =
    "usage: pintabo [--KEY=VALUE ...] [--no-system-config] [--check-config] [--help]\n"
    "KEY is any key of pintabo.conf: language, mode, sound, music, help-on-start, window,\n"
    "quit, print, camera, import, web-link, profiles, parent-gate, pictures-folder\n"
    "(see pintabo(6)).\n";

// At most this many faults of one file are said; the rest are counted.
constexpr int faults_said_per_file = 10;

void say_faults(const std::vector<Setting_fault>& faults) {
    std::string file;
    int of_file = 0, unsaid = 0;
    const auto finish = [&] {
        if (unsaid > 0) std::fprintf(stderr, "pintabo: %s: %d more faults\n", file.c_str(), unsaid);
        unsaid = 0;
    };
    for (const Setting_fault& f : faults) {
        if (f.file != file) {
            finish();
            file = f.file;
            of_file = 0;
        }
        if (++of_file > faults_said_per_file) {
            ++unsaid;
            continue;
        }
        std::fprintf(stderr, "%s\n", f.text().c_str());
    }
    finish();
}

// One "key = value  # where" line a setting: the output reads back as a file.
// The usual pictures folder is named as it is found.
void print_settings(Machine_settings s) {
    if (s.pictures_folder.empty()) s.pictures_folder = get_own_pictures_path();
    for (int i = 0; i < setting_key_count; ++i)
        std::printf("%s  # %s\n", s.line(static_cast<Setting_key>(i)).c_str(), s.origin[i].text().c_str());
}

}  // namespace

Command_line parse_command_line(int argc, const char* const* argv) {
    Command_line c;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--check-config") c.check_config = true;
        else if (arg == "--no-system-config") c.no_system_config = true;
        else if (arg == "--help" || arg == "-h") c.help = true;
        else if (arg.rfind("--", 0) != 0 || arg.size() == 2)
            c.faults.push_back({"command line", i, "", "\"" + arg + "\" is not an option"});
        else if (arg.find('=') != std::string::npos)
            c.options.push_back({arg.substr(2, arg.find('=') - 2), arg.substr(arg.find('=') + 1), i});
        else if (i + 1 < argc)
            c.options.push_back({arg.substr(2), argv[i + 1], i}), ++i;
        else
            c.faults.push_back({"command line", i, arg.substr(2), "needs a value"});
    }
    return c;
}

Machine_settings effective_settings(const Command_line& c, const std::vector<std::string>& machine_files,
                                    const std::string& user_file, std::vector<Setting_fault>& faults) {
    const Machine_settings s = layered_settings(c.no_system_config ? std::vector<std::string>() : machine_files,
                                                user_file, c.options, faults);
    // The options' faults came last; those of arguments that are no option join them.
    const auto first_option_fault = std::find_if(faults.begin(), faults.end(),
                                                 [](const Setting_fault& f) { return f.file == "command line"; });
    const auto from = first_option_fault - faults.begin();
    faults.insert(faults.end(), c.faults.begin(), c.faults.end());
    std::stable_sort(faults.begin() + from, faults.end(),
                     [](const Setting_fault& a, const Setting_fault& b) { return a.line < b.line; });
    return s;
}

int take_command_line(int argc, const char* const* argv) {
    Command_line c = parse_command_line(argc, argv);
    if (c.help) {
        std::printf("%s", usage);
        return 0;
    }
    std::vector<Setting_fault> faults;
    machine_settings = effective_settings(c, machine_settings_files(), user_settings_file(), faults);
    say_faults(faults);
    set_own_pictures_path(machine_settings.pictures_folder);
    if (!c.check_config) return -1;
    print_settings(machine_settings);
    return faults.empty() ? 0 : 2;
}
