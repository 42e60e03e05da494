#include "ui/views/kontoview.h"

#include "geld/kontoform.h"
#include "ui/gitter.h"

KontoView::KontoView(TKontoForm& fenster)
    : KindView(fenster), gitter_(new GitterWidget(fenster.StringGrid1, {185, 109}, 16, inhalt())) {}

void KontoView::inhaltAuffrischen() {
    // The grid fills the client area, without border or scroll bars.
    gitter_->setGeometry(inhalt()->rect());
    gitter_->neuLesen();
}
