#pragma once

#include <string>

// Each writes one or more archives into `folder` (which ends with a slash);
// false when an archive could not be written.
bool build_interface_archive(const std::string& folder);   // "interface.pak"
bool build_langall_archive(const std::string& folder);     // "langall.pak"
bool build_language_archives(const std::string& folder);   // "langen.pak" ... "langfr.pak"
