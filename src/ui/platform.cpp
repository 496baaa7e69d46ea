#include "platform.h"

namespace {
Platform *current = nullptr;
}

Platform &platform()
{
    Q_ASSERT(current);
    return *current;
}

Platform *setPlatform(Platform *next)
{
    Platform *previous = current;
    current = next;
    return previous;
}

void Platform::endProgram()
{
    if (!ended) {
        ended = true;
        if (closeWindows)
            closeWindows();
        leaveEventLoop();
    }
    throw ProgramEnded();
}

void Platform::throwIfEnded() const
{
    if (ended)
        throw ProgramEnded();
}

void EndProgram()
{
    platform().endProgram();
}
