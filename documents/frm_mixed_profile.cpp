#include "documents/frm_mixed_profile.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

#include "calculators/calculator_controls.h"
#include "calculators/channel_calculator_controls.h"
#include "documents/frm_long_section.h"
#include "documents/print_profile_report.h"
#include "documents/profile_input_messages.h"
#include "documents/report/profile_report.h"
#include "documents/report/table_text.h"
#include "engine/numeric_text.h"
#include "engine/profile_fields.h"
#include "engine/table_headings.h"
#include "platform/error_messages.h"
#include "sections/channel_shapes.h"

namespace rillo {

namespace {

constexpr std::size_t Index(InputField field) {
    return static_cast<std::size_t>(field);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The background of the jump's two rows, the tint of the long section's water.
const QColor kJumpRowColour(0xd6, 0xe6, 0xf8);

// The inputs the window holds: every profile input but the control depth,
// whose place the two end depths take.
bool HeldInWindow(InputField field) {
    return field != InputField::ControlDepth;
}

}  // namespace

FrmMixedProfile::FrmMixedProfile(PlatformServices& services, const MixedProfileOpening& opening,
                                 LongSectionSetup& setup, QWidget* parent)
    : CalculatorDialog(services, parent),
      shape_(opening.profile.channelType),
      units_(opening.profile.units),
      channelName_(opening.channelName),
      setup_(setup) {
    WaitCursor wait(services_);
    BuildControls(opening);
    for (const ProfileField& field : FormFieldsOf(InputField{})) {
        if (HeldInWindow(field.id)) txtInput[Index(field.id)]->setText(Q(opening.profile.inputs.*field.text));
    }
    RegisterResults({lblNormalOutput, lblCriticalOutput, lblStationOutput, lblBeforeOutput, lblAfterOutput,
                     lblLossOutput, lblLengthOutput});
    Clear();
    FinishLoading();
}

void FrmMixedProfile::BuildControls(const MixedProfileOpening& opening) {
    setObjectName("frmMixedProfile");
    setWindowTitle("Mixed Flow Profile");

    Label1 = new QLabel(
        "Rillo will compute the profile of a reach held supercritical at its upstream end (below a gate) "
        "and subcritical at its downstream end (a tailwater), and locate the hydraulic jump between them.",
        this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);

    frmInputs = new QGroupBox(
        QString::fromUtf8(ShapeOf(shape_).displayName.data(), int(ShapeOf(shape_).displayName.size())), this);
    frmInputs->setObjectName("frmInputs");
    auto* inputs = new QGridLayout(frmInputs);
    int row = 0;
    std::vector<QWidget*> tabOrder;
    for (const ProfileField& field : FormFieldsOf(InputField{})) {
        if (!HeldInWindow(field.id)) continue;
        const std::size_t i = Index(field.id);
        const std::string name = std::string("txt") + field.column;
        AddFieldRow(*inputs, row++, lblInput[i], ("lbl" + std::string(field.column)).c_str(), txtInput[i],
                    name.c_str(), frmInputs);
        lblInput[i]->setText(Q(opening.captions[i]));
        BindField(txtInput[i], field.id);
        tabOrder.push_back(txtInput[i]);
    }
    const MixedCaptions captions = MixedProfileCaptions(units_);
    AddFieldRow(*inputs, row++, lblY1, "lblY1", txtY1, "txtY1", frmInputs);
    AddFieldRow(*inputs, row++, lblY2, "lblY2", txtY2, "txtY2", frmInputs);
    lblY1->setText(Q(captions.upstreamDepth));
    lblY2->setText(Q(captions.downstreamDepth));
    txtY1->setToolTip("The supercritical depth entering the reach, below a gate or at the foot of a chute");
    txtY2->setToolTip("The subcritical depth at the end of the reach: the tailwater");
    BindField(txtY1, MixedDepthField::Upstream);
    BindField(txtY2, MixedDepthField::Downstream);
    inputs->setRowStretch(row, 1);

    frmResults = new QGroupBox(this);
    frmResults->setObjectName("frmResults");
    auto* results = new QGridLayout(frmResults);
    int resultRow = AddResultRows(
        *results, 0,
        {
            {lblNormal, "lblNormal", captions.normalDepth, lblNormalOutput, "lblNormalOutput"},
            {lblCritical, "lblCritical", captions.criticalDepth, lblCriticalOutput, "lblCriticalOutput"},
            {lblStation, "lblStation", captions.jumpStation, lblStationOutput, "lblStationOutput"},
            {lblBefore, "lblBefore", captions.jumpUpstreamDepth, lblBeforeOutput, "lblBeforeOutput"},
            {lblAfter, "lblAfter", captions.jumpDownstreamDepth, lblAfterOutput, "lblAfterOutput"},
            {lblLoss, "lblLoss", captions.energyLoss, lblLossOutput, "lblLossOutput"},
            {lblLength, "lblLength", captions.jumpLength, lblLengthOutput, "lblLengthOutput"},
        },
        frmResults);
    lblNote = new QLabel(frmResults);
    lblNote->setObjectName("lblNote");
    lblNote->setWordWrap(true);
    results->addWidget(lblNote, resultRow++, 0, 1, 2);
    results->setRowStretch(resultRow, 1);

    grdMixed = new QTableWidget(this);
    grdMixed->setObjectName("grdMixed");
    grdMixed->setColumnCount(kProfileColumnCount);
    QStringList headings;
    for (int c = 0; c < kProfileColumnCount; ++c) {
        headings << QString::fromUtf8(TableHeading(c, 0, units_).data()) + "\n" +
                        QString::fromUtf8(TableHeading(c, 1, units_).data());
    }
    grdMixed->setHorizontalHeaderLabels(headings);
    grdMixed->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdMixed->setMinimumSize(880, 240);
    // Every heading and every bold text of the jump's rows whole; the last
    // column takes what width is left.
    grdMixed->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdMixed->horizontalHeader()->setStretchLastSection(true);

    auto button = [this](const char* name, const char* caption) {
        return AddCalculatorButton(*this, name, caption);
    };
    cmdCompute = button("cmdCompute", "C&ompute");
    cmdLongSection = button("cmdLongSection", "&Long Section");
    cmdCopy = button("cmdCopy", "Co&py");
    cmdPrint = button("cmdPrint", "P&rint");
    cmdPrintPreview = button("cmdPrintPreview", "Pre&view");
    cmdClose = button("cmdClose", "&Close");
    connect(cmdCompute, &QPushButton::clicked, this, &FrmMixedProfile::ComputeClicked);
    connect(cmdLongSection, &QPushButton::clicked, this, &FrmMixedProfile::ShowLongSection);
    connect(cmdCopy, &QPushButton::clicked, this, &FrmMixedProfile::Copy);
    connect(cmdPrint, &QPushButton::clicked, this, &FrmMixedProfile::Print);
    connect(cmdPrintPreview, &QPushButton::clicked, this, &FrmMixedProfile::PrintPreview);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(frmInputs);
    top->addWidget(frmResults, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdCompute, cmdLongSection, cmdCopy, cmdPrint, cmdPrintPreview})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(top);
    layout->addWidget(grdMixed, 1);
    layout->addLayout(buttons);

