#pragma once

#include <cairo.h>

#include <string>

#include "sheet_layout.h"

// A PDF written under a temporary name in the folder of its final name and
// renamed into place only once it is complete, so a reader never sees half a
// file and a failure leaves the old file (if any) alone.
class PdfFile {
public:
    PdfFile() = default;
    ~PdfFile();  // removes the temporary file unless commit() succeeded
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    // Starts the file; false with the reason in *error when it cannot be made.
    bool open(const std::string& path, PaperSize paper, std::string* error);
    // The drawing context of the current page, in points from the top left.
    cairo_t* context() const { return cr_; }
    // Ends the current page and starts the next one.
    void next_page();
    // Finishes the document, writes it to disk and gives it its name.
    bool commit(std::string* error);

private:
    static cairo_status_t write_bytes(void* closure, const unsigned char* data, unsigned int length);
    void discard();

    std::string path_, temporary_;
    int fd_ = -1;
    int write_errno_ = 0;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
};
