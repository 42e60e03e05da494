// The full farm the benchmarks measure: four full herds of grown animals
// breeding and giving their product, all five fields leased and growing,
// the feed silo never empty.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "geld/geldtext.h"

#include "fields/feld.h"
#include "fields/felderform.h"
#include "goods/stores.h"
#include "livestock/arten.h"

inline void hofFuellen() {
    for (TtierForm* h : {static_cast<TtierForm*>(KueheForm), static_cast<TtierForm*>(SchweineForm),
                         static_cast<TtierForm*>(HuenerForm), static_cast<TtierForm*>(SchafForm)}) {
        h->setzeMaxMenge(TtierForm::maxTiere);
        for (int32_t i = 1; i <= TtierForm::maxTiere; ++i)
            h->gewicht[static_cast<std::size_t>(i)] = static_cast<int16_t>(h->ausgewachsen);
        h->MehrenCB.checked = true;
        h->GebenCB.checked = h->GebenCB.visible;
        h->setzeMenge(0);
    }
    FutterForm->setzeMaxMenge(1000000000);
    FutterForm->setzeMenge(1000000000);
    for (std::size_t i = 1; i < FelderForm->felder.size() && FelderForm->felder[i]; ++i) {
        // Winter wheat: it outlasts a March frost, which would ask the player.
        FelderForm->felder[i]->was = weizen;
        FelderForm->felder[i]->wachs = 100;
    }
}

// A directory of the benchmark's own under /tmp, removed with everything in
// it at the end; the texts with the decimal comma, as a German player sees them.
class BenchVerzeichnis {
public:
    BenchVerzeichnis() {
        char muster[] = "/tmp/trevo-bench-XXXXXX";
        pfad = mkdtemp(muster);
        dezimalTrenner = ",";
    }
    ~BenchVerzeichnis() {
        std::error_code ec;
        std::filesystem::remove_all(pfad, ec);
    }
    BenchVerzeichnis(const BenchVerzeichnis&) = delete;
    BenchVerzeichnis& operator=(const BenchVerzeichnis&) = delete;

    std::filesystem::path pfad;
};
