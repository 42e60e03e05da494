#include "ui/views/preiseview.h"

#include "market/preiseform.h"
#include "ui/gitter.h"
#include "ui/sicher.h"

PreiseView::PreiseView(TPreiseForm& fenster)
    : KindView(fenster),
      form_(fenster),
      gitter_(new GitterWidget(fenster.StringGrid1,
                               {TPreiseForm::spaltenBreiten.begin(), TPreiseForm::spaltenBreiten.end()},
                               TPreiseForm::zeilenHoehe, inhalt())) {
    gitter_->setCursor(Qt::PointingHandCursor);
    // The unit column has no header; a screen reader names it all the same.
    gitter_->setzeSpaltenName(1, tr("Einheit"));
    connect(gitter_, &GitterWidget::losgelassen, this,
            [this](QPoint p) { befehl([&] { form_.StringGrid1MouseUp(p.x(), p.y()); }); });
}

void PreiseView::inhaltAuffrischen() {
    gitter_->setGeometry(inhalt()->rect());
    gitter_->neuLesen();
}
