#include "image_file.h"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "image_header.h"

namespace {

std::string too_large(const std::string& path, long long w, long long h) {
    return path + " is too large: " + std::to_string(w) + " x " + std::to_string(h) +
           " pixels is more than 40 megapixels";
}

// The decoded surface as RGB, see-through pixels laid on white. Frees the
// surface as soon as it is converted: a large photo is held at most twice.
bool surface_rgb(SDL_Surface* decoded, RgbImage& out) {
    SDL_Surface* probe = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0x000000FFu, 0x0000FF00u, 0x00FF0000u,
                                              0xFF000000u);
    SDL_Surface* s = probe ? SDL_ConvertSurface(decoded, probe->format, SDL_SWSURFACE) : nullptr;
    if (probe) SDL_FreeSurface(probe);
    SDL_FreeSurface(decoded);
    if (!s) return false;
    out.w = s->w;
    out.h = s->h;
    out.rgb.resize(static_cast<size_t>(s->w) * s->h * 3);
    if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
        uint8_t* dst = out.rgb.data() + static_cast<size_t>(y) * s->w * 3;
        for (int x = 0; x < s->w; ++x) {
            const uint8_t* p = row + x * 4;  // R, G, B, A in memory on a little-endian host
            const unsigned a = p[3];
            for (int c = 0; c < 3; ++c) dst[x * 3 + c] = static_cast<uint8_t>((p[c] * a + 255 * (255 - a) + 127) / 255);
        }
    }
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return true;
}

}  // namespace

RgbImage upright(const RgbImage& in, int orientation) {
    if (orientation < 2 || orientation > 8) return in;
    const bool turned = orientation >= 5;
    RgbImage out;
    out.w = turned ? in.h : in.w;
    out.h = turned ? in.w : in.h;
    out.rgb.resize(in.rgb.size());
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) {
            int sx = x, sy = y;
            switch (orientation) {
                case 2: sx = in.w - 1 - x; break;
                case 3: sx = in.w - 1 - x, sy = in.h - 1 - y; break;
                case 4: sy = in.h - 1 - y; break;
                case 5: sx = y, sy = x; break;
                case 6: sx = y, sy = in.h - 1 - x; break;
                case 7: sx = in.w - 1 - y, sy = in.h - 1 - x; break;
                case 8: sx = in.w - 1 - y, sy = x; break;
            }
            std::memcpy(out.rgb.data() + (static_cast<size_t>(y) * out.w + x) * 3, in.at(sx, sy), 3);
        }
    return out;
}

std::string read_image_file(const std::string& path, RgbImage& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot read " + path + ": " + std::strerror(errno);
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    in.seekg(0, std::ios::beg);
    if (length < 0) return "cannot read " + path;
    // No PNG or JPEG of 40 megapixels comes near this.
    if (length > (1ll << 30)) return path + " is too large a file";
    std::vector<unsigned char> bytes(static_cast<size_t>(length));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), length)) return "cannot read " + path;

    const ImageHeader header = read_image_header(bytes.data(), bytes.size());
    if (header.kind == ImageHeader::unknown) return path + " is not a PNG or JPEG image";
    // A header without a size would leave the decoder to allocate what the
    // rest of the file declares.
    if (header.width < 1 || header.height < 1) return path + " is damaged or not an image that can be read";
    if (header.width * header.height > max_image_pixels) return too_large(path, header.width, header.height);

    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_Surface* decoded = rw ? IMG_Load_RW(rw, 1) : nullptr;
    bytes = std::vector<unsigned char>();
    if (!decoded) return path + " is damaged or not an image that can be read";
    if (static_cast<long long>(decoded->w) * decoded->h > max_image_pixels) {
        const std::string error = too_large(path, decoded->w, decoded->h);
        SDL_FreeSurface(decoded);
        return error;
    }
    RgbImage rgb;
    if (!surface_rgb(decoded, rgb) || rgb.w < 1 || rgb.h < 1) return path + " could not be decoded";
    out = header.orientation == 1 ? std::move(rgb) : upright(rgb, header.orientation);
    return "";
}
