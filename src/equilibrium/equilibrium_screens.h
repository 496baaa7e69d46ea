#pragma once

// The equilibrium screens as the other screens reach them. The first-entry
// road starts with PrepareEquilibriumWindow and EnterEquilibriumData of
// app/flow.h.

// The two roads through the equilibrium screens: the first entry (Form2,
// Form3, Form4, Form5) and the change of data after a calculation (Form26,
// Form27, Form25, Form28).
enum class EquilibriumRoad { FirstEntry, Change };

// The diagram editor Form4 of the first-entry road, drawn and shown; the
// feed-condition window goes back to it to correct the curve.
void OpenEquilibriumEditor();

// The change road's editor Form25 with only its two choice buttons:
// correct the table in place or type a new one.
void OpenEquilibriumChangeEditor();

// A completely new table typed on Form26 (the change road), ending with its
// control table.
void EnterNewEquilibriumData();
