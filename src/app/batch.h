#pragma once

struct CommandLine;

// Batch mode: tarelin --batch FILE [--json] [--report FILE]. Returns the
// process exit status.
int RunBatch(const CommandLine &command);
