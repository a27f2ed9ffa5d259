// The generated interface and menu archives, read back as the game reads
// them: every entry the game asks for is there, every object file parses to
// its last byte, every model's texture is an image of the same archive that
// decodes to 24 or 32 bits, and artwork the game fades can fade.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "res/pack.h"
#include "res/platform.h"
#include "save/config.h"

namespace {

std::string data_dir() { return get_boundle_path() + "/../data/"; }


std::vector<std::string> interface_names() {
    std::vector<std::string> names = {"fon",          "knopka_close",     "knopka_help",      "knopka_menu",
                                      "knopka_left",  "knopka_right",     "knopka_color",     "knopka_reset",
                                      "knopka_back",  "knopka_clear",     "tubik_no_num",     "lenta",
                                      "kist_ruchka",  "kist_vors_color",  "list_nums_nodigits", "palitra_gradient",
                                      "palitra_colors", "color_const",    "color_hover",  "knopka_gallery",
                                      "knopka_camera", "camera_flash"};
    for (int i = 1; i <= 9; ++i) names.push_back("tubik" + std::to_string(i));
    for (int i = 1; i <= 5; ++i) names.push_back("buble" + std::to_string(i));
    for (const char* piece : {"tl", "t", "tr", "l", "r", "bl", "b", "br"}) names.push_back(std::string("focus_ring_") + piece);
    return names;
}

std::vector<std::string> langall_names() {
    std::vector<std::string> names = {
        "menu_dialog",       "dialog_background", "help_dialog",         "colors_dialog",     "menu_alpha",
        "checked",           "unchecked",         "setup_lang_en",       "setup_lang_de",     "setup_lang_es",
        "setup_lang_ru",     "setup_lang_fr",     "setup_lang_cursor",   "button_close",      "help_select",
        "gallery_dialog",    "gallery_thumb",     "gallery_frame",       "gallery_star",      "gallery_ring_back",
        "gallery_slash",     "gallery_count_star", "gallery_add",        "gallery_arrow_left", "gallery_arrow_right"};
    for (int i = 1; i <= 24; ++i) names.push_back((i < 10 ? "gallery_ring0" : "gallery_ring") + std::to_string(i));
    for (int i = 0; i <= 9; ++i) names.push_back("gallery_digit" + std::to_string(i));
    for (int i = 0; i <= 2; ++i) {
        names.push_back("setup_switch" + std::to_string(i));
        names.push_back("setup_speed" + std::to_string(i));
    }
    names.push_back("setup_choice_cursor");
    return names;
}

const std::vector<std::string> kLanguageNames = {
    "setup",         "about",       "menu_exit",         "menu_clear",           "menu_clearall",
    "help",          "text_void",   "help_bg",           "help_mode1",           "help_mode2",
    "help_mode3",    "button_ok",   "button_cancel",     "button_close",         "setup_button_about",
    "setup_button_clearall",        "setup_button_web",  "button_facebook",      "button_twitter",
    "gallery",       "setup_button_print"};

uint32_t u32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

float f32(const unsigned char* p) {
    float f;
    std::memcpy(&f, p, 4);
    return f;
}

struct ParsedModel {
    std::string texture;
    bool alpha_test = false;
    bool blend = false;
    uint32_t triangles = 0;
    std::vector<float> positions, normals, texcoords;
};

// Reads an object file the way the game does; an error message when the
// bytes do not hold exactly the records they announce.
std::string parse_object(const raw& file, std::vector<ParsedModel>& out) {
    if (!file.data || file.size < 5) return "shorter than a header";
    const unsigned char* p = file.data;
    const unsigned char* end = file.data + file.size;
    if (*p++ == 255) p += 4;
    if (end - p < 4) return "no model count";
    const int32_t count = static_cast<int32_t>(u32(p));
    p += 4;
    if (count < 0) return "negative model count";
    for (int32_t m = 0; m < count; ++m) {
        ParsedModel model;
        if (end - p < 4) return "record " + std::to_string(m) + " has no name length";
        const uint32_t len = u32(p);
        p += 4;
        if (static_cast<uint64_t>(end - p) < static_cast<uint64_t>(len) + 60 + 5) return "record " + std::to_string(m) + " is cut short";
        if (len == 0 || !std::memchr(p, 0, len)) return "record " + std::to_string(m) + " has an unterminated name";
        model.texture = reinterpret_cast<const char*>(p);
        p += len;
        model.alpha_test = p[0] != 0;
        model.blend = p[1] != 0;
        p += 60;
        model.triangles = u32(p);
        p += 5;
        const uint64_t n = model.triangles;
        if (static_cast<uint64_t>(end - p) < 96 * n) return "record " + std::to_string(m) + " has too few triangle bytes";
        for (uint64_t i = 0; i < 9 * n; ++i) model.positions.push_back(f32(p + 4 * i));
        for (uint64_t i = 0; i < 9 * n; ++i) model.normals.push_back(f32(p + 36 * n + 4 * i));
        for (uint64_t i = 0; i < 6 * n; ++i) model.texcoords.push_back(f32(p + 72 * n + 4 * i));
        p += 96 * n;
        out.push_back(std::move(model));
    }
    if (p != end) return std::to_string(end - p) + " bytes after the last record";
    return {};
}

bool is_power_of_two(int v) { return v > 0 && (v & (v - 1)) == 0; }

class GeneratedArchives : public ::testing::Test {
protected:
    static std::map<std::string, std::unique_ptr<Pack>> packs;

