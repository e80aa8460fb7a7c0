#include "documents/format/atomic_file_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace rillo {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The real calls, with one of them failing with the given error.
class FailingIo : public FileSystemIo {
   public:
    enum class Step { None, Create, Write, Sync, Close, Rename };
    FailingIo(Step step, int error) : step_(step), error_(error) {}

    int CreateNew(const std::string& path, int& fd) override {
        if (step_ == Step::Create) return error_;
        int e = real_.CreateNew(path, fd);
        temporary = path;
        return e;
    }
    int Write(int fd, const char* data, std::size_t size, std::size_t& written) override {
        // Half the bytes reach the disk before it is full.
        if (step_ == Step::Write) {
            real_.Write(fd, data, size / 2, written);
            return error_;
        }
        // Otherwise one byte at a time, to prove partial writes go on.
        return real_.Write(fd, data, size > 0 ? 1 : 0, written);
    }
    int SetMode(int fd, mode_t mode) override { return real_.SetMode(fd, mode); }
    int Sync(int fd) override { return step_ == Step::Sync ? error_ : real_.Sync(fd); }
    int Close(int fd) override {
        int e = real_.Close(fd);
        return step_ == Step::Close ? error_ : e;
    }
    int Rename(const std::string& from, const std::string& to) override {
        return step_ == Step::Rename ? error_ : real_.Rename(from, to);
    }
    int Remove(const std::string& path) override { return real_.Remove(path); }
    void SyncFolder(const std::string& folder) override { real_.SyncFolder(folder); }

    std::string temporary;

   private:
    FileSystemIo& real_ = SystemFileSystemIo();
    Step step_;
    int error_;
};

class AtomicFileWriterTest : public ::testing::Test {
   protected:
    void SetUp() override {
        folder_ = fs::path(::testing::TempDir()) /
                  ("atomic_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

TEST_F(AtomicFileWriterTest, WritesANewFileAndReplacesAnOldOne) {
    fs::path target = folder_ / "reach.flo";
    ASSERT_EQ(WriteFileAtomically(target, "first\r\n"), std::nullopt);
    EXPECT_EQ(Contents(target), "first\r\n");
    ASSERT_EQ(WriteFileAtomically(target, "second\r\n"), std::nullopt);
    EXPECT_EQ(Contents(target), "second\r\n");
    EXPECT_EQ(EntriesInFolder(), 1u);  // no temporary file left behind
}

TEST_F(AtomicFileWriterTest, ReplacedFileKeepsItsPermissions) {
    fs::path target = folder_ / "reach.flo";
    Put(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(WriteFileAtomically(target, "new"), std::nullopt);
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicFileWriterTest, WritesThroughASymbolicLink) {
    fs::path real = folder_ / "real.flo";
    fs::path link = folder_ / "link.flo";
    Put(real, "old");
    fs::create_symlink(real, link);
    ASSERT_EQ(WriteFileAtomically(link, "new"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(real), "new");
}

struct FailureCase {
    const char* name;
    FailingIo::Step step;
    int error;
    const char* description;
};

class AtomicFileWriterFailureTest : public AtomicFileWriterTest,
                                    public ::testing::WithParamInterface<FailureCase> {};

TEST_P(AtomicFileWriterFailureTest, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    const FailureCase c = GetParam();
    fs::path target = folder_ / "reach.flo";
    Put(target, "the previous profile\r\n");
    FailingIo io(c.step, c.error);
    std::optional<std::string> error = WriteFileAtomically(target, std::string(10000, 'x'), io);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, c.description);
    EXPECT_EQ(Contents(target), "the previous profile\r\n");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, AtomicFileWriterFailureTest,
    ::testing::Values(FailureCase{"Create", FailingIo::Step::Create, EACCES, "Permission denied"},
                      FailureCase{"DiskFull", FailingIo::Step::Write, ENOSPC, "No space left on device"},
                      FailureCase{"Sync", FailingIo::Step::Sync, EIO, "Input/output error"},
                      FailureCase{"Close", FailingIo::Step::Close, EDQUOT, "Disk quota exceeded"},
                      FailureCase{"Rename", FailingIo::Step::Rename, EXDEV, "Invalid cross-device link"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AtomicFileWriterTest, FolderThatIsGoneIsReportedAndNothingIsCreated) {
    fs::path target = folder_ / "gone" / "reach.flo";
    std::optional<std::string> error = WriteFileAtomically(target, "text");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "No such file or directory");
    EXPECT_EQ(EntriesInFolder(), 0u);
}

TEST_F(AtomicFileWriterTest, FolderAsTargetIsRefusedAndLeftAlone) {
    fs::path target = folder_ / "sub";
    fs::create_directory(target);
    Put(target / "inside.flo", "kept");
    std::optional<std::string> error = WriteFileAtomically(target, "text");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(Contents(target / "inside.flo"), "kept");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

}  // namespace
}  // namespace rillo
