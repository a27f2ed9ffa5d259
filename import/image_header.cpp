#include "image_header.h"

#include <cstdint>
#include <cstring>

namespace {

uint32_t be32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 | p[3];
}
unsigned be16(const unsigned char* p) { return static_cast<unsigned>(p[0]) << 8 | p[1]; }

// The orientation tag of an Exif block (what follows "Exif\0\0"): a TIFF
// header, then the first directory's entries. 1 when absent or damaged.
int exif_orientation(const unsigned char* tiff, size_t size) {
    if (size < 8) return 1;
    const bool little = tiff[0] == 'I' && tiff[1] == 'I';
    if (!little && !(tiff[0] == 'M' && tiff[1] == 'M')) return 1;
    auto u16 = [&](size_t at) -> unsigned { return little ? tiff[at] | tiff[at + 1] << 8 : be16(tiff + at); };
    auto u32 = [&](size_t at) -> uint32_t {
        return little ? static_cast<uint32_t>(u16(at)) | static_cast<uint32_t>(u16(at + 2)) << 16 : be32(tiff + at);
    };
    const uint32_t ifd = u32(4);
    if (ifd > size - 2) return 1;
    const unsigned entries = u16(ifd);
    for (unsigned e = 0; e < entries; ++e) {
        const size_t at = ifd + 2 + static_cast<size_t>(e) * 12;
        if (at + 12 > size) return 1;
        if (u16(at) == 0x0112) {
            const unsigned v = u16(at + 8);
            return v >= 1 && v <= 8 ? static_cast<int>(v) : 1;
        }
    }
    return 1;
}

void read_jpeg(const unsigned char* b, size_t size, ImageHeader& out) {
    size_t at = 2;
    while (at + 4 <= size) {
        if (b[at] != 0xFF) return;
        const unsigned marker = b[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) return;  // end of image, start of scan
        const size_t length = be16(b + at + 2);
        if (length < 2 || at + 2 + length > size) return;
        const unsigned char* body = b + at + 4;
        const size_t body_size = length - 2;
        if (marker == 0xE1 && body_size >= 6 && std::memcmp(body, "Exif\0\0", 6) == 0)
            out.orientation = exif_orientation(body + 6, body_size - 6);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame && body_size >= 5) {
            out.height = be16(body + 1);
            out.width = be16(body + 3);
            return;
        }
        at += 2 + length;
    }
}

}  // namespace

ImageHeader read_image_header(const unsigned char* b, size_t size) {
    ImageHeader out;
    static const unsigned char png_signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 8 && std::memcmp(b, png_signature, 8) == 0) {
        out.kind = ImageHeader::png;
        if (size >= 24 && std::memcmp(b + 12, "IHDR", 4) == 0) {
            out.width = be32(b + 16);
            out.height = be32(b + 20);
        }
    } else if (size >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) {
        out.kind = ImageHeader::jpeg;
        read_jpeg(b, size, out);
    }
    return out;
}
