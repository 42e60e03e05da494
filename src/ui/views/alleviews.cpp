// Every view of the game. A new window: its view's files and one line here.
// The first entry that fits a window wins, so a class comes before its base.
#include "rahmen/anzahlform.h"
#include "ausblick.h"
#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "fields/feldaktionform.h"
#include "fields/felderform.h"
#include "goods/siloform.h"
#include "livestock/tierform.h"
#include "livestock/tierkaufform.h"
#include "market/preiseform.h"
#include "ui/viewregister.h"
#include "ui/views/anzahldialog.h"
#include "ui/views/ausblickview.h"
#include "ui/views/feldaktiondialog.h"
#include "ui/views/felderview.h"
#include "ui/views/felderzugang.h"
#include "ui/views/gutview.h"
#include "ui/views/kontoview.h"
#include "ui/views/kontrollview.h"
#include "ui/views/preiseview.h"
#include "ui/views/siloview.h"
#include "ui/views/tierkaufdialog.h"
#include "ui/views/tierview.h"

void alleViewsAnmelden(ViewRegister& r) {
    r.fenster<TPreiseForm, PreiseView>();
    r.fenster<TKontrollForm, KontrollView>();
    r.fenster<TKontoForm, KontoView>();
    r.fenster<TFelderForm, FelderView>();
    felderZugangAnmelden();  // the map for a screen reader
    r.fenster<TSiloForm, SiloView>();  // the four stores
    r.fenster<TtierForm, TierView>();  // the four herds
    r.fenster<TgutForm, GutView>();
    r.fenster<TAusblickForm, AusblickView>();
    r.dialog<TAnzahlForm, AnzahlDialog>();
    r.dialog<TTierKaufForm, TierKaufDialog>();
    r.dialog<TFeldAktionForm, FeldAktionDialog>();
}
