#include "shell/input_field_rules.h"

#include "documents/frm_main_inputs.h"
#include "platform/enter_navigation_filter.h"
#include "platform/numeric_field_filter.h"

namespace rillo {

void AttachInputFieldRules(FrmMainInputs& inputs, PlatformServices& services,
                           std::function<ChannelType()> channelType) {
    AttachNumericField(*inputs.txtXS1, services, NumericFieldKind::FreeText);
    AttachNumericField(*inputs.txtXS2, services, NumericFieldKind::FreeText);
    AttachNumericField(*inputs.txtQ, services, NumericFieldKind::PositiveNumber);
    AttachNumericField(*inputs.txtD, services, NumericFieldKind::PositiveNumber);
    AttachNumericField(*inputs.txtRN, services, NumericFieldKind::PositiveNumber);
    AttachNumericField(*inputs.txtSO, services, NumericFieldKind::SignedNumber);  // slopes may be negative
    AttachNumericField(*inputs.txtYCont, services, NumericFieldKind::PositiveNumber);
    AttachNumericField(*inputs.txtSlope, services, NumericFieldKind::PositiveNumber);

    FrmMainInputs* view = &inputs;
    AttachEnterNavigation(inputs, services,
                          [view, channelType = std::move(channelType)](QWidget* from) -> QWidget* {
                              if (from == view->txtSlope) return view->txtXS1;
                              if (from == view->txtYCont) {
                                  const ChannelType type = channelType();
                                  if (type == ChannelType::Circular || type == ChannelType::UShaped)
                                      return view->txtXS1;
                              }
                              return nullptr;
                          });
}

}  // namespace rillo
