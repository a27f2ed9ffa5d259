#include "save/machine_config_files.h"

#include <cerrno>
#include <cstring>

#include "save/settings_file.h"

void read_settings_file_over(const std::string& path, Machine_settings& into, std::vector<Setting_fault>& faults) {
    std::string text;
    int error = 0;
    if (read_settings_file(path, text, error, largest_machine_config)) {
        read_settings_text(text, path, into, faults);
        return;
    }
    if (error == ENOENT || error == ENOTDIR) return;
    std::string why = std::string("cannot be read: ") + std::strerror(error);
    if (error == EFBIG) why = "larger than " + std::to_string(largest_machine_config / 1024) + " KiB, not read";
    if (error == EINVAL) why = "cannot be read: not a regular file";
    faults.push_back({path, 0, "", why});
}

Machine_settings layered_settings(const std::vector<std::string>& machine_files, const std::string& user_file,
                                  const std::vector<Setting_option>& options, std::vector<Setting_fault>& faults) {
    Machine_settings settings;
    for (const std::string& file : machine_files) read_settings_file_over(file, settings, faults);
    if (!user_file.empty()) read_settings_file_over(user_file, settings, faults);
    apply_setting_options(options, settings, faults);
    return settings;
}
