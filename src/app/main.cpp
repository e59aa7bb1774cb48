#include <cstdio>

int main() {
    std::puts("TRB 1.6");
    return 0;
}
