#include "ui/musik/tongeraet.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A socket that a sound server answers on; the socket a crashed server left
// behind does not count.
bool serverAntwortet(const std::string& pfad) {
    sockaddr_un adresse{};
    if (pfad.empty() || pfad.size() >= sizeof adresse.sun_path) return false;
    adresse.sun_family = AF_UNIX;
    std::memcpy(adresse.sun_path, pfad.c_str(), pfad.size() + 1);
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) return false;
    const bool ok = ::connect(s, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse) == 0;
    ::close(s);
    return ok;
}

bool pulseErreichbar() {
    if (const char* server = std::getenv("PULSE_SERVER"); server && *server) return true;
    const char* laufzeit = std::getenv("XDG_RUNTIME_DIR");
    const std::string sitzung =
        laufzeit && *laufzeit ? std::string(laufzeit) : "/run/user/" + std::to_string(::getuid());
    return serverAntwortet(sitzung + "/pulse/native") || serverAntwortet("/var/run/pulse/native");
}

}  // namespace

bool tonGeraetErreichbar() { return pulseErreichbar(); }
