#include <objbase.h>

#include <thread>

#include "fresh_device.h"

using ComRuntimeTest = FreshDevice;

TEST_F(ComRuntimeTest, InterlockedOperationsReturnTheNewValueOrTheOldOne)
{
    LONG volatile value = 5;
    EXPECT_EQ(InterlockedIncrement(&value), 6);
    EXPECT_EQ(InterlockedDecrement(&value), 5);
    EXPECT_EQ(InterlockedCompareExchange(&value, 9, 4), 5) << "a different comparand leaves the value";
    EXPECT_EQ(value, 5);
    EXPECT_EQ(InterlockedCompareExchange(&value, 9, 5), 5) << "a matching comparand swaps";
    EXPECT_EQ(value, 9);
}

TEST_F(ComRuntimeTest, InterlockedCountingLosesNoUpdateBetweenThreads)
{
    LONG volatile count = 0;
    const int perThread = 200000;
    auto work = [&] {
        for (int i = 0; i < perThread; ++i) {
            InterlockedIncrement(&count);
            InterlockedIncrement(&count);
            InterlockedDecrement(&count);
        }
    };
    std::thread first(work), second(work);
    first.join();
    second.join();
    EXPECT_EQ(count, 2 * perThread);
}

TEST_F(ComRuntimeTest, InitialisationIsCountedUntilTheLastUninitialise)
{
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "already initialised";
    CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "one initialisation still open";
    CoUninitialize();
    CoUninitialize();
    CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    int reserved = 0;
    EXPECT_EQ(CoInitializeEx(&reserved, COINIT_MULTITHREADED), E_INVALIDARG);
}
