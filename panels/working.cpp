#include "panels/working.h"

namespace vorantis {

std::string explain(const Click& click)
{
    return std::string(click.procedure->control) + (click.failure.empty() ? "" : ": " + click.failure);
}

} // namespace vorantis
