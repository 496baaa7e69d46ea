// Problem files: any bytes must be either refused with a message or loaded
// into a consistent state; never a crash, a hang or undefined behaviour.
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
    return 0;
}
