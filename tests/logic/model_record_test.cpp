// Reading object files and model records, including files that end early or lie.
#include <gtest/gtest.h>

#include <cstring>

#include "res/media.h"
#include "scene/model.h"
#include "scene/object.h"
#include "support/temp_folder.h"
#include "support/test_archive.h"

namespace {

Bytes record_with(const std::string& texture, int triangles, size_t at) {
    Mesh m;
    m.texture = texture;
    for (int i = 0; i < triangles; ++i) m.triangle({}, {}, {});
    return write_model_record(m, at);
}

// Textures are looked up in an archive that holds none.
class ModelRecord : public ::testing::Test {
protected:
    TempFolder folder;
    void SetUp() override {
        write_archive(folder.file("none.pak"), {});
        media.setpwd(folder.prefix());
    }
    void TearDown() override { media.setpwd("0"); }
};

}  // namespace

TEST_F(ModelRecord, EmptyMeshIsHeaderAndNameOnly) {
    const Bytes rec = record_with("t", 0, 0);
    uint32_t name_len;
    std::memcpy(&name_len, rec.data(), 4);
    EXPECT_EQ(rec.size(), 69 + name_len);

    Model m;
    const unsigned char* pos = rec.data();
    ASSERT_TRUE(m.load(&pos, rec.data() + rec.size(), "none.pak"));
    EXPECT_EQ(pos, rec.data() + rec.size());
    EXPECT_EQ(m.triangle_count, 0);
}

TEST_F(ModelRecord, ConsecutiveRecordsWithDifferentNameLengths) {
    Bytes file = record_with("a", 1, 0);
    const Bytes second = record_with("a-much-longer-texture-name.png", 2, file.size());
    file.insert(file.end(), second.begin(), second.end());
    const unsigned char* pos = file.data();
    const unsigned char* end = file.data() + file.size();
    Model first, next;
    ASSERT_TRUE(first.load(&pos, end, "none.pak"));
    ASSERT_TRUE(next.load(&pos, end, "none.pak"));
    EXPECT_EQ(pos, end);
    EXPECT_EQ(first.triangle_count, 1);
    EXPECT_EQ(next.triangle_count, 2);
    EXPECT_STREQ(next.texture_name, "a-much-longer-texture-name.png");
    EXPECT_EQ(reinterpret_cast<uintptr_t>(next.vertices) % 4, 0u);
}

TEST_F(ModelRecord, RecordsThatDoNotFitAreRefused) {
    const Bytes rec = record_with("tex", 3, 0);
    for (size_t cut : {size_t{0}, size_t{3}, size_t{10}, size_t{70}, rec.size() - 1}) {
        Model m;
        const unsigned char* pos = rec.data();
        EXPECT_FALSE(m.load(&pos, rec.data() + cut, "none.pak")) << "cut at " << cut;
        EXPECT_EQ(pos, rec.data());
    }
    Bytes lying = rec;
    lying[0] = 0xFF;  // a name longer than the record
    lying[3] = 0x7F;
    Model m;
    const unsigned char* pos = lying.data();
    EXPECT_FALSE(m.load(&pos, lying.data() + lying.size(), "none.pak"));

    Bytes unterminated = record_with("abc", 0, 0);
    std::memset(unterminated.data() + 4, 'x', unterminated.size() - 4 - 65);
    pos = unterminated.data();
    EXPECT_FALSE(m.load(&pos, unterminated.data() + unterminated.size(), "none.pak"));
}

TEST_F(ModelRecord, ShortObjectFileKeepsTheModelsReadWhole) {
    const Bytes file = write_object_file({square_mesh(1, 0, "a"), square_mesh(1, 0, "b"), square_mesh(1, 0, "c")});
    Bytes cut = file;
    cut[1] = 200;  // claims 200 models
    cut.resize(file.size() - 10);  // and the third record is incomplete
    Bytes marked = {255, 1, 2, 3, 4};
    marked.insert(marked.end(), file.begin() + 1, file.end());
    write_archive(folder.file("o.pak"), {{"short", cut}, {"marked", marked}, {"tiny", {0, 1}}});
    media.setpwd(folder.prefix());
    {
        Object o;
        o.add("o.pak", "short");
        EXPECT_EQ(o.model_count, 2);
        EXPECT_TRUE(o.loaded);
        Object m;
        m.add("o.pak", "marked");  // a 255 marker is followed by four bytes passed over
        EXPECT_EQ(m.model_count, 3);
        Object t;
        t.add("o.pak", "tiny");
        EXPECT_EQ(t.model_count, 0);
    }
    EXPECT_TRUE(media.packs.empty());
}
