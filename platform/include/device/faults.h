// Situations a real device would leave hanging (a modal nobody answers) are
// reported here instead, for the test or scenario to fail on.
#pragma once

#include <string>
#include <vector>

namespace device {

void ReportFault(const std::string& description);
std::vector<std::string> TakeFaults();

}  // namespace device
