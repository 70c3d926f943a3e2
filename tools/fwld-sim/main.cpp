#include <cstdio>

int main()
{
    std::fputs("Incorrect usage:\n", stdout);
    return 2;
}
