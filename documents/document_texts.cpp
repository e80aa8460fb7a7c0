#include "documents/document_texts.h"

#include "documents/frm_main_grid.h"
#include "documents/frm_main_inputs.h"
#include "documents/frm_main_results.h"
#include "engine/profile_fields.h"

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
    for (const ProfileField& field : FormFieldsOf(InputField{}))
        texts.*field.text = Utf8(inputs.Field(field.id)->text());
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
    for (const ProfileField& field : FormFieldsOf(InputField{}))
        inputs.Field(field.id)->setText(FromUtf8(document.*field.text));

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
