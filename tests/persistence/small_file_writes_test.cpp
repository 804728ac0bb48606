#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "faulty_calls.h"
#include "persistence/save_menu.h"
#include "persistence/settings.h"
#include "support/scratch_directory.h"
#include "world/game.h"

namespace fs = std::filesystem;

namespace {

std::string fileText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes one of the game's files into dir; true when the write reports success.
using SmallWrite = std::function<bool(const fs::path& dir, const SystemCalls& calls)>;

bool writeDefaultSettings(const fs::path& dir, const SystemCalls& calls)
{
    return saveSettings(dir, Settings{}, calls);
}

bool renameSlotThree(const fs::path& dir, const SystemCalls& calls)
{
    SaveMenu menu;
    menu.services.files = calls;
    menu.slot = 3;
    menu.name = "NEU";
    menu.renameSlot(dir);
    return !menu.error;
}

bool saveIntoSlotThree(const fs::path& dir, const SystemCalls& calls)
{
    SaveMenu menu;
    menu.services.files = calls;
    menu.saveMode = true;
    menu.slotPath = SaveMenu::slotMapPath(dir, 3);
    Game game;
    menu.runSlotAction(game);
    return !menu.error;
}

}  // namespace

// The settings file and a slot's name file are written while each call of the
// write fails once, and while the write stops at each call as a crash would stop
// it: the file afterwards holds the old or the new text, never less, and the
// result says which (a failed directory sync leaves the new text, reported).
TEST(SmallFileWrites, EveryFaultLeavesTheOldOrTheNewText)
{
    const struct {
        const char* file;
        std::string oldText;
        SmallWrite write;
    } writers[] = {
        {"gearhaven.ini", "[settings]\nlanguage=de\nwindow_width=1600\n", writeDefaultSettings},
        {"karte-3.name", "ALT\n", renameSlotThree},
    };
    for (const auto& w : writers) {
        ScratchDirectory dir;
        const fs::path file = dir.path / w.file;
        std::ofstream(file, std::ios::binary) << w.oldText;
        FaultyCalls clean;
        ASSERT_TRUE(w.write(dir.path, clean.calls)) << w.file;
        const std::string newText = fileText(file);
        const std::size_t rename = clean.indexOf("rename ");
        ASSERT_LT(rename, clean.log.size()) << w.file;
        for (CallPlan::Fault fault : {CallPlan::Fault::FailOne, CallPlan::Fault::StopFrom}) {
            for (std::size_t at = 0; at < clean.log.size(); ++at) {
                const std::string& call = clean.log[at];
                std::ofstream(file, std::ios::binary | std::ios::trunc) << w.oldText;
                FaultyCalls faulty(faultAt(fault, at));
                const bool written = w.write(dir.path, faulty.calls);
                EXPECT_EQ(fileText(file), at > rename ? newText : w.oldText) << call;
                if (fault == CallPlan::Fault::FailOne) {
                    EXPECT_EQ(written, call.starts_with("close ")) << call;
                }
            }
        }
    }
}

// A slot, name or settings path that is, or links to, a pipe or a device node is
// no file of the game's: each write refuses it and leaves the node where it was.
TEST(SmallFileWrites, APipeOrADeviceIsNeverReplaced)
{
    const struct {
        const char* file;
        SmallWrite write;
    } writers[] = {
        {"karte-3.map", saveIntoSlotThree},
        {"karte-3.name", renameSlotThree},
        {"gearhaven.ini", writeDefaultSettings},
    };
    for (const auto& w : writers) {
        ScratchDirectory dir;
        const fs::path file = dir.path / w.file;
        const fs::path pipe = dir.path / "pipe";
        const fs::path device = dir.path / "device";
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        // Only where nodes may be made; a link to the system's own device is not risked.
        const bool withDevice = ::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
        for (const fs::path& node : {pipe, device}) {
            if (node == device && !withDevice) continue;
            const fs::file_type type = fs::symlink_status(node).type();
            for (bool linked : {false, true}) {
                fs::remove(file);
                if (linked) {
                    fs::create_symlink(node.filename(), file);
                } else {
                    fs::rename(node, file);
                }
                EXPECT_FALSE(w.write(dir.path, realSystemCalls()))
                    << w.file << " " << node << (linked ? " linked" : "");
                EXPECT_EQ(fs::symlink_status(linked ? node : file).type(), type) << w.file << " " << node;
                if (!linked) fs::rename(file, node);
            }
        }
    }
}
