// trevo-sim, the game without a display, as a function.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The whole program: "trevo-sim [--dir DIR] [SCRIPT]". Returns the exit
// status: 0 done, 1 the save file could not be written or the run failed,
// 2 a bad command line or script (nothing run, nothing written), 3 another
// game runs on the save file (nothing run, nothing written).
int trevoSim(const std::vector<std::string>& argumente, std::istream& ein, std::ostream& aus,
             std::ostream& fehler);
