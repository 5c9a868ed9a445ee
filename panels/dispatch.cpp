#include "panels/dispatch.h"

#include "core/failure.h"

#include <exception>

namespace vorantis {

std::string runClick(const Procedure& procedure, Form& form)
{
    const std::string panel(procedure.panel);
    try {
        procedure.run(form);
        return {};
    } catch (const Failure& failure) {
        return panel + ": " + failure.what();
    } catch (const std::exception& unexpected) {
        // Not a failure of the arithmetic but of the program; the user's fields still stand.
        return panel + ": something went wrong (" + unexpected.what() + ")";
    }
}

} // namespace vorantis
