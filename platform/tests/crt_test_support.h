// Helpers the runtime's tests share.
#pragma once

#include <string>
#include <vector>

#include <device/faults.h>

// Takes the device faults that mention TEXT and leaves the others for the
// fixture to judge.
inline std::vector<std::string> TakeFaultsMentioning(const std::string& text)
{
    std::vector<std::string> taken;
    for (std::string& fault : device::TakeFaults()) {
        if (fault.find(text) != std::string::npos) taken.push_back(fault);
        else device::ReportFault(fault);
    }
    return taken;
}
