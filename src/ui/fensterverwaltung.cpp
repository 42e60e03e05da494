#include "ui/fensterverwaltung.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

bool ohneFensterverwaltung() {
    // Only an X display can lack one. Its library is already loaded by Qt's
    // platform plugin; it is looked up rather than linked, so that other
    // platforms do not load it.
    const QString plattform = QGuiApplication::platformName();
    if (plattform == QLatin1String("offscreen") || plattform == QLatin1String("minimal")) return true;
    if (plattform != QLatin1String("xcb")) return false;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    void* xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!x11 || !x11->connection() || !xcb) {
        if (xcb) dlclose(xcb);
        return false;
    }
    using Setup = const xcb_setup_t* (*)(xcb_connection_t*);
    using Wurzeln = xcb_screen_iterator_t (*)(const xcb_setup_t*);
    using Atom = xcb_intern_atom_cookie_t (*)(xcb_connection_t*, uint8_t, uint16_t, const char*);
    using AtomAntwort = xcb_intern_atom_reply_t* (*)(xcb_connection_t*, xcb_intern_atom_cookie_t, xcb_generic_error_t**);
    using Eigenschaft = xcb_get_property_cookie_t (*)(xcb_connection_t*, uint8_t, xcb_window_t, xcb_atom_t,
                                                      xcb_atom_t, uint32_t, uint32_t);
    using EigenschaftAntwort =
        xcb_get_property_reply_t* (*)(xcb_connection_t*, xcb_get_property_cookie_t, xcb_generic_error_t**);
    const auto holen = [xcb](const char* name, auto& f) {
        void* symbol = dlsym(xcb, name);
        std::memcpy(&f, &symbol, sizeof f);
        return symbol != nullptr;
    };
    Setup setup;
    Wurzeln wurzeln;
    Atom atom;
    AtomAntwort atomAntwort;
    Eigenschaft eigenschaft;
    EigenschaftAntwort eigenschaftAntwort;
    bool ohne = false;
    if (holen("xcb_get_setup", setup) && holen("xcb_setup_roots_iterator", wurzeln) &&
        holen("xcb_intern_atom", atom) && holen("xcb_intern_atom_reply", atomAntwort) &&
        holen("xcb_get_property", eigenschaft) && holen("xcb_get_property_reply", eigenschaftAntwort)) {
        // A window manager of our time names its check window on the root.
        xcb_connection_t* c = x11->connection();
        const char name[] = "_NET_SUPPORTING_WM_CHECK";
        if (xcb_intern_atom_reply_t* a = atomAntwort(c, atom(c, 1, sizeof name - 1, name), nullptr)) {
            const xcb_window_t wurzel = wurzeln(setup(c)).data->root;
            if (a->atom != XCB_ATOM_NONE) {
                if (xcb_get_property_reply_t* e =
                        eigenschaftAntwort(c, eigenschaft(c, 0, wurzel, a->atom, XCB_ATOM_WINDOW, 0, 1), nullptr)) {
                    ohne = e->type == XCB_ATOM_NONE;
                    std::free(e);
                }
            } else {
                ohne = true;
            }
            std::free(a);
        }
    }
    dlclose(xcb);
    return ohne;
}
