#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace quillor {
namespace {

using testing::ListFolder;
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
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0555);
    AtomicFileWriter out;
    EXPECT_FALSE(out.Open(dir.File("x.bmp")));
    EXPECT_FALSE(out.Error().empty());
    ::chmod(dir.Path().c_str(), 0755);
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
