#include "shell/new_profile_command.h"

#include "shell/mdi_main.h"
#include "platform/platform_services.h"

namespace rillo {

void NewProfile(MDIMain& main) {
    PlatformServices& services = main.Services();
    WaitCursor wait(services);
    main.setWindowTitle(main.State().baseCaption);
    main.ShowDocumentViews();

    FrmMainInputs& inputs = main.Inputs();
    for (QLineEdit* field : inputs.Fields()) field->clear();
    main.Grid().ClearProfileTable();
    main.Results().ClearProfileSummary();
    main.Grid().WriteGridHeadings();

    services.SetFocus(inputs.txtXS1);
    inputs.txtXS1->setText("0+00.000");
}

}  // namespace rillo
