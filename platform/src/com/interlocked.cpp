// The interlocked operations: real atomic read-modify-write, full barrier.
#include <winbase.h>

LONG WINAPI InterlockedIncrement(LONG volatile* lpAddend) { return __atomic_add_fetch(lpAddend, 1, __ATOMIC_SEQ_CST); }

LONG WINAPI InterlockedDecrement(LONG volatile* lpAddend) { return __atomic_sub_fetch(lpAddend, 1, __ATOMIC_SEQ_CST); }

LONG WINAPI InterlockedCompareExchange(LONG volatile* Destination, LONG Exchange, LONG Comperand)
{
    LONG initial = Comperand;
    __atomic_compare_exchange_n(Destination, &initial, Exchange, false, __ATOMIC_SEQ_CST, __ATOMIC_SEQ_CST);
    return initial;
}
