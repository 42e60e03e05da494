#include "ui/klangspieler.h"

#include <QCoreApplication>
#include <QFile>

#include <dlfcn.h>

namespace {
QString& gesetzterPfad() {
    static QString pfad;
    return pfad;
}
}  // namespace

void setzeKlangModulPfad(const QString& pfad) { gesetzterPfad() = pfad; }

QString klangModulPfad() {
    if (!gesetzterPfad().isEmpty()) return gesetzterPfad();
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(kKlangModul);
}

void* klangModulSymbol(const char* name) {
    // Tried once: a game without the module stays silent.
    static void* const modul = dlopen(QFile::encodeName(klangModulPfad()).constData(), RTLD_NOW | RTLD_LOCAL);
    return modul ? dlsym(modul, name) : nullptr;
}
