#pragma once

#include "model/problem_data.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// Reading the answers of a problem file into the problem state, in the order
// of the first-entry road, as the prompts take them: every value through the
// rule of typed values, names proper-cased. Nothing is sorted or checked
// here. A value the file cannot give is refused (problem_json.h).

// What the student declares with "СИСТЕМА АЗЕОТРОПНА", used only when the
// detection finds nothing.
using DeclaredAzeotrope = std::optional<QString>;

// The format the file says it has; a file of a newer program is refused.
int ReadProblemFileFormat(const QJsonObject &root);
// Whether the file holds an unfinished problem.
bool ReadUnfinishedMark(const QJsonObject &root);
// The data sets of the file, up to the last one typed in an unfinished file;
// each step read is marked typed.
DeclaredAzeotrope ReadTypedDataSets(const QJsonObject &root, ProblemData &data, bool unfinished);
