#pragma once

struct ProblemData;

// Prints the report of the last calculation through the platform's printer,
// line by line. A cancelled print dialog or a printer that fails is told to
// the student in a message box, and the answer is false: the caller must not
// count it as the one print of this calculation.
bool PrintReport(ProblemData &data);
