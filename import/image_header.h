#pragma once

#include <cstddef>

// What an image file's first bytes say about it, read before anything is
// decoded, so that a file claiming a huge picture is refused unopened.
struct ImageHeader {
    enum Kind { unknown, png, jpeg } kind = unknown;
    long long width = 0, height = 0;  // 0 when the header does not say
    // The Exif orientation of a JPEG (1 to 8; 1 is upright), as cameras and
    // telephones record how they were held.
    int orientation = 1;
};

ImageHeader read_image_header(const unsigned char* bytes, size_t size);
