#include "setup_operation.h"

std::string BooleanResultText(BOOL result)
{
    if (result == TRUE) return "TRUE";
    if (result == FALSE) return "FALSE";
    return std::to_string(result);
}
