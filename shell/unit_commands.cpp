#include "shell/unit_commands.h"

#include "documents/frm_main_inputs.h"
#include "documents/frm_main_results.h"
#include "engine/table_headings.h"
#include "platform/platform_services.h"
#include "platform/setting.h"
#include "sections/channel_shapes.h"
#include "shell/mdi_main.h"

namespace rillo {

namespace {

// "1" English, "2" SI.
const Setting<QString> kStoredUnits{"User", "Units", QStringLiteral("1")};

// "ft" or "m" inside a caption pattern such as "Start station, %1:".
QString WithLength(const QString& pattern, UnitSystem units) {
    return pattern.arg(units == UnitSystem::English ? "ft" : "m");
}

}  // namespace

UnitSystem ReadStoredUnitSystem(PlatformServices& services) {
    return kStoredUnits.Read(services) == "1" ? UnitSystem::English : UnitSystem::SI;
}

QString DiamWidthCaption(ChannelType type, UnitSystem units) {
    return WithLength(QString::fromUtf8(ShapeOf(type).sizeName) + ", %1:", units);
}

QString SideHeightCaption(UnitSystem units) { return WithLength("Side height, %1:", units); }

void ApplyUnitLabels(FrmMainInputs& inputs, UnitSystem units, ChannelType type) {
    inputs.lblXS1->setText(WithLength("Start station, %1:", units));
    inputs.lblXS2->setText(WithLength("End station, %1:", units));
    inputs.lblQ->setText(units == UnitSystem::English ? "Flowrate, ft^3/s:" : "Flowrate, m^3/s:");
    inputs.lblY1->setText(WithLength("Control depth, %1:", units));
    inputs.lblDiamWidth->setText(DiamWidthCaption(type, units));
}

void ApplyUnitLabels(FrmMainResults& results, UnitSystem units) {
    auto caption = [units](SummaryItem item) { return QString::fromUtf8(SummaryCaption(item, units)); };
    results.lblYN->setText(caption(SummaryItem::NormalDepth));
    results.lblAN->setText(caption(SummaryItem::NormalArea));
    results.lblYC->setText(caption(SummaryItem::CriticalDepth));
    results.lblAC->setText(caption(SummaryItem::CriticalArea));
}

void SetUnitSystem(MDIMain& main, UnitSystem units) {
    AppState& state = main.State();
    state.unitSystem = units;
    main.Menus().mnuEnglish->setChecked(units == UnitSystem::English);
    main.Menus().mnuSI->setChecked(units == UnitSystem::SI);
    if (state.channelType == ChannelType::ElongatedCircular) {
        main.Inputs().lblSides->setText(SideHeightCaption(units));
    }
    ApplyUnitLabels(main.Inputs(), units, state.channelType);
    ApplyUnitLabels(main.Results(), units);
    main.Grid().WriteGridHeadings();
    state.plotCustomised = false;
    kStoredUnits.Write(main.Services(), units == UnitSystem::English ? QStringLiteral("1") : QStringLiteral("2"));
}

}  // namespace rillo
