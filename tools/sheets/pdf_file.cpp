#include "pdf_file.h"

#include <cairo-pdf.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

std::string folder_of(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string reason(int err) { return std::strerror(err); }

}  // namespace

PdfFile::~PdfFile() { discard(); }

void PdfFile::discard() {
    if (cr_) cairo_destroy(cr_);
    if (surface_) cairo_surface_destroy(surface_);  // may still write: the file is open
    cr_ = nullptr;
    surface_ = nullptr;
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
}

cairo_status_t PdfFile::write_bytes(void* closure, const unsigned char* data, unsigned int length) {
    PdfFile* self = static_cast<PdfFile*>(closure);
    while (length > 0) {
        const ssize_t n = write(self->fd_, data, length);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (self->write_errno_ == 0) self->write_errno_ = n < 0 ? errno : ENOSPC;
            return CAIRO_STATUS_WRITE_ERROR;
        }
        data += n;
        length -= static_cast<unsigned int>(n);
    }
    return CAIRO_STATUS_SUCCESS;
}

bool PdfFile::open(const std::string& path, PaperSize paper, std::string* error) {
    discard();
    path_ = path;
    const std::string folder = folder_of(path);
    std::string pattern = folder + "/.pintabo-sheets-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = mkstemp(name.data());
    if (fd_ < 0) {
        *error = "cannot write in " + folder + ": " + reason(errno);
        return false;
    }
    temporary_ = name.data();
    // mkstemp makes the file private; give it the permissions a new file gets.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd_, 0666 & ~mask);

    surface_ = cairo_pdf_surface_create_for_stream(write_bytes, this, paper.width, paper.height);
    cr_ = cairo_create(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        *error = std::string("cannot start the PDF: ") + cairo_status_to_string(cairo_status(cr_));
        discard();
        return false;
    }
    return true;
}

void PdfFile::next_page() { cairo_show_page(cr_); }

bool PdfFile::commit(std::string* error) {
    cairo_show_page(cr_);
    cairo_destroy(cr_);
    cr_ = nullptr;
    cairo_surface_finish(surface_);
    const cairo_status_t status = cairo_surface_status(surface_);
    cairo_surface_destroy(surface_);
    surface_ = nullptr;
    const std::string what = "cannot write " + path_ + ": ";
    if (status != CAIRO_STATUS_SUCCESS) {
        *error = what + (write_errno_ ? reason(write_errno_) : cairo_status_to_string(status));
        discard();
        return false;
    }
    const int synced = fsync(fd_) == 0 ? 0 : errno;
    const int closed = close(fd_) == 0 ? 0 : errno;
    fd_ = -1;
    if (synced != 0 || closed != 0) {
        *error = what + reason(synced != 0 ? synced : closed);
        discard();
        return false;
    }
    if (rename(temporary_.c_str(), path_.c_str()) != 0) {
        *error = what + reason(errno);
        discard();
        return false;
    }
    temporary_.clear();
    return true;
}
