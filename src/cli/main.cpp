#include <cstdio>

int main()
{
    std::fputs("usage: gridwright-cli generate|list|show ...\n", stderr);
    return 2;
}
