#pragma once

#include <QStringList>

// Batch mode: tarelin --batch FILE [--json] [--report FILE]. Returns the
// process exit status.
bool IsBatchInvocation(const QStringList &arguments);
int RunBatch(const QStringList &arguments);
