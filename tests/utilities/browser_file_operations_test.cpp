// Renames and copies that must never replace a file already there.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"
#include "utilities/browser_file_operations.h"

namespace quillor {
namespace {

using testing::ListFolder;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

TEST(BrowserFileOperations, RenameRefusesAnExistingNameAndLeavesBothFiles) {
    TempDir dir;
    WriteBytes(dir.File("a.bmp"), {'a'});
    WriteBytes(dir.File("b.bmp"), {'b'});
    EXPECT_FALSE(RenameWithoutReplacing(dir.File("a.bmp"), dir.File("b.bmp")));
    EXPECT_EQ(ReadBytes(dir.File("a.bmp")), Bytes{'a'});
    EXPECT_EQ(ReadBytes(dir.File("b.bmp")), Bytes{'b'});

    EXPECT_TRUE(RenameWithoutReplacing(dir.File("a.bmp"), dir.File("c.bmp")));
    EXPECT_EQ(ListFolder(dir.Path()), (std::vector<std::string>{"b.bmp", "c.bmp"}));
    EXPECT_EQ(ReadBytes(dir.File("c.bmp")), Bytes{'a'});
    EXPECT_FALSE(RenameWithoutReplacing(dir.File("missing.bmp"), dir.File("d.bmp")));
}

TEST(BrowserFileOperations, CopyRefusesAnExistingNameAndLeavesNoPartialFile) {
    TempDir dir;
    Bytes big(600 * 1024);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = std::uint8_t(i * 7 + i / 251);
    WriteBytes(dir.File("a.bmp"), big);
    WriteBytes(dir.File("b.bmp"), {'b'});
    ASSERT_EQ(::chmod(dir.File("a.bmp").c_str(), 0640), 0);

    EXPECT_FALSE(CopyWithoutReplacing(dir.File("a.bmp"), dir.File("b.bmp")));
    EXPECT_EQ(ReadBytes(dir.File("b.bmp")), Bytes{'b'});

    EXPECT_TRUE(CopyWithoutReplacing(dir.File("a.bmp"), dir.File("c.bmp")));
    EXPECT_EQ(ReadBytes(dir.File("c.bmp")), big);
    struct stat info {};
    ASSERT_EQ(::stat(dir.File("c.bmp").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    EXPECT_FALSE(CopyWithoutReplacing(dir.File("missing.bmp"), dir.File("d.bmp")));
    EXPECT_FALSE(CopyWithoutReplacing(dir.Path(), dir.File("e.bmp")));
    EXPECT_EQ(ListFolder(dir.Path()), (std::vector<std::string>{"a.bmp", "b.bmp", "c.bmp"}));
}

TEST(BrowserFileOperations, RemovingAFileThatIsNotThereSucceeds) {
    TempDir dir;
    WriteBytes(dir.File("a.bmp"), {'a'});
    EXPECT_TRUE(RemoveFileIfPresent(dir.File("a.bmp")));
    EXPECT_TRUE(RemoveFileIfPresent(dir.File("a.bmp")));
    EXPECT_TRUE(ListFolder(dir.Path()).empty());
    EXPECT_FALSE(RemoveFileIfPresent(dir.Path()));
}

}  // namespace
}  // namespace quillor
