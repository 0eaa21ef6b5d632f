#include <device/faults.h>

namespace {
std::vector<std::string> faults;
}

namespace device {

void ReportFault(const std::string& description) { faults.push_back(description); }

std::vector<std::string> TakeFaults()
{
    std::vector<std::string> taken;
    taken.swap(faults);
    return taken;
}

}  // namespace device
