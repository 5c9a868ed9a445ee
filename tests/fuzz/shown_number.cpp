#include "tests/fuzz/shown_number.h"

#include "core/convert.h"
#include "core/failure.h"

namespace vorantis::fuzz {

std::string shownNumberProblem(std::string_view text)
{
    if (text == "Infinity" || text == "-Infinity")
        return {};
    // The doubles between 1.797693134862315E+308 and the largest one round up to this text,
    // which lies beyond the largest double itself.
    const bool topOfRange = text == "1.79769313486232E+308" || text == "-1.79769313486232E+308";
    try {
        const double value = TextToDouble(text);
        if (topOfRange)
            return "reads back although it lies beyond the largest double";
        const std::string again = DoubleToText(value);
        if (again != text)
            return "reads back as " + again;
        return {};
    } catch (const Failure& failure) {
        if (topOfRange && failure.kind() == FailureKind::OutOfRange)
            return {};
        return std::string("does not read back: ") + failure.what();
    }
}

} // namespace vorantis::fuzz
