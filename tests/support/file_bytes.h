#pragma once

#include <string>
#include <vector>

// The whole content of a file, empty when it cannot be read.
std::vector<unsigned char> read_bytes(const std::string& path);
std::string read_text(const std::string& path);

// A file of the committed test data folder.
std::vector<unsigned char> test_data(const std::string& name);
