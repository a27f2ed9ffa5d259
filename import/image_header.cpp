#include "image_header.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>  // before jpeglib.h, which uses FILE
#include <cstring>

#include <jpeglib.h>
#include <png.h>

namespace {

unsigned be16(const unsigned char* p) { return static_cast<unsigned>(p[0]) << 8 | p[1]; }
uint32_t be32(const unsigned char* p) { return static_cast<uint32_t>(be16(p)) << 16 | be16(p + 2); }

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

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back to read_jpeg. Warnings (a stray byte between two
// segments, say) are not written anywhere.
struct JpegErrors {
    jpeg_error_mgr mgr;
    std::jmp_buf back;
};

void jpeg_failed(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->back, 1); }
void jpeg_quiet(j_common_ptr, int) {}

void read_jpeg(const unsigned char* b, size_t size, ImageHeader& out) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.mgr);
    errors.mgr.error_exit = jpeg_failed;
    errors.mgr.emit_message = jpeg_quiet;
    jpeg_create_decompress(&info);
    if (setjmp(errors.back) == 0) {
        jpeg_mem_src(&info, b, static_cast<unsigned long>(size));
        jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
        jpeg_read_header(&info, TRUE);
    }
    // What the header gave before it ended, well or not: a frame header
    // read is the size the decoder would allocate for.
    out.width = info.image_width;
    out.height = info.image_height;
    for (jpeg_saved_marker_ptr m = info.marker_list; m; m = m->next)
        if (m->marker == JPEG_APP0 + 1 && m->data_length >= 6 && std::memcmp(m->data, "Exif\0\0", 6) == 0) {
            out.orientation = exif_orientation(m->data + 6, m->data_length - 6);
            break;
        }
    jpeg_destroy_decompress(&info);
}

struct PngSource {
    const unsigned char* bytes;
    size_t size, at;
};

void png_take(png_structp png, png_bytep to, png_size_t n) {
    PngSource* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (n > src->size - src->at) png_error(png, "cut short");
    std::memcpy(to, src->bytes + src->at, n);
    src->at += n;
}

void png_failed(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void png_quiet(png_structp, png_const_charp) {}

void read_png(const unsigned char* b, size_t size, ImageHeader& out) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, png_failed, png_quiet);
    if (!png) return;
    png_infop info = png_create_info_struct(png);
    PngSource src{b, size, 0};
    if (info && setjmp(png_jmpbuf(png)) == 0) {
        png_set_read_fn(png, &src, png_take);
        png_read_info(png, info);
    }
    // The header chunk read, checksum and all, is what the decoder uses,
    // whatever follows it.
    // (0 until the header chunk was read whole.)
    if (info) {
        out.width = png_get_image_width(png, info);
        out.height = png_get_image_height(png, info);
    }
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
}

}  // namespace

ImageHeader read_image_header(const unsigned char* b, size_t size) {
    ImageHeader out;
    if (size >= 8 && png_sig_cmp(b, 0, 8) == 0) {
        out.kind = ImageHeader::png;
        read_png(b, size, out);
    } else if (size >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) {
        out.kind = ImageHeader::jpeg;
        read_jpeg(b, size, out);
    }
    return out;
}
