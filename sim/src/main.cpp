#include <cstdio>

int main()
{
    std::puts("pocketsim: the scenario runner is being built");
    return 0;
}
