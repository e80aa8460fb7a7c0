#include <gtest/gtest.h>

#include <string>

#include "documents/format/profile_file_reader.h"
#include "documents/format/profile_file_writer.h"

namespace rillo {
namespace {

// Inputs the profile-file fuzzer turned up, reduced to what matters.

std::string FileWithSummaryLine(const std::string& summary) {
    return "TRAPEZOIDAL CHANNEL\r\nEnglish Units\r\nx\r\n\r\n1000 100 10 0.013 0.001 1.329 2\r\n\r\n" + summary +
           "\r\n\r\n\r\n10+00.000 1.329 1.878 16.817 5.946 15.315 28.857\r\n"
           "0+00.000 1.702 2.000 22.808 4.384 16.807 31.379\r\n";
}

// A summary value below 0.0005 shows as "0.000"; saved so, it opens again as
// "----", the mark of a missing value. Saving and opening once more is stable.
TEST(ProfileFileFuzzFindings, SummaryValueThatRoundsToZeroOpensAgainAsDashes) {
    ProfileReadResult first = ReadProfileText(FileWithSummaryLine(" 1.721  .00038  1.329  16.817  ~ downstream"));
    ASSERT_TRUE(first.ok()) << first.reason;
    EXPECT_EQ(first.document.summary.normalArea, "0.000");
    EXPECT_EQ(first.document.summary.flowType, "~ downstream");  // not the older word itself: kept as it stands

    ProfileReadResult second = ReadProfileText(ProfileFileText(first.document));
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(second.document.summary.normalArea, "----");
    ProfileReadResult third = ReadProfileText(ProfileFileText(second.document));
    ASSERT_TRUE(third.ok());
    EXPECT_EQ(ProfileFileText(third.document), ProfileFileText(second.document));
}

}  // namespace
}  // namespace rillo
