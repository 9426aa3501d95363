// make_demo_device OUT_DIR: fills OUT_DIR with the demo device's folders and
// generated pictures.
#include <cstdio>
#include <string>

#include "demo/demo_device.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_device OUT_DIR\n");
        return 2;
    }
    std::string error;
    if (!demo::MakeDemoDevice(argv[1], &error)) {
        std::fprintf(stderr, "make_demo_device: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
