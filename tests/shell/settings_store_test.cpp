#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>
#include <thread>

#include "shell/mdi_main.h"
#include "shell/qt_platform_services.h"

namespace rillo {
namespace {

enum class Special { Pipe, LinkToAPipe, Device };

struct SpecialCase {
    const char* name;
    Special kind;
};

class SpecialSettingsFileTest : public ::testing::TestWithParam<SpecialCase> {};

// The store is made, read, written and ended in a thread of its own, so that
// a store that waits on the pipe fails the test instead of hanging the suite.
TEST_P(SpecialSettingsFileTest, StartsOnTheDefaultsAtOnceAndLeavesItAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray pipe = QFile::encodeName(dir.filePath("pipe"));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    QString file = dir.filePath("Rillo2.ini");
    const QByteArray path = QFile::encodeName(file);
    switch (GetParam().kind) {
        case Special::Pipe: file = QFile::decodeName(pipe); break;
        case Special::LinkToAPipe: ASSERT_EQ(::symlink(pipe.constData(), path.constData()), 0); break;
        case Special::Device:
            // A node of the null device of its own, so a fault replaces nothing of the system's.
            if (::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                GTEST_SKIP() << "cannot make a device node here (not root)";
            break;
    }
    std::promise<QString> promise;
    std::future<QString> values = promise.get_future();
    std::thread([file, promise = std::move(promise)]() mutable {
        QString seen;
        {
            QtPlatformServices services(file);
            seen = services.ReadSetting("User", "Units", "1");
            services.WriteSetting("User", "Units", "2");
            seen += services.ReadSetting("User", "Units", "1");
        }
        promise.set_value(seen);
    }).detach();
    if (values.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        // A writer that comes and goes ends the wait of a reader on the pipe.
        ::close(::open(pipe.constData(), O_WRONLY | O_NONBLOCK));
        FAIL() << "the settings store waited on the pipe";
    }
    EXPECT_EQ(values.get(), "12") << "the defaults, then the value written in this run";

    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &after), 0);
    EXPECT_EQ(after.st_mode & S_IFMT, GetParam().kind == Special::Device ? S_IFCHR : S_IFIFO);
    if (GetParam().kind == Special::LinkToAPipe) {
        ASSERT_EQ(::lstat(path.constData(), &after), 0);
        EXPECT_TRUE(S_ISLNK(after.st_mode));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, SpecialSettingsFileTest,
                         ::testing::Values(SpecialCase{"Pipe", Special::Pipe},
                                           SpecialCase{"LinkToAPipe", Special::LinkToAPipe},
                                           SpecialCase{"Device", Special::Device}),
                         [](const auto& info) { return std::string(info.param.name); });

// How many times the file named `name` in the watched folder was replaced:
// the store writes a new file and renames it over the old one. (The moves
// from the new files come between, or the kernel would fold equal events.)
int WritesOf(int watch, const QByteArray& name) {
    int writes = 0;
    alignas(inotify_event) char buffer[8192];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* p = buffer; p < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(p);
            if ((event->mask & IN_MOVED_TO) && event->len > 0 && name == event->name) ++writes;
            p += sizeof(inotify_event) + event->len;
        }
    }
    return writes;
}

TEST(QtSettingsStoreTest, EndingWritesTheFileOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("Rillo2.ini");
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch < 0) GTEST_SKIP() << "no inotify to count the writes";
    {
        QtPlatformServices services(file);
        MDIMain main(services);
        main.Start();
        QCoreApplication::processEvents();  // what start-up stored reaches the file
        ASSERT_GE(::inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(),
                                      IN_MOVED_FROM | IN_MOVED_TO),
                  0);
        main.close();  // stores the twelve placements
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(WritesOf(watch, "Rillo2.ini"), 1);
    ::close(watch);
    QtPlatformServices again(file);
    EXPECT_EQ(again.ReadSetting("Dlgs", "MDIW", ""), "13560");
    EXPECT_EQ(again.ReadSetting("Dlgs", "GridW", ""), "9255");
}

}  // namespace
}  // namespace rillo
