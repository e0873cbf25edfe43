#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "support/system_call_faults.h"
#include "support/temp_dir.h"

namespace quillor {
namespace {

using testing::ListFolder;
using testing::SystemCallFaults;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(AtomicFileWriterTest, CommitReplacesTheTargetWithTheWholeNewFile) {
    TempDir dir;
    const std::string path = dir.File("picture.bmp");
    WriteBytes(path, {1, 2, 3});
    AtomicFileWriter out;
    ASSERT_TRUE(out.Open(path));
    std::vector<std::uint8_t> big(3 << 20, 7);  // larger than the writer's buffer
    ASSERT_TRUE(out.Write(big.data(), big.size()));
    ASSERT_TRUE(out.Write("x", 1));
    EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));  // untouched until commit
    ASSERT_TRUE(out.Commit());
    const auto written = ReadBytes(path);
    ASSERT_EQ(written.size(), big.size() + 1);
    EXPECT_EQ(written.back(), 'x');
    EXPECT_EQ(ListFolder(dir.Path()), std::vector<std::string>{"picture.bmp"});
}

TEST(AtomicFileWriterTest, AnAbandonedWriteLeavesTheOldFileByteForByte) {
    TempDir dir;
    const std::string path = dir.File("picture.png");
    WriteBytes(path, {9, 8, 7, 6});
    {
        AtomicFileWriter out;
        ASSERT_TRUE(out.Open(path));
        out.Write("new", 3);
    }  // dropped without Commit
    EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{9, 8, 7, 6}));
    EXPECT_EQ(ListFolder(dir.Path()), std::vector<std::string>{"picture.png"});
}

TEST(AtomicFileWriterTest, KeepsPermissionsAndWritesThroughLinks) {
    TempDir dir;
    const std::string target = dir.File("real.tga");
    WriteBytes(target, {1});
    ::chmod(target.c_str(), 0640);
    std::filesystem::create_symlink("real.tga", dir.File("link.tga"));
    AtomicFileWriter out;
    ASSERT_TRUE(out.Open(dir.File("link.tga")));
    out.Write("ab", 2);
    ASSERT_TRUE(out.Commit());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.tga")));
    EXPECT_EQ(ReadBytes(target).size(), 2u);
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicFileWriterTest, AnUnwritableFolderFailsToOpen) {
    TempDir dir;
    // A regular file where the folder should be: no user, root included, writes there.
    WriteBytes(dir.File("plain"), {4, 5});
    AtomicFileWriter out;
    EXPECT_FALSE(out.Open(dir.File("plain/x.bmp")));
    EXPECT_FALSE(out.Error().empty());
    EXPECT_EQ(ReadBytes(dir.File("plain")), (std::vector<std::uint8_t>{4, 5}));
    EXPECT_EQ(ListFolder(dir.Path()), std::vector<std::string>{"plain"});

    // Root writes into read-only folders, so this half only holds for other users.
    if (::geteuid() != 0) {
        ::chmod(dir.Path().c_str(), 0555);
        AtomicFileWriter again;
        EXPECT_FALSE(again.Open(dir.File("x.bmp")));
        EXPECT_FALSE(again.Error().empty());
        ::chmod(dir.Path().c_str(), 0755);
    }
}

struct AtomicFileWriterFaults : ::testing::Test {
    TempDir dir;
    void SetUp() override { SystemCallFaults::Reset(); }
    void TearDown() override { SystemCallFaults::Reset(); }
};

TEST_F(AtomicFileWriterFaults, AFileTheUserMayNotWriteIsNotReplaced) {
    const std::string path = dir.File("locked.png");
    WriteBytes(path, {1, 2, 3});
    SystemCallFaults::writeDeniedPath = path;
    AtomicFileWriter out;
    EXPECT_FALSE(out.Open(path));
    EXPECT_FALSE(out.Error().empty());
    EXPECT_FALSE(out.Write("new", 3));
    EXPECT_FALSE(out.Commit());
    EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(ListFolder(dir.Path()), std::vector<std::string>{"locked.png"});

    // A new file needs only the folder.
    SystemCallFaults::writeDeniedPath = dir.File("fresh.png");
    AtomicFileWriter fresh;
    ASSERT_TRUE(fresh.Open(dir.File("fresh.png")));
    ASSERT_TRUE(fresh.Write("ok", 2));
    EXPECT_TRUE(fresh.Commit());
}

TEST_F(AtomicFileWriterFaults, TheNewFileIsFlushedBeforeItReplacesTheOld) {
    const std::string path = dir.File("picture.tga");
    WriteBytes(path, {1, 2, 3});
    AtomicFileWriter out;
    ASSERT_TRUE(out.Open(path));
    ASSERT_TRUE(out.Write("seven b", 7));
    ASSERT_TRUE(out.Commit());
    // The file flushed held the new bytes, all of them (the writer's buffer went first).
    EXPECT_EQ(SystemCallFaults::syncedFileSizes, std::vector<std::int64_t>{7});
    EXPECT_EQ(ReadBytes(path).size(), 7u);
}

TEST_F(AtomicFileWriterFaults, AFailedFlushKeepsTheOldFileAndLeavesNoTemporary) {
    const std::string path = dir.File("picture.tga");
    WriteBytes(path, {1, 2, 3});
    SystemCallFaults::fsyncError = EIO;
    AtomicFileWriter out;
    ASSERT_TRUE(out.Open(path));
    ASSERT_TRUE(out.Write("new bytes", 9));
    EXPECT_FALSE(out.Commit());
    EXPECT_NE(out.Error().find(std::strerror(EIO)), std::string::npos) << out.Error();
    EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(ListFolder(dir.Path()), std::vector<std::string>{"picture.tga"});
}

TEST(AtomicFileWriterTest, NamesAsLongAsTheFolderAllowsCanBeSaved) {
    TempDir dir;
    for (std::size_t length : {240u, 255u}) {
        const std::string name = std::string(length - 4, 'n') + ".png";
        const std::string path = dir.File(name);
        WriteBytes(path, {1});
        AtomicFileWriter out;
        ASSERT_TRUE(out.Open(path)) << length << ": " << out.Error();
        ASSERT_TRUE(out.Write("abc", 3));
        ASSERT_TRUE(out.Commit()) << length << ": " << out.Error();
        EXPECT_EQ(ReadBytes(path).size(), 3u);
        EXPECT_EQ(ListFolder(dir.Path()), std::vector<std::string>{name});
        std::filesystem::remove(path);
    }
}

TEST(AtomicFileWriterTest, AFolderIsNotAFile) {
    TempDir dir;
    AtomicFileWriter out;
    EXPECT_FALSE(out.Open(dir.Path()));
    FileBuffer bytes;
    std::string error;
    EXPECT_FALSE(ReadWholeFile(dir.Path(), bytes, &error));
    EXPECT_FALSE(ReadWholeFile(dir.File("missing"), bytes, &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace quillor
