// Parts of a widget that have no widget of their own, for a screen reader:
// a grid's cells, the fields on the map.
#pragma once

#include <QAccessible>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <functional>

// One part: it belongs to its widget's interface and has no children.
template <class W>
class TeilZugang : public QAccessibleInterface {
public:
    explicit TeilZugang(W* w) : w_(w) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return w_ ? w_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(w_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<W> w_;
};

// The parts a widget's interface has handed out, by index: each made once,
// registered with Qt, and deleted with the widget's interface.
class TeilListe {
public:
    TeilListe() = default;
    TeilListe(const TeilListe&) = delete;
    TeilListe& operator=(const TeilListe&) = delete;
    ~TeilListe() {
        for (QAccessible::Id id : std::as_const(teile_)) QAccessible::deleteAccessibleInterface(id);
    }

    QAccessibleInterface* holen(int index, const std::function<QAccessibleInterface*()>& machen) {
        if (auto it = teile_.constFind(index); it != teile_.constEnd()) return QAccessible::accessibleInterface(*it);
        QAccessibleInterface* teil = machen();
        teile_.insert(index, QAccessible::registerAccessibleInterface(teil));
        return teil;
    }
    int index(const QAccessibleInterface* teil) const {
        for (auto it = teile_.constBegin(); it != teile_.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == teil) return it.key();
        return -1;
    }

private:
    QHash<int, QAccessible::Id> teile_;
};
