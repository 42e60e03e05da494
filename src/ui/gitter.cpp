#include "ui/gitter.h"

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

#include "rahmen/steuerelemente.h"
#include "ui/nachrichten.h"
#include "ui/teilzugang.h"

namespace {
constexpr int linie = 1;
constexpr int einzug = 2;  // text inset in a cell
// The lines between cells: black in the header, light grey in the body.
const QColor kopfLinie(0, 0, 0);
const QColor koerperLinie(192, 192, 192);
// A text too wide for its cell is squeezed down to this much of its width,
// not further: beyond, the tooltip has it.
constexpr double engstens = 0.6;

// Letters the grid's font has itself.
bool lateinisch(const QString& t) {
    return std::all_of(t.begin(), t.end(), [](QChar c) { return c.unicode() < 0x100; });
}

class GitterZugang;

// One cell for a screen reader; the header row's cells are column headers.
class ZellenZugang final : public TeilZugang<GitterWidget>, public QAccessibleTableCellInterface {
public:
    ZellenZugang(GitterWidget* gitter, int spalte, int zeile) : TeilZugang(gitter), spalte_(spalte), zeile_(zeile) {}

    bool isValid() const override {
        return w_ && spalte_ < w_->spalten() && zeile_ < w_->gitter().rowCount();
    }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) {
            return zeile_ == 0 ? w_->spaltenName(spalte_) : w_->text(spalte_, zeile_);
        }
        return {};
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = w_->zelle(spalte_, zeile_);
        return {w_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override {
        return zeile_ == 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        if (!isValid() || !w_->isVisible()) s.invisible = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return spalte_; }
    int rowIndex() const override { return zeile_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    int spalte_;
    int zeile_;
};

// The grid for a screen reader: a table whose children are its cells, the
// header row first.
class GitterZugang final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GitterZugang(GitterWidget* w) : QAccessibleWidget(w, QAccessible::Table) {}

    GitterWidget* gitter() const { return static_cast<GitterWidget*>(widget()); }

    // The cell's interface, made once and kept.
    QAccessibleInterface* zelle(int spalte, int zeile) const {
        if (spalte < 0 || zeile < 0 || spalte >= gitter()->spalten() || zeile >= gitter()->gitter().rowCount())
            return nullptr;
        return zellen_.holen(zeile * gitter()->spalten() + spalte,
                             [&] { return new ZellenZugang(gitter(), spalte, zeile); });
    }

    int childCount() const override { return gitter()->spalten() * gitter()->gitter().rowCount(); }
    QAccessibleInterface* child(int i) const override {
        const int s = gitter()->spalten();
        return s > 0 && i >= 0 ? zelle(i % s, i / s) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        return zellen_.index(kind);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint z = gitter()->zelleBei(gitter()->mapFromGlobal(QPoint(x, y)));
        return zelle(z.x(), z.y());
    }
    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        // Named after its window: "Preise", "Kontoauszug".
        if (s.isEmpty() && t == QAccessible::Name) s = fensterTitel();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int zeile, int spalte) const override { return zelle(spalte, zeile + 1); }
    int columnCount() const override { return gitter()->spalten(); }
    int rowCount() const override { return std::max(0, gitter()->gitter().rowCount() - 1); }
    QString columnDescription(int spalte) const override { return gitter()->spaltenName(spalte); }
    QString rowDescription(int zeile) const override { return gitter()->text(0, zeile + 1); }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    QString fensterTitel() const {
        for (const QWidget* w = gitter(); w; w = w->parentWidget())
            if (!w->windowTitle().isEmpty()) return w->windowTitle();
        return {};
    }

    mutable TeilListe zellen_;
};

QList<QAccessibleInterface*> ZellenZugang::columnHeaderCells() const {
    auto* tabelle = static_cast<GitterZugang*>(parent());
    if (!tabelle || zeile_ == 0) return {};
    return {tabelle->zelle(spalte_, 0)};
}

QList<QAccessibleInterface*> ZellenZugang::rowHeaderCells() const {
    auto* tabelle = static_cast<GitterZugang*>(parent());
    if (!tabelle || zeile_ == 0 || spalte_ == 0) return {};
    return {tabelle->zelle(0, zeile_)};
}

QAccessibleInterface* gitterFabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("GitterWidget"))
        if (auto* g = qobject_cast<GitterWidget*>(objekt)) return new GitterZugang(g);
    return nullptr;
}

}  // namespace

