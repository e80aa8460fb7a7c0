#include "documents/format/atomic_file_writer.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
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

struct stat StatOf(const fs::path& path) {
    struct stat s {};
    ::stat(path.c_str(), &s);
    return s;
}

// The unprivileged user and group of the system ("nobody", "nogroup").
constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;
constexpr int kCannotDropPrivileges = 77;

// Runs `save` in a child process that has become the unprivileged user, and
// returns what it returned: the save's error, empty when it succeeded.
// Nothing when the privileges cannot be dropped (the tests do not run as root).
std::optional<std::string> AsUnprivilegedUser(const std::function<std::optional<std::string>()>& save) {
    int channel[2];
    if (::pipe(channel) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNogroup) != 0 || ::setuid(kNobody) != 0)
            ::_exit(kCannotDropPrivileges);
        const std::string result = save().value_or("");
        const bool sent = ::write(channel[1], result.data(), result.size()) == ssize_t(result.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, std::size_t(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == kCannotDropPrivileges) return std::nullopt;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the child could not report";
    return result;
}

#define SAVE_AS_UNPRIVILEGED_USER(result, target, bytes)                        \
    std::optional<std::string> result =                                         \
        AsUnprivilegedUser([&] { return WriteFileAtomically(target, bytes); }); \
    if (!result) GTEST_SKIP() << "cannot become the unprivileged user " << kNobody << " (not run as root)"

// The real calls, with one of them failing with the given error.
class FailingIo : public FileSystemIo {
   public:
    enum class Step { None, Create, Write, Sync, Close, Rename, SetOwner };
    FailingIo(Step step, int error) : step_(step), error_(error) {}

    int CreateNew(const std::string& path, int& fd) override {
        temporary = path;
        if (step_ == Step::Create) return error_;
        return real_.CreateNew(path, fd);
    }
    int OpenExisting(const std::string& path, int& fd) override { return real_.OpenExisting(path, fd); }
    int Write(int fd, const char* data, std::size_t size, std::size_t& written) override {
        // Half the bytes reach the disk before it is full.
        if (step_ == Step::Write) {
            real_.Write(fd, data, size / 2, written);
            return error_;
        }
        // Otherwise one byte at a time, to prove partial writes go on.
        return real_.Write(fd, data, size > 0 ? 1 : 0, written);
    }
    int Truncate(int fd, off_t size) override { return real_.Truncate(fd, size); }
    int SetMode(int fd, mode_t mode) override { return real_.SetMode(fd, mode); }
    int SetOwner(int fd, uid_t owner, gid_t group) override {
        return step_ == Step::SetOwner ? error_ : real_.SetOwner(fd, owner, group);
    }
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
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        folder_ = fs::path(::testing::TempDir()) / ("atomic_" + name);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        ::chmod(folder_.c_str(), 0755);
        fs::remove_all(folder_);
    }

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

