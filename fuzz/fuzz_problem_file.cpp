// Problem files: any bytes must be either refused with a message or loaded
// into a consistent state; never a crash, a hang or undefined behaviour. A
// problem that opens is saved, and the saved file opens as the same problem.
#include "engine/problem_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    ProblemData data;
    const ProblemFileResult result =
        LoadProblem(QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size)), data);
    if (!result.ok && result.error.isEmpty())
        std::abort(); // a refusal always says why
    if (!result.opens && result.russianError.isEmpty())
        std::abort(); // and says it to the student too
    if (result.opens) {
        const QByteArray saved = SaveProblem(data);
        ProblemData reopened;
        if (!LoadProblem(saved, reopened).opens || SaveProblem(reopened) != saved)
            std::abort();
    }
    return 0;
}
