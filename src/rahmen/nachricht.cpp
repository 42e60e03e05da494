#include "rahmen/nachricht.h"

std::string einsetzen(std::string_view muster, const std::vector<std::string>& werte) {
    std::string text;
    text.reserve(muster.size());
    for (std::size_t i = 0; i < muster.size(); ++i) {
        const char c = muster[i];
        if (c == '%' && i + 1 < muster.size() && muster[i + 1] >= '1' && muster[i + 1] <= '9') {
            const auto nr = static_cast<std::size_t>(muster[i + 1] - '1');
            if (nr < werte.size()) {
                text += werte[nr];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}