TEST_F(AtomicFileWriterTest, PiecesReplaceTheFileOnlyOnCommit) {
    const fs::path target = folder_ / "results.csv";
    const fs::path link = folder_ / "other-name.csv";
    // A new file, an old one, and one with another hard link (written in place).
    for (const char* kind : {"new", "old", "linked"}) {
        SCOPED_TRACE(kind);
        fs::remove(target);
        fs::remove(link);
        if (std::string(kind) != "new") Put(target, "old");
        if (std::string(kind) == "linked") fs::create_hard_link(target, link);
        const std::size_t entries = EntriesInFolder();
        const std::string before = fs::exists(target) ? Contents(target) : "(none)";
        auto unchanged = [&] {
            EXPECT_EQ(fs::exists(target) ? Contents(target) : "(none)", before);
            EXPECT_EQ(EntriesInFolder(), entries);
        };
        {
            AtomicFileWriter dropped(target);
            ASSERT_EQ(dropped.Open(), std::nullopt);
            ASSERT_EQ(dropped.Append("first "), std::nullopt);
        }
        unchanged();

        AtomicFileWriter writer(target);
        ASSERT_EQ(writer.Open(), std::nullopt);
        ASSERT_EQ(writer.Append("first "), std::nullopt);
        ASSERT_EQ(writer.Append("second"), std::nullopt);
        EXPECT_EQ(fs::exists(target) ? Contents(target) : "(none)", before);
        ASSERT_EQ(writer.Commit(), std::nullopt);
        EXPECT_EQ(Contents(target), "first second");
        EXPECT_EQ(EntriesInFolder(), std::string(kind) == "new" ? entries + 1 : entries);
        if (std::string(kind) == "linked") EXPECT_EQ(Contents(link), "first second");
        EXPECT_NE(writer.Append("late"), std::nullopt) << "a committed writer takes no more";
    }
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
    ::testing::Values(FailureCase{"DiskFull", FailingIo::Step::Write, ENOSPC, "No space left on device"},
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

TEST_F(AtomicFileWriterTest, NewFileThatCannotBeCreatedIsReportedAndNothingIsLeft) {
    FailingIo io(FailingIo::Step::Create, EACCES);
    std::optional<std::string> error = WriteFileAtomically(folder_ / "reach.flo", "text", io);
    EXPECT_EQ(error, "Permission denied");
    EXPECT_EQ(EntriesInFolder(), 0u);
}

TEST_F(AtomicFileWriterTest, TemporaryNameIsShortSoTheLongestNameSaves) {
    const fs::path target =
        folder_ / (std::string(251, 'r') + ".flo");  // 255 bytes, the longest a name can be
    FailingIo io(FailingIo::Step::None, 0);
    ASSERT_EQ(WriteFileAtomically(target, "profile", io), std::nullopt);
    EXPECT_EQ(Contents(target), "profile");
    const std::string temporary = fs::path(io.temporary).filename().string();
    EXPECT_EQ(temporary.rfind(".rillo-", 0), 0u) << temporary;
    EXPECT_EQ(temporary.size(), 13u) << temporary;
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(AtomicFileWriterTest, FileWithOtherHardLinksIsWrittenInPlace) {
    const fs::path target = folder_ / "reach.flo";
    const fs::path other = folder_ / "linked.flo";
    Put(target, "the old profile, somewhat longer");
    fs::create_hard_link(target, other);
    const ino_t inode = StatOf(target).st_ino;
    ASSERT_EQ(WriteFileAtomically(target, "new"), std::nullopt);
    EXPECT_EQ(StatOf(target).st_ino, inode);
    EXPECT_EQ(Contents(other), "new");
    EXPECT_EQ(EntriesInFolder(), 2u);
}

TEST_F(AtomicFileWriterTest, FolderThatTakesNoNewFileGetsTheFileWrittenInPlace) {
    const fs::path target = folder_ / "reach.flo";
    Put(target, "the old profile, somewhat longer");
    const ino_t inode = StatOf(target).st_ino;
    FailingIo io(FailingIo::Step::Create, EACCES);
    ASSERT_EQ(WriteFileAtomically(target, "new", io), std::nullopt);
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(StatOf(target).st_ino, inode);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(AtomicFileWriterTest, OwnerThatCannotBeGivenToANewFileKeepsTheFileInPlace) {
    const fs::path target = folder_ / "reach.flo";
    Put(target, "old");
    if (::chown(target.c_str(), kNobody, kNogroup) != 0)
        GTEST_SKIP() << "cannot give the file away (not root)";
    const ino_t inode = StatOf(target).st_ino;
    FailingIo io(FailingIo::Step::SetOwner, EPERM);
    ASSERT_EQ(WriteFileAtomically(target, "new", io), std::nullopt);
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(StatOf(target).st_ino, inode);
    EXPECT_EQ(StatOf(target).st_uid, kNobody);
    EXPECT_EQ(EntriesInFolder(), 1u) << "the temporary file is removed";
}

TEST_F(AtomicFileWriterTest, ReplacedFileKeepsItsOwnerGroupAndMode) {
    const fs::path target = folder_ / "reach.flo";
    Put(target, "old");
    if (::chown(target.c_str(), kNobody, kNogroup) != 0)
        GTEST_SKIP() << "cannot give the file away (not root)";
    ::chmod(target.c_str(), 0640);
    ASSERT_EQ(WriteFileAtomically(target, "new"), std::nullopt);
    const struct stat after = StatOf(target);
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(after.st_uid, kNobody);
    EXPECT_EQ(after.st_gid, kNogroup);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
}

// Files the unprivileged user may not write, in a folder where it may create files.
struct ForbiddenCase {
    const char* name;
    uid_t owner;
    mode_t mode;
};

class UnwritableTargetTest : public AtomicFileWriterTest,
                             public ::testing::WithParamInterface<ForbiddenCase> {};

TEST_P(UnwritableTargetTest, IsRefusedAndLeftUntouched) {
    const ForbiddenCase c = GetParam();
    ::chmod(folder_.c_str(), 0777);
    const fs::path target = folder_ / "reach.flo";
    Put(target, "the previous profile");
    if (::chown(target.c_str(), c.owner, 0) != 0) GTEST_SKIP() << "cannot give the file away (not root)";
    ::chmod(target.c_str(), c.mode);
    SAVE_AS_UNPRIVILEGED_USER(error, target, "new");
    EXPECT_EQ(*error, "Permission denied");
    EXPECT_EQ(Contents(target), "the previous profile");
    EXPECT_EQ(StatOf(target).st_uid, c.owner);
    EXPECT_EQ(StatOf(target).st_mode & 07777, c.mode);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Files, UnwritableTargetTest,
                         ::testing::Values(ForbiddenCase{"ReadOnlyOwnFile", kNobody, 0444},
                                           ForbiddenCase{"AnotherUsersFile", 0, 0644}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AtomicFileWriterTest, WritableFileInAFolderWithoutWriteAccessIsWrittenInPlace) {
    const fs::path target = folder_ / "reach.flo";
    Put(target, "the previous profile");
    if (::chown(target.c_str(), kNobody, kNogroup) != 0)
        GTEST_SKIP() << "cannot give the file away (not root)";
    ::chmod(folder_.c_str(), 0555);
    const ino_t inode = StatOf(target).st_ino;
    SAVE_AS_UNPRIVILEGED_USER(error, target, "new");
    EXPECT_EQ(*error, "");
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(StatOf(target).st_ino, inode);
}

TEST_F(AtomicFileWriterTest, SharedFileOfAnotherOwnerKeepsItsOwner) {
    // Writable through its group; a replacement would belong to the writer.
    ::chmod(folder_.c_str(), 0777);
    const fs::path target = folder_ / "reach.flo";
    Put(target, "the previous profile");
    if (::chown(target.c_str(), 0, kNogroup) != 0) GTEST_SKIP() << "cannot give the file away (not root)";
    ::chmod(target.c_str(), 0664);
    SAVE_AS_UNPRIVILEGED_USER(error, target, "new");
    EXPECT_EQ(*error, "");
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(StatOf(target).st_uid, 0u);
    EXPECT_EQ(StatOf(target).st_mode & 07777, 0664u);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(AtomicFileWriterTest, PipeAsTargetIsRefusedAndLeftAPipe) {
    const fs::path target = folder_ / "pipe.flo";
    ASSERT_EQ(::mkfifo(target.c_str(), 0644), 0);
    EXPECT_EQ(WriteFileAtomically(target, "text"), "Not a regular file");
    EXPECT_TRUE(fs::is_fifo(target));
    EXPECT_EQ(EntriesInFolder(), 1u);
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
