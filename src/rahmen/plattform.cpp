#include "rahmen/plattform.h"

#include <stdexcept>

namespace {
Plattform* aktuellePlattform = nullptr;
}

Plattform& plattform() {
    if (!aktuellePlattform) throw std::logic_error("keine Plattform gesetzt");
    return *aktuellePlattform;
}

void setzePlattform(Plattform* p) { aktuellePlattform = p; }
