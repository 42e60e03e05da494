#include "ui/klangspieler.h"

#include <QCoreApplication>
#include <QFile>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

#ifdef __has_feature
#if __has_feature(address_sanitizer)
#define TREVO_MIT_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(TREVO_MIT_ASAN)
#include <sanitizer/lsan_interface.h>
#define TREVO_LECKS_PRUEFEN() __lsan_do_leak_check()
#else
#define TREVO_LECKS_PRUEFEN() ((void)0)
#endif

namespace {
QString& gesetzterPfad() {
    static QString pfad;
    return pfad;
}

bool modulOffen = false;
}  // namespace

void setzeKlangModulPfad(const QString& pfad) { gesetzterPfad() = pfad; }

QString klangModulPfad() {
    if (!gesetzterPfad().isEmpty()) return gesetzterPfad();
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(kKlangModul);
}

void* klangModulSymbol(const char* name) {
    // Tried once: a game without the module stays silent.
    static void* const modul = dlopen(QFile::encodeName(klangModulPfad()).constData(), RTLD_NOW | RTLD_LOCAL);
    modulOffen = modul != nullptr;
    return modul ? dlsym(modul, name) : nullptr;
}

void prozessBeenden(int code) {
    if (!modulOffen) std::exit(code);
    std::fflush(nullptr);
    // What exit would have looked for in a sanitizer build.
    TREVO_LECKS_PRUEFEN();
    std::_Exit(code);
}
