#include "stores/ui/ExclusionWizardCommand.h"

#include "stores/ui/CExclusion_Wizard.h"
#include "stores/ui/ExclusionSetLoader.h"

void OpenExclusionWizard(QWidget* parent, const ExclusionWizardContext& context)
{
    ExclusionWizardWiring wiring;
    wiring.reloadExclusionSet = [&context](QWidget* window) {
        LoadExclusionSetWithWait(window, context.exclusionSet, context.useExclusionRules,
                                 context.folder, context.prompter);
    };
    wiring.exportNumbers = context.exportNumbers;
    wiring.numberFile = context.numberFile;
    CExclusion_Wizard wizard(context.folder, context.prompter, std::move(wiring), parent);
    wizard.exec();
}
