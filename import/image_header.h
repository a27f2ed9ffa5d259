#pragma once

#include <cstddef>

// What an image file's header says about it, read by the same libraries
// that decode it (libjpeg's jpeg_read_header, libpng's png_read_info) but
// without decoding a pixel, so that a file claiming a huge picture is
// refused before anything is allocated for it: the size read here is the
// size the decoder would use.
struct ImageHeader {
    enum Kind { unknown, png, jpeg } kind = unknown;
    long long width = 0, height = 0;  // 0 when the header gives no size
    // The Exif orientation of a JPEG (1 to 8; 1 is upright), as cameras and
    // telephones record how they were held.
    int orientation = 1;
};

ImageHeader read_image_header(const unsigned char* bytes, size_t size);
