// The writer thread: the newest snapshot always lands, and whoever reads the
// file meanwhile finds one whole snapshot, never a mix or a part.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "save/settings_file.h"
#include "save/settings_writer.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

TEST(SettingsWriter, ReadersSeeOnlyWholeSnapshotsAndTheNewestLands) {
    TempFolder folder;
    const std::string path = folder.file("pintabo/com.quillfen.pintabo.cfg");
    Settings_writer writer;
    std::set<std::string> submitted;
    std::atomic<bool> done{false};
    std::atomic<int> reads{0}, torn{0};
    std::set<std::string>* known = &submitted;
    std::mutex known_guard;
    std::thread reader([&] {
        while (!done) {
            const std::string seen = read_text(path);
            if (seen.empty()) continue;
            std::lock_guard<std::mutex> lock(known_guard);
            ++reads;
            if (!known->count(seen)) ++torn;
        }
    });
    std::string last;
    for (int i = 0; i < 300; ++i) {
        // Snapshots of different lengths, so a mix of two would show.
        last = std::string(1000 + (i * 7919) % 5000, static_cast<char>('a' + i % 26)) + std::to_string(i);
        {
            std::lock_guard<std::mutex> lock(known_guard);
            submitted.insert(last);
        }
        writer.submit(path, last, false);
    }
    writer.flush();
    done = true;
    reader.join();
    EXPECT_EQ(read_text(path), last);
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    EXPECT_EQ(writer.written() + writer.superseded(), 300u) << "each snapshot written or replaced by a newer one";
    EXPECT_EQ(writer.last_written(), last);
    writer.stop();
    writer.submit(path, "after a stop", false);  // starts again
    writer.flush();
    EXPECT_EQ(read_text(path), "after a stop");
}
