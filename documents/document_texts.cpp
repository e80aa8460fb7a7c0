#include "documents/document_texts.h"

#include "documents/frm_main_grid.h"
#include "documents/frm_main_inputs.h"
#include "documents/frm_main_results.h"

#include <array>
#include <utility>

namespace rillo {

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }
QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Each summary text with the label that shows it.
template <typename Summary, typename Results>
auto SummaryLabels(Summary& summary, Results& results) {
    using Text = decltype((summary.normalDepth));
    return std::array<std::pair<Text, QLabel*>, 6>{{
        {summary.normalDepth, results.lblNormalDepth},
        {summary.normalArea, results.lblNormalArea},
        {summary.criticalDepth, results.lblCriticalDepth},
        {summary.criticalArea, results.lblCriticalArea},
        {summary.flowType, results.lblFlowType},
        {summary.profileType, results.lblProfileType},
    }};
}

void WriteRows(const ProfileTable& table, FrmMainGrid& grid) {
    int row = FrmMainGrid::kFirstDataRow;
    for (const ProfileRow& values : table) {
        if (row >= grid.grdFlowData->rowCount()) break;
        for (int col = 0; col < kProfileColumnCount; ++col) {
            grid.SetCellText(row, col, FromUtf8(values.cells[static_cast<size_t>(col)]));
        }
        ++row;
    }
}

}  // namespace

ProfileInputTexts ReadInputTexts(const FrmMainInputs& inputs) {
    ProfileInputTexts texts;
    texts.startStation = Utf8(inputs.txtXS1->text());
    texts.endStation = Utf8(inputs.txtXS2->text());
    texts.flowrate = Utf8(inputs.txtQ->text());
    texts.widthOrDiameter = Utf8(inputs.txtD->text());
    texts.manningN = Utf8(inputs.txtRN->text());
    texts.bottomSlope = Utf8(inputs.txtSO->text());
    texts.controlDepth = Utf8(inputs.txtYCont->text());
    texts.sideSlopeOrHeight = Utf8(inputs.txtSlope->text());
    return texts;
}

ProfileDocument ReadDocumentTexts(const FrmMainInputs& inputs, const FrmMainResults& results,
                                  const FrmMainGrid& grid) {
    ProfileDocument document;
    static_cast<ProfileInputTexts&>(document) = ReadInputTexts(inputs);

    for (auto& [text, label] : SummaryLabels(document.summary, results)) text = Utf8(label->text());

    for (int row = FrmMainGrid::kFirstDataRow; row < grid.grdFlowData->rowCount(); ++row) {
        if (grid.CellText(row, kStationColumn).isEmpty()) break;
        ProfileRow values;
        for (int col = 0; col < kProfileColumnCount; ++col) {
            values.cells[static_cast<size_t>(col)] = Utf8(grid.CellText(row, col));
        }
        document.table.push_back(std::move(values));
    }
    return document;
}

void WriteDocumentTexts(const ProfileDocument& document, FrmMainInputs& inputs, FrmMainResults& results,
                        FrmMainGrid& grid) {
    inputs.txtXS1->setText(FromUtf8(document.startStation));
    inputs.txtXS2->setText(FromUtf8(document.endStation));
    inputs.txtQ->setText(FromUtf8(document.flowrate));
    inputs.txtD->setText(FromUtf8(document.widthOrDiameter));
    inputs.txtRN->setText(FromUtf8(document.manningN));
    inputs.txtSO->setText(FromUtf8(document.bottomSlope));
    inputs.txtYCont->setText(FromUtf8(document.controlDepth));
    inputs.txtSlope->setText(FromUtf8(document.sideSlopeOrHeight));

    for (auto& [text, label] : SummaryLabels(document.summary, results)) label->setText(FromUtf8(text));

    grid.ClearProfileTable();
    WriteRows(document.table, grid);
}

void WriteProfileResult(const ProfileResult& result, FrmMainInputs& inputs, FrmMainResults& results,
                        FrmMainGrid& grid) {
    for (auto& [text, label] : SummaryLabels(result.summary, results)) {
        if (!text.empty()) label->setText(FromUtf8(text));
    }
    if (result.controlDepthText) inputs.txtYCont->setText(FromUtf8(*result.controlDepthText));
    WriteRows(result.table, grid);
}

}  // namespace rillo