    tabOrder.insert(tabOrder.end(),
                    {txtY1, txtY2, cmdCompute, cmdLongSection, cmdCopy, cmdPrint, cmdPrintPreview, cmdClose});
    SetTabOrder(tabOrder);
}

void FrmMixedProfile::Clear() {
    ClearResults();
    lblNote->clear();
    grdMixed->setRowCount(0);
    result_ = {};
    document_.reset();
    for (QPushButton* b : {cmdLongSection, cmdCopy, cmdPrint, cmdPrintPreview}) b->setEnabled(false);
}

void FrmMixedProfile::ComputeClicked() {
    try {
        const std::string y1 = txtY1->text().toStdString();
        const std::string y2 = txtY2->text().toStdString();
        if (const std::optional<CalculatorMessage> refused = RefusedFieldText<MixedDepthField>(
                {{MixedDepthField::Upstream, y1}, {MixedDepthField::Downstream, y2}})) {
            ShowCalculatorMessage(*refused);
            return;
        }
        ProfileInputTexts texts;
        for (const ProfileField& field : FormFieldsOf(InputField{})) {
            if (HeldInWindow(field.id)) texts.*field.text = txtInput[Index(field.id)]->text().toStdString();
        }
        const std::optional<ProfileInputs> ready = CheckProfileInputsShowingMessages(
            services_, texts, shape_, units_, [this](InputField field) { return FieldWidget(field); },
            [this] { txtInput[Index(InputField::SideSlopeOrHeight)]->setText("0"); });
        if (!ready) return;

        MixedProfileResult result;
        {
            WaitCursor wait(services_);
            result = ComputeMixedProfile(*ready, {y1, y2});
        }
        if (result.refusal) {
            CalculatorMessage message;
            message.title = result.refusal->title;
            message.text = result.refusal->text;
            message.focusField = result.refusal->field;
            ShowCalculatorMessage(message);
            return;
        }
        Clear();
        if (result.failure) {
            services_.ShowMessage(Q(result.failure->text), Q(result.failure->title),
                                  MessageIcon::Information);
            return;
        }
        result_ = std::move(result);
        ProfileDocument d;
        static_cast<ProfileInputTexts&>(d) = texts;
        d.sideSlopeOrHeight = txtInput[Index(InputField::SideSlopeOrHeight)]->text().toStdString();
        // Both ends hold the reach: the report's control depth names the two.
        d.controlDepth = FormatFixed3(ReadLeadingSingle(y1)) + " / " + FormatFixed3(ReadLeadingSingle(y2));
        d.channelType = shape_;
        d.unitSystem = units_;
        d.channelName = channelName_;
        const bool jump = result_.jumpInReach();
        const bool drowned = result_.jumpNote == kJumpDrownedNote;
        d.summary = {result_.normalDepth,
                     result_.normalArea,
                     result_.criticalDepth,
                     result_.criticalArea,
                     jump ? "supercritical to subcritical" : (drowned ? "subcritical" : "supercritical"),
                     jump ? result_.upstreamProfileType + " to " + result_.downstreamProfileType
                          : (drowned ? result_.downstreamProfileType : result_.upstreamProfileType)};
        d.table = result_.table;
        document_ = std::move(d);
        ShowResult();
    } catch (const std::exception&) {
        Clear();
        ShowUnexpectedFailureLong(services_);
    }
}

void FrmMixedProfile::ShowResult() {
    const MixedProfileResult& r = result_;
    lblNormalOutput->SetResult(Q(r.normalDepth));
    lblCriticalOutput->SetResult(Q(r.criticalDepth));
    lblStationOutput->SetResult(Q(r.jumpInReach() ? r.jumpStation : "none"));
    lblBeforeOutput->SetResult(Q(r.jumpUpstreamDepth));
    lblAfterOutput->SetResult(Q(r.jumpDownstreamDepth));
    lblLossOutput->SetResult(Q(r.energyLoss));
    lblLengthOutput->SetResult(Q(r.jumpLength));
    QString note;
    if (!r.jumpInReach()) note = "No jump in the reach: " + Q(r.jumpNote) + ".";
    if (!r.earlyEndNote.empty()) note += (note.isEmpty() ? "" : "\n") + Q(r.earlyEndNote);
    lblNote->setText(note);

    grdMixed->setRowCount(static_cast<int>(r.table.size()));
    QFont bold = grdMixed->font();
    bold.setBold(true);
    for (std::size_t row = 0; row < r.table.size(); ++row) {
        const std::string mark = JumpRowMark(r, row);
        const int y = static_cast<int>(row);
        grdMixed->setVerticalHeaderItem(
            y, new QTableWidgetItem(mark.empty() ? QString::number(y + 1) : Q(mark)));
        for (int c = 0; c < kProfileColumnCount; ++c) {
            auto* item = new QTableWidgetItem(Q(r.table[row].cells[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!mark.empty()) {
                item->setFont(bold);
                item->setBackground(kJumpRowColour);
            }
            grdMixed->setItem(y, c, item);
        }
    }
    // Once the rows are laid out, so that a window not yet shown scrolls too.
    if (r.jumpRow) {
        QTimer::singleShot(0, grdMixed, [grid = grdMixed, row = static_cast<int>(*r.jumpRow)] {
            if (QTableWidgetItem* item = grid->item(row, 0)) {
                grid->scrollToItem(item, QAbstractItemView::PositionAtCenter);
            }
        });
    }
    for (QPushButton* b : {cmdLongSection, cmdCopy, cmdPrint, cmdPrintPreview}) b->setEnabled(true);
}

void FrmMixedProfile::ShowLongSection() {
    if (!document_) return;
    FrmLongSection window(
        services_, [this] { return *document_; }, setup_, this);
    window.SetSectionBuilder([row = result_.jumpRow, drowned = result_.jumpNote == kJumpDrownedNote](
                                 const ProfileDocument& d, const LongSectionSetup& s) {
        return BuildMixedLongSection(d, s, row, drowned);
    });
    if (!window.BuildSection()) return;
    window.exec();
    services_.ProcessPendingEvents();
}

void FrmMixedProfile::Copy() {
    if (!document_) return;
    try {
        WaitCursor wait(services_);
        const MixedCaptions c = MixedProfileCaptions(units_);
        const MixedProfileResult& r = result_;
        TextTable copied = {{c.normalDepth, r.normalDepth}, {c.criticalDepth, r.criticalDepth}};
        if (r.jumpInReach()) {
            copied.insert(copied.end(), {{c.jumpStation, r.jumpStation},
                                         {c.jumpUpstreamDepth, r.jumpUpstreamDepth},
                                         {c.jumpDownstreamDepth, r.jumpDownstreamDepth},
                                         {c.energyLoss, r.energyLoss},
                                         {c.jumpLength, r.jumpLength}});
        } else {
            copied.insert(copied.end(), {{c.jumpStation, "none"}, {"Jump:", r.jumpNote}});
        }
        copied.push_back({});
        TextTable table = ProfileTableWithHeadings(*document_);
        for (std::size_t row = 0; row < r.table.size() && row + 2 < table.size(); ++row) {
            const std::string mark = JumpRowMark(r, row);
            if (!mark.empty()) table[row + 2].push_back(mark);
        }
        copied.insert(copied.end(), table.begin(), table.end());
        services_.SetClipboardText(QString::fromStdString(TabSeparatedText(copied)));
    } catch (const std::exception&) {
        ShowUnexpectedFailureShort(services_);
        return;
    }
    services_.ShowMessage(QStringLiteral("The mixed flow profile has been copied to the clipboard.\r"
                                         "You may now paste it into your document."),
                          QStringLiteral("Copy"), MessageIcon::Information);
}

std::vector<std::array<std::string, 3>> FrmMixedProfile::ReportJumpLines() const {
    const MixedProfileResult& r = result_;
    if (!r.jumpInReach()) return {{"Jump: " + r.jumpNote, "", ""}};
    return {{"Jump Station = " + r.jumpStation, "Depth Before = " + r.jumpUpstreamDepth,
             "Depth After = " + r.jumpDownstreamDepth},
            {"Energy Loss = " + r.energyLoss, "Jump Length = " + r.jumpLength + " (estimate)", ""}};
}

void FrmMixedProfile::PrintOn(LinePrinter& printer, int copies) {
    std::optional<std::string> failure;
    {
        WaitCursor wait(services_);
        try {
            const std::vector<ReportLine> lines =
                MixedProfileReportLines(*document_, TodayOnThisComputer(), ReportJumpLines());
            failure = PrintReportLines(printer, lines, copies, [this] { services_.ProcessPendingEvents(); });
        } catch (const std::exception& e) {
            failure = e.what();
        }
    }
    if (failure) {
        ShowSystemError(services_, QStringLiteral("Print Error"),
                        QStringLiteral("The following error occurred while printing:"), Q(*failure));
    }
}

void FrmMixedProfile::Print() {
    if (!document_) return;
    const std::optional<int> copies = services_.AskPrintCopies();
    if (!copies) return;
    std::unique_ptr<LinePrinter> printer = services_.BeginLinePrint();
    PrintOn(*printer, std::max(*copies, 1));
}

void FrmMixedProfile::PrintPreview() {
    if (!document_) return;
    services_.ShowPrintPreview([this](LinePrinter& printer) { PrintOn(printer, 1); });
}

}  // namespace rillo
