#pragma once

#include <QString>

#include <functional>

struct CommandLine;
struct ProblemData;

// Draws the diagrams of the calculated problem into a picture file; false
// with the reason in error. The windows provide it: batch mode only asks.
using DiagramsFileWriter = std::function<bool(const QString &path, const ProblemData &data, QString *error)>;

// Batch mode: tarelin --batch FILE [--json] [--report FILE] [--plot FILE].
// Returns the process exit status.
int RunBatch(const CommandLine &command, const DiagramsFileWriter &writeDiagrams = {});
