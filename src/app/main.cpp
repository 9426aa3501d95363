#include <cstdio>

int main() {
    std::puts("Ezo");
    return 0;
}
