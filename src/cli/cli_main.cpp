// kovrin-cli: the command line without Qt.
#include <cstdio>

int main()
{
    std::puts("Kovrin v0.61 BETA");
    return 0;
}
