#include "equilibrium_data_window.h"
#include "equilibrium_editor.h"
#include "equilibrium_screens.h"

#include "ui/form_base.h"

void InstallEquilibriumScreens()
{
    InstallEquilibriumEditorExits({ShowFaultyEquilibriumTable, EnterNewEquilibriumData});
}

void PrepareEquilibriumWindow()
{
    EquilibriumDataWindowOf(EquilibriumRoad::FirstEntry)->prepare();
}

void EnterEquilibriumData()
{
    EquilibriumDataWindowOf(EquilibriumRoad::FirstEntry)->enterData();
}

void EnterNewEquilibriumData()
{
    EquilibriumDataWindow *window = EquilibriumDataWindowOf(EquilibriumRoad::Change);
    CloseOtherForms();
    window->enterData();
}

void OpenEquilibriumEditor()
{
    OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
}

void OpenEquilibriumChangeEditor()
{
    auto *editor = FindForm<EquilibriumEditor>(EquilibriumEditorName(EquilibriumRoad::Change));
    if (!editor)
        editor = new EquilibriumEditor(EquilibriumRoad::Change);
    CloseOtherForms();
    editor->openForChoice();
}
