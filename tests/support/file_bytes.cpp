#include "support/file_bytes.h"

#include <fstream>
#include <iterator>

std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<unsigned char> read_bytes(const std::string& path) {
    const std::string text = read_text(path);
    return std::vector<unsigned char>(text.begin(), text.end());
}

std::vector<unsigned char> test_data(const std::string& name) { return read_bytes(std::string(PINTABO_TEST_DATA) + "/" + name); }
