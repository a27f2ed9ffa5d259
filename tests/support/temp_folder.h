#pragma once

#include <string>
#include <vector>

// A fresh folder under /tmp, removed with everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // The folder with a trailing slash, ready for Media::setpwd.
    std::string prefix() const { return path_ + "/"; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    void write(const std::string& name, const std::vector<unsigned char>& bytes) const;
    std::vector<unsigned char> read(const std::string& name) const;

private:
    std::string path_;
};
