#include <iostream>

#include "VarnexaCli.h"

int main(int argc, char** argv) {
    return RunVarnexaCli(argc, argv, std::cin, std::cout, std::cerr);
}
