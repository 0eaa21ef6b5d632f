// Every test starts on a fresh device of its own and fails if the device was
// left with a fault nobody expected (an unanswered message box, ...).
#pragma once

#include <gtest/gtest.h>

#include <device/device.h>
#include <device/faults.h>

class FreshDevice : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(device::CreateFresh()); }

    void TearDown() override
    {
        for (const std::string& fault : device::TakeFaults()) ADD_FAILURE() << "device fault: " << fault;
        device::Close();
    }
};
