#pragma once

#include <QString>

// The equilibrium screens as the other screens and the shell reach them.

// Ties the equilibrium screens to each other; run once with the shell.
void InstallEquilibriumScreens();

// The two roads through the equilibrium screens: the first entry (Form2,
// Form3, Form4, Form5) and the change of data after a calculation (Form26,
// Form27, Form25, Form28).
enum class EquilibriumRoad { FirstEntry, Change };

// The design names of the data window and of the diagram editor of each road.
inline QString EquilibriumDataWindowName(EquilibriumRoad road)
{
    return road == EquilibriumRoad::FirstEntry ? QStringLiteral("Form2") : QStringLiteral("Form26");
}
inline QString EquilibriumEditorName(EquilibriumRoad road)
{
    return road == EquilibriumRoad::FirstEntry ? QStringLiteral("Form4") : QStringLiteral("Form25");
}

// The diagram editor Form4 of the first-entry road, drawn and shown; the
// feed-condition window goes back to it to correct the curve.
void OpenEquilibriumEditor();

// The change road's editor Form25 with only its two choice buttons:
// correct the table in place or type a new one.
void OpenEquilibriumChangeEditor();

// A completely new table typed on Form26 (the change road), ending with its
// control table.
void EnterNewEquilibriumData();

// Loads the data-entry window Form2 with its caption "   ВВОД ИСХОДНОЙ
// ИНФОРМАЦИИ", its buttons, list and labels hidden, and shows it over the
// start screen while the identity is asked.
void PrepareEquilibriumWindow();

// Equilibrium data entry on Form2, right after the identity prompts.
void EnterEquilibriumData();

// The control table Form2 of a table typed earlier (a problem opened from a
// file), shown as right after its last value was typed.
void ShowTypedEquilibriumTable();
