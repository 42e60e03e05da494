// trevo-sim: the game without a display, driven by a script.
#include <iostream>
#include <string>
#include <vector>

#include "sim/lauf.h"
#include "sim/trevosim.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    return trevoSim(argumente, std::cin, std::cout, std::cerr);
}
