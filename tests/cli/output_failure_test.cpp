#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/output_check.h"
#include "tests/cli/cli_runner.h"

namespace rillo::testing {
namespace {

namespace fs = std::filesystem;

// Every subcommand, in each of its output forms, and the help.
std::vector<std::vector<std::string>> EveryCommand() {
    // A file of each test's own: the tests may run at the same time.
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const fs::path file =
        fs::path(::testing::TempDir()) / ("output_failure_" + test.substr(test.rfind('/') + 1) + ".flo");
    std::ofstream(file, std::ios::binary) << RunRilloCli(With(kWorkedExample, {"--format", "flo"})).out;
    const fs::path cases = fs::path(file).replace_extension(".csv");
    std::ofstream(cases, std::ios::binary) << "flow,width,n,slope,side,end\n100,10,0.013,0.001,2,10+00.000\n";
    return {kWorkedExample,
            {"batch", cases.string()},
            With(kWorkedExample, {"--format", "tsv"}),
            With(kWorkedExample, {"--format", "flo"}),
            {"show", file.string()},
            {"show", file.string(), "--format", "tsv"},
            {"--help"}};
}

// The ends an output can meet: a full disk, a pipe nobody reads any more, a
// descriptor that is not open. Each gives the descriptor to write to.
struct Ending {
    const char* name;
    int (*open)();
    const char* description;
};

int FullDisk() {
    return ::open("/dev/full", O_WRONLY | O_CLOEXEC);
}

int BrokenPipe() {
    int ends[2];
    if (::pipe(ends) != 0) return -1;
    ::close(ends[0]);
    return ends[1];
}

// A number far above the descriptors the process opens, so no file the
// command reads can take it.
int ClosedDescriptor() {
    constexpr int kUnused = 987;
    return ::fcntl(kUnused, F_GETFD) == -1 ? kUnused : -1;
}

class OutputFailureTest : public ::testing::TestWithParam<Ending> {};

TEST_P(OutputFailureTest, EveryCommandReportsItAndExitsOne) {
    const Ending ending = GetParam();
    for (const std::vector<std::string>& args : EveryCommand()) {
        const int fd = ending.open();
        ASSERT_GE(fd, 0);
        std::ostringstream err;
        const int status = cli::RunCliWithOutputTo(fd, args, err);
        if (ending.open != ClosedDescriptor) ::close(fd);
        EXPECT_EQ(status, 1) << args[0] << " " << args.back();
        EXPECT_NE(err.str().find(std::string("rillo-cli: cannot write the output: ") + ending.description),
                  std::string::npos)
            << args[0] << " " << args.back() << ": " << err.str();
    }
}

INSTANTIATE_TEST_SUITE_P(Endings, OutputFailureTest,
                         ::testing::Values(Ending{"FullDisk", FullDisk, "No space left on device"},
                                           Ending{"BrokenPipe", BrokenPipe, "Broken pipe"},
                                           Ending{"ClosedDescriptor", ClosedDescriptor,
                                                  "Bad file descriptor"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OutputCheck, OutputThatIsWrittenKeepsTheCommandsStatus) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::ostringstream err;
    // A refused input: nothing on the output, the usage status.
    EXPECT_EQ(cli::RunCliWithOutputTo(ends[1], {"profile", "--end", "1+00.000"}, err), 2);
    EXPECT_EQ(cli::RunCliWithOutputTo(ends[1], kWorkedExample, err), 0);
    ::close(ends[1]);
    std::string written;
    char buffer[4096];
    for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) > 0;) written.append(buffer, std::size_t(n));
    ::close(ends[0]);
    EXPECT_EQ(written, RunRilloCli(kWorkedExample).out);
    EXPECT_EQ(err.str().find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace rillo::testing
