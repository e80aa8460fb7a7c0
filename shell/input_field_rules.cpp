#include "shell/input_field_rules.h"

#include "documents/frm_main_inputs.h"
#include "platform/enter_navigation_filter.h"
#include "engine/profile_fields.h"
#include "platform/numeric_field_filter.h"

namespace rillo {

void AttachInputFieldRules(FrmMainInputs& inputs, PlatformServices& services,
                           std::function<ChannelType()> channelType) {
    for (const ProfileField& field : FormFieldsOf(InputField{}))
        AttachNumericField(*inputs.Field(field.id), services, NumericFieldKindOf(field.keys));

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