GitterWidget::GitterWidget(const StringGrid& gitter, std::vector<int> spaltenBreiten, int zeilenHoehe,
                           QWidget* eltern)
    : QWidget(eltern), gitter_(gitter), breiten_(std::move(spaltenBreiten)), hoehe_(zeilenHoehe) {
    static const bool angemeldet = [] {
        QAccessible::installFactory(gitterFabrik);
        return true;
    }();
    (void)angemeldet;
    setFont(gitterSchrift());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QFont GitterWidget::gitterSchrift() {
    QFont f(QStringLiteral("Liberation Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(11);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

int GitterWidget::spalten() const { return std::min(gitter_.colCount(), static_cast<int>(breiten_.size())); }

QRect GitterWidget::zelle(int spalte, int zeile) const {
    int x = 0;
    for (int s = 0; s < spalte && s < static_cast<int>(breiten_.size()); ++s) x += breiten_[static_cast<std::size_t>(s)] + linie;
    const int breite = spalte < static_cast<int>(breiten_.size()) ? breiten_[static_cast<std::size_t>(spalte)] : 0;
    return {x, zeile * (hoehe_ + linie), breite, hoehe_};
}

QPoint GitterWidget::zelleBei(QPoint ort) const {
    for (int z = 0; z < gitter_.rowCount(); ++z)
        for (int s = 0; s < spalten(); ++s)
            if (zelle(s, z).adjusted(0, 0, linie, linie).contains(ort)) return {s, z};
    return {-1, -1};
}

QString GitterWidget::text(int spalte, int zeile) const {
    return kernText(gitter_.cell(spalte, zeile)).trimmed();
}

bool GitterWidget::zuBreit(int spalte, int zeile) const {
    const QString t = kernText(gitter_.cell(spalte, zeile));
    return fontMetrics().horizontalAdvance(t) > zelle(spalte, zeile).width() - einzug;
}

void GitterWidget::setzeSpaltenName(int spalte, const QString& name) {
    if (spalte < 0) return;
    if (spaltenNamen_.size() <= static_cast<std::size_t>(spalte)) spaltenNamen_.resize(static_cast<std::size_t>(spalte) + 1);
    spaltenNamen_[static_cast<std::size_t>(spalte)] = name;
}

QString GitterWidget::spaltenName(int spalte) const {
    const QString kopf = text(spalte, 0);
    if (!kopf.isEmpty()) return kopf;
    return spalte >= 0 && static_cast<std::size_t>(spalte) < spaltenNamen_.size()
               ? spaltenNamen_[static_cast<std::size_t>(spalte)]
               : QString();
}

void GitterWidget::neuLesen() {
    update();
    if (QAccessible::isActive() && gitter_.rowCount() > 1 && spalten() > 0) {
        QAccessibleTableModelChangeEvent e(this, QAccessibleTableModelChangeEvent::DataChanged);
        e.setFirstRow(0);
        e.setLastRow(gitter_.rowCount() - 2);
        e.setFirstColumn(0);
        e.setLastColumn(spalten() - 1);
        QAccessible::updateAccessibility(&e);
    }
}

bool GitterWidget::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        // A remark too long for its cell is shown whole beside the pointer.
        auto* hilfe = static_cast<QHelpEvent*>(e);
        const QPoint z = zelleBei(hilfe->pos());
        if (z.x() >= 0 && zuBreit(z.x(), z.y()))
            QToolTip::showText(hilfe->globalPos(), text(z.x(), z.y()), this, zelle(z.x(), z.y()));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void GitterWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const QColor knopf = palette().color(QPalette::Button);
    const QColor hell = palette().color(QPalette::Light);
    const QColor dunkel = palette().color(QPalette::Mid);
    const int spaltenZahl = spalten();
    // No letter of the font is wider than this, so a text of n letters from
    // the font itself (no stand-in from another font) is at most n times as
    // wide.
    const QFontMetricsF masse(font());
    const qreal maxZeichen = masse.maxWidth();
    const qreal oberlaenge = masse.ascent();
    p.setPen(palette().color(QPalette::Text));
    for (int z = 0; z < gitter_.rowCount(); ++z) {
        const bool kopf = z == 0;
        for (int s = 0; s < spaltenZahl; ++s) {
            const QRect r = zelle(s, z);
            if (r.top() >= height() || r.left() >= width()) continue;
            if (kopf) {
                // The header cell stands out from the button face.
                p.fillRect(r, knopf);
                p.fillRect(r.left(), r.top(), r.width(), 1, hell);
                p.fillRect(r.left(), r.top(), 1, r.height(), hell);
                p.fillRect(r.left(), r.bottom(), r.width(), 1, dunkel);
                p.fillRect(r.right(), r.top(), 1, r.height(), dunkel);
            } else {
                p.fillRect(r, palette().color(QPalette::Base));
            }
            const QColor linienFarbe = kopf ? kopfLinie : koerperLinie;
            p.fillRect(r.right() + 1, r.top(), linie, r.height() + linie, linienFarbe);
            p.fillRect(r.left(), r.bottom() + 1, r.width() + linie, linie, linienFarbe);
            const std::string& text = gitter_.cell(s, z);
            if (text.empty()) continue;
            const QString t = kernText(text);
            const QRect innen = r.adjusted(einzug, einzug, 0, 0);
            if (static_cast<qreal>(t.size()) * maxZeichen <= innen.width() && lateinisch(t)) {
                // Fits whatever its letters: no measuring, no clipping, and
                // the line drawn at its baseline without laying it out.
                p.drawText(QPointF(innen.left(), innen.top() + oberlaenge), t);
                continue;
            }
            p.save();
            p.setClipRect(r);
            const int breite = fontMetrics().horizontalAdvance(t);
            if (breite > innen.width() && innen.width() > 0) {
                // Too wide: the text is drawn narrower, so that a long remark
                // can still be read in the designed column.
                const double faktor = std::max(engstens, (innen.width() - 1.0) / breite);
                p.translate(innen.topLeft());
                p.scale(faktor, 1.0);
                p.drawText(QRectF(0, 0, innen.width() / faktor, innen.height()),
                           Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, t);
            } else {
                p.drawText(innen, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, t);
            }
            p.restore();
        }
    }
}

void GitterWidget::mouseReleaseEvent(QMouseEvent* e) {
    emit losgelassen(e->position().toPoint());
    e->accept();
}