    static void SetUpTestSuite() {
        IMG_Init(IMG_INIT_PNG);
        std::vector<std::string> archives = {"interface.pak", "langall.pak"};
        archives.insert(archives.end(), std::begin(packnames), std::end(packnames));
        for (const std::string& name : archives) {
            const std::string path = data_dir() + name;
            if (FILE* f = std::fopen(path.c_str(), "rb")) {
                std::fclose(f);
                packs[name] = std::make_unique<Pack>(path.c_str());
            }
        }
    }
    static void TearDownTestSuite() { packs.clear(); }

    static Pack* pack(const std::string& name) {
        auto it = packs.find(name);
        return it == packs.end() ? nullptr : it->second.get();
    }

    // Runs `check` on every object file (entries without an image's ".png").
    template <typename Check>
    void each_object(const Check& check) {
        ASSERT_EQ(packs.size(), 7u) << "the archives are missing from " << data_dir() << "; build the assets first";
        for (const auto& [archive, p] : packs)
            for (size_t i = 0; i < p->names.size(); ++i) {
                const std::string& name = p->names[i];
                if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0) continue;
                SCOPED_TRACE(archive + ": " + name);
                std::vector<ParsedModel> models;
                const std::string error = parse_object(p->files[i], models);
                ASSERT_EQ(error, "");
                check(*p, name, models);
            }
    }
};

std::map<std::string, std::unique_ptr<Pack>> GeneratedArchives::packs;

void expect_names(Pack* p, const std::string& archive, const std::vector<std::string>& wanted) {
    ASSERT_NE(p, nullptr) << archive << " is missing from " << data_dir();
    for (const std::string& name : wanted) {
        SCOPED_TRACE(archive + ": " + name);
        const raw r = p->getfile(name.c_str());
        EXPECT_NE(r.data, nullptr);
    }
    // No entry twice: the game would only ever see the first.
    std::map<std::string, int> seen;
    for (const std::string& n : p->names) EXPECT_EQ(++seen[n], 1) << archive << " holds " << n << " twice";
}

TEST_F(GeneratedArchives, HoldEveryEntryTheGameAsksFor) {
    expect_names(pack("interface.pak"), "interface.pak", interface_names());
    expect_names(pack("langall.pak"), "langall.pak", langall_names());
    for (const char* archive : packnames) expect_names(pack(archive), archive, kLanguageNames);
}

TEST_F(GeneratedArchives, ObjectFilesParseAndNameImagesOfTheirArchive) {
    each_object([](Pack& p, const std::string&, const std::vector<ParsedModel>& models) {
        for (const ParsedModel& m : models) {
            SCOPED_TRACE(m.texture);
            EXPECT_GT(m.triangles, 0u);
            const raw image = p.getfile(m.texture.c_str());
            EXPECT_NE(image.data, nullptr) << "the texture is not in the archive";
            for (float v : m.positions) EXPECT_TRUE(std::isfinite(v));
            for (size_t i = 0; i + 2 < m.normals.size(); i += 3)
                EXPECT_GT(std::hypot(m.normals[i], m.normals[i + 1], m.normals[i + 2]), 0.5f);
            for (float v : m.texcoords) EXPECT_TRUE(v >= -1e-4f && v <= 1.0001f) << v;
        }
    });
}

TEST_F(GeneratedArchives, ImagesDecodeTo24Or32BitsWithPowerOfTwoSides) {
    ASSERT_EQ(packs.size(), 7u) << "the archives are missing from " << data_dir();
    int images = 0;
    for (const auto& [archive, p] : packs)
        for (size_t i = 0; i < p->names.size(); ++i) {
            const std::string& name = p->names[i];
            if (name.size() <= 4 || name.compare(name.size() - 4, 4, ".png") != 0) continue;
            SCOPED_TRACE(archive + ": " + name);
            SDL_RWops* rw = SDL_RWFromConstMem(p->files[i].data, static_cast<int>(p->files[i].size));
            SDL_Surface* s = IMG_Load_RW(rw, 1);
            ASSERT_NE(s, nullptr) << IMG_GetError();
            const int bits = s->format->BitsPerPixel;
            EXPECT_TRUE(bits == 24 || bits == 32) << bits;
            // Mipmaps of other sizes are resampled first, blurring the artwork.
            EXPECT_TRUE(is_power_of_two(s->w) && is_power_of_two(s->h)) << s->w << "x" << s->h;
            SDL_FreeSurface(s);
            ++images;
        }
    EXPECT_GT(images, 100);
}

// Artwork that the game fades in and out, or hides with an opacity of 0,
// does so only through blending; the base-screen buttons must stay opaque so
// the help screen's copies of them are not dimmed by the menu backdrop.
TEST_F(GeneratedArchives, FadingArtworkIsBlendedAndButtonsAreOpaque) {
    each_object([](Pack&, const std::string& name, const std::vector<ParsedModel>& models) {
        const bool button = name.rfind("knopka_", 0) == 0;
        const bool base_screen = button || name == "fon" || name.rfind("tubik", 0) == 0 || name == "lenta" ||
                                 name.rfind("kist_", 0) == 0;
        for (const ParsedModel& m : models) {
            EXPECT_EQ(m.blend, !base_screen);
            if (button) {
                EXPECT_TRUE(m.alpha_test) << "a round button needs its corners cut away";
            }
        }
    });
}

TEST_F(GeneratedArchives, EmptyArtworkIsEmptyOnPurpose) {
    // The overlay without numbers and the panel text without words draw
    // nothing; every other object has something to show.
    each_object([](Pack&, const std::string& name, const std::vector<ParsedModel>& models) {
        const bool meant_empty = name == "list_nums_nodigits" || name == "text_void";
        EXPECT_EQ(models.empty(), meant_empty);
    });
}

}  // namespace
