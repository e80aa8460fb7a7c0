#include "documents/document_texts.h"

#include <gtest/gtest.h>

#include "documents/frm_main_grid.h"
#include "documents/frm_main_inputs.h"
#include "documents/frm_main_results.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

class DocumentTextsTest : public ::testing::Test {
protected:
    FrmMainInputs inputs;
    FrmMainResults results;
    FrmMainGrid grid{[] { return UnitSystem::English; }};
};

TEST_F(DocumentTextsTest, WrittenTextsReadBackUnchanged) {
    const ProfileDocument document = testing::ComputeSampleDocument(
        testing::SampleTexts(ChannelType::ElongatedCircular), ChannelType::ElongatedCircular, UnitSystem::SI);
    ASSERT_GT(document.table.size(), 2u);
    WriteDocumentTexts(document, inputs, results, grid);

    const ProfileDocument back = ReadDocumentTexts(inputs, results, grid);
    EXPECT_EQ(back.startStation, document.startStation);
    EXPECT_EQ(back.endStation, document.endStation);
    EXPECT_EQ(back.flowrate, document.flowrate);
    EXPECT_EQ(back.widthOrDiameter, document.widthOrDiameter);
    EXPECT_EQ(back.manningN, document.manningN);
    EXPECT_EQ(back.bottomSlope, document.bottomSlope);
    EXPECT_EQ(back.controlDepth, document.controlDepth);
    EXPECT_EQ(back.sideSlopeOrHeight, document.sideSlopeOrHeight);
    EXPECT_EQ(back.summary.normalDepth, document.summary.normalDepth);
    EXPECT_EQ(back.summary.profileType, document.summary.profileType);
    ASSERT_EQ(back.table.size(), document.table.size());
    for (size_t i = 0; i < back.table.size(); ++i) EXPECT_EQ(back.table[i].cells, document.table[i].cells);
}

TEST_F(DocumentTextsTest, WritingEmptiesTheRowsOfAnEarlierProfile) {
    for (int row = 2; row < 40; ++row) grid.SetCellText(row, 0, "9+99.000");
    ProfileDocument document;
    document.table.resize(3);
    for (ProfileRow& row : document.table) row.cells[0] = "0+50.000";
    WriteDocumentTexts(document, inputs, results, grid);
    EXPECT_EQ(grid.CellText(4, 0), "0+50.000");
    EXPECT_EQ(grid.CellText(5, 0), "");
    EXPECT_EQ(ReadDocumentTexts(inputs, results, grid).table.size(), 3u);
}

TEST_F(DocumentTextsTest, TheTableEndsAtTheFirstEmptyStation) {
    grid.SetCellText(2, 0, "0+00.000");
    grid.SetCellText(3, 0, "");
    grid.SetCellText(3, 1, "1.000");  // a value without its station is not a row
    grid.SetCellText(4, 0, "0+10.000");
    EXPECT_EQ(ReadDocumentTexts(inputs, results, grid).table.size(), 1u);
}

TEST_F(DocumentTextsTest, RowsPastTheGridAreLeftOut) {
    ProfileDocument document;
    document.table.resize(120);
    for (ProfileRow& row : document.table) row.cells[0] = "1+00.000";
    WriteDocumentTexts(document, inputs, results, grid);
    EXPECT_EQ(ReadDocumentTexts(inputs, results, grid).table.size(), 98u);
}

TEST_F(DocumentTextsTest, AFailedComputationWritesOnlyWhatItProduced) {
    ProfileResult partial;
    partial.summary.criticalDepth = "1.329";
    partial.controlDepthText = "1.329";
    partial.table.resize(1);
    partial.table[0].cells[0] = "10+00.000";
    partial.table[0].cells[1] = "1.329";
    partial.failure = ProfileFailure{"Invalid Channel Geometry", "..."};
    results.lblFlowType->setText("kept");
    WriteProfileResult(partial, inputs, results, grid);
    EXPECT_EQ(results.lblCriticalDepth->text(), "1.329");
    EXPECT_EQ(results.lblFlowType->text(), "kept");
    EXPECT_EQ(inputs.txtYCont->text(), "1.329");
    EXPECT_EQ(grid.CellText(2, 1), "1.329");
    EXPECT_EQ(grid.CellText(2, 2), "");
}

TEST_F(DocumentTextsTest, TextsKeepCharactersBeyondAscii) {
    ProfileDocument document;
    document.flowrate = "12,5 m³/s";
    WriteDocumentTexts(document, inputs, results, grid);
    EXPECT_EQ(inputs.txtQ->text(), QString::fromUtf8("12,5 m³/s"));
    EXPECT_EQ(ReadDocumentTexts(inputs, results, grid).flowrate, "12,5 m³/s");
}

}  // namespace
}  // namespace rillo
