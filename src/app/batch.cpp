#include "batch.h"

bool IsBatchInvocation(const QStringList &arguments)
{
    return arguments.contains(QStringLiteral("--batch"));
}

int RunBatch(const QStringList &)
{
    return 2;
}
