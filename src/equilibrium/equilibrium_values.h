#pragma once

#include <QString>

struct ProblemData;

inline constexpr int MinEquilibriumPoints = 8;

// The columns of a point: composition of the liquid, of the vapour, and the
// boiling temperature.
enum EquilibriumColumn { XColumn = 1, YColumn = 2, TColumn = 3 };

// Stores a typed value of point i: the text after NormalizeDecimal and its
// number. A value outside its range, or no number at all, beeps and is kept
// as "???" with the number 0, for the table check to report.
void StoreEquilibriumValue(ProblemData &data, int i, int column, const QString &typed);

// The numbers of point i read again from its texts ("???" reads as 0).
void RereadEquilibriumPoint(ProblemData &data, int i);

// The text of a value of point i (column 1..3).
QString EquilibriumValueText(const ProblemData &data, int i, int column);
