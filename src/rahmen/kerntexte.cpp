#include "rahmen/kerntexte.h"

#include "rahmen/nachricht.h"

namespace texte {
namespace {

// Words the window shows whole: captions, buttons, hints, goods, units,
// crops, states, months. Only marked here; the window looks each up as it is.
[[maybe_unused]] constexpr const char* woerter[] = {
    // Window captions.
    TREVO_TEXT("Kern", "Kontrolle"), TREVO_TEXT("Kern", "Kontoauszug"), TREVO_TEXT("Kern", "Preise"),
    TREVO_TEXT("Kern", "Felder"), TREVO_TEXT("Kern", "Ausblick"), TREVO_TEXT("Kern", "Feld Bearbeitung"),
    TREVO_TEXT("Kern", "Bitte wählen"), TREVO_TEXT("Kern", "Anzahl"),
    // Goods, stores and herds.
    TREVO_TEXT("Kern", "Kühe"), TREVO_TEXT("Kern", "Schweine"), TREVO_TEXT("Kern", "Hühner"),
    TREVO_TEXT("Kern", "Schafe"), TREVO_TEXT("Kern", "Futter"), TREVO_TEXT("Kern", "Milch"),
    TREVO_TEXT("Kern", "Eier"), TREVO_TEXT("Kern", "Wolle"), TREVO_TEXT("Kern", "Getreide"),
    TREVO_TEXT("Kern", "Rüben"), TREVO_TEXT("Kern", "Diesel"),
    // Units.
    TREVO_TEXT("Kern", "Stück"), TREVO_TEXT("Kern", "Liter"), TREVO_TEXT("Kern", "DZentner"),
    // Buttons, boxes and hints.
    TREVO_TEXT("Kern", "Weiter"),
    TREVO_TEXT("Kern", "Hier klicken, wenn alle Arbeiten für den aktuellen Monat abgeschlossen sind."),
    TREVO_TEXT("Kern", "Kaufen"), TREVO_TEXT("Kern", "Verkaufen"), TREVO_TEXT("Kern", "Weitere Optionen ein-/ausblenden"),
    TREVO_TEXT("Kern", "Klick mit Rechts: Kaufe Maximalmenge"), TREVO_TEXT("Kern", "Klick mit Rechts: Verkaufe alles"),
    TREVO_TEXT("Kern", "Maximum:"), TREVO_TEXT("Kern", "Vermehren"), TREVO_TEXT("Kern", "Milchgeben"),
    TREVO_TEXT("Kern", "Eierlegen"), TREVO_TEXT("Kern", "Wollegeben"), TREVO_TEXT("Kern", "Einzelnes Tier"),
    TREVO_TEXT("Kern", "Ordnungs Nr"), TREVO_TEXT("Kern", "Gewicht"), TREVO_TEXT("Kern", "keine"),
    TREVO_TEXT("Kern", "kein"), TREVO_TEXT("Kern", "Bemerkung"), TREVO_TEXT("Kern", "Betrag"),
    TREVO_TEXT("Kern", "Gut"), TREVO_TEXT("Kern", "Preis"), TREVO_TEXT("Kern", "Abbruch"),
    TREVO_TEXT("Kern", "Abbrechen"), TREVO_TEXT("Kern", "Gewichtsklasse Klein"),
    TREVO_TEXT("Kern", "Gewichtsklasse Mittel"), TREVO_TEXT("Kern", "Gewichtsklasse Groß"),
    // The field work dialog.
    TREVO_TEXT("Kern", "&Arbeit"), TREVO_TEXT("Kern", "&Saatgut"), TREVO_TEXT("Kern", "&Bearbeiten"),
    TREVO_TEXT("Kern", "&Hilfe"), TREVO_TEXT("Kern", "Pachtvertrag &kündigen"), TREVO_TEXT("Kern", "Pflügen"),
    TREVO_TEXT("Kern", "Grubbern"), TREVO_TEXT("Kern", "Düngen"), TREVO_TEXT("Kern", "Drillen"),
    TREVO_TEXT("Kern", "Ernten"), TREVO_TEXT("Kern", "Sommergerste"), TREVO_TEXT("Kern", "Winterweizen"),
    TREVO_TEXT("Kern", "Gras"), TREVO_TEXT("Kern", "pflügen"), TREVO_TEXT("Kern", "grubbern"),
    TREVO_TEXT("Kern", "drillen"),
    // Crops and the states of a field.
    TREVO_TEXT("Kern", "Gerste"), TREVO_TEXT("Kern", "Weizen"), TREVO_TEXT("Kern", "nicht gepachtet"),
    TREVO_TEXT("Kern", "gepachtet"), TREVO_TEXT("Kern", "unbearbeitet"), TREVO_TEXT("Kern", "kaum vorbereitet"),
    TREVO_TEXT("Kern", "halb vorbereitet"), TREVO_TEXT("Kern", "gut vorbereitet"), TREVO_TEXT("Kern", "saatfertig"),
    TREVO_TEXT("Kern", "wächst nicht"), TREVO_TEXT("Kern", "keimt"), TREVO_TEXT("Kern", "überreif"),
    TREVO_TEXT("Kern", "erntereif"), TREVO_TEXT("Kern", "wächst"), TREVO_TEXT("Kern", "Klicken Sie auf ein Feld!"),
    TREVO_TEXT("Kern", "nicht gepachtet, klicken zum Pachten"), TREVO_TEXT("Kern", "bringt nichts"),
    // Remarks of the statement, and names of steps.
    TREVO_TEXT("Kern", "Sonstige Kosten"), TREVO_TEXT("Kern", "Pacht für Felder"), TREVO_TEXT("Kern", "Vergrößerung"),
    TREVO_TEXT("Kern", "Düngemittel"), TREVO_TEXT("Kern", "Saatgut"), TREVO_TEXT("Kern", "Änderung"),
    // The outlook.
    TREVO_TEXT("Kern", "das Futtersilo ist über seinem Maximum: Futter verkaufen"),
    TREVO_TEXT("Kern", "zu kalt zum Ernten"), TREVO_TEXT("Kern", "vielleicht zu kalt zum Ernten"),
    // The logbook's columns.
    TREVO_TEXT("Kern", "Guthaben am Monatsanfang"), TREVO_TEXT("Kern", "Guthaben am Monatsende"),
    TREVO_TEXT("Kern", "Pacht"), TREVO_TEXT("Kern", "Sonstiges"), TREVO_TEXT("Kern", "Punkte"),
    // Months.
    TREVO_TEXT("Kern", "Januar"), TREVO_TEXT("Kern", "Februar"), TREVO_TEXT("Kern", "März"),
    TREVO_TEXT("Kern", "April"), TREVO_TEXT("Kern", "Mai"), TREVO_TEXT("Kern", "Juni"), TREVO_TEXT("Kern", "Juli"),
    TREVO_TEXT("Kern", "August"), TREVO_TEXT("Kern", "September"), TREVO_TEXT("Kern", "Oktober"),
    TREVO_TEXT("Kern", "November"), TREVO_TEXT("Kern", "Dezember"),
    // The start after a crash, and a save file that cannot be read.
    TREVO_TEXT("Kern", "„Nein“ spielt mit dem zuletzt gespeicherten Spielstand weiter und verwirft den erhaltenen."),
    TREVO_TEXT("Kern", "Der Spielstand konnte nicht gelesen werden:"),
    TREVO_TEXT("Kern", "Das Spiel beginnt neu. Die Datei bleibt, wie sie ist; beim Beenden wird das Spiel in einer "
                       "neuen Datei daneben gesichert."),
    TREVO_TEXT("Kern", "Das Spiel geht beim Wiederherstellungspunkt weiter. Die Datei bleibt, wie sie ist; beim "
                       "Beenden wird das Spiel in einer neuen Datei daneben gesichert."),
};

}  // namespace

const std::vector<const char*>& muster() {
    static const std::vector<const char*> liste = {
        // Amounts and units.
        TREVO_TEXT("Kern", "%1 EUR"),
        TREVO_TEXT("Kern", "%1 kg"),
        TREVO_TEXT("Kern", "%1 Liter"),
        TREVO_TEXT("Kern", "%1 Stück"),
        TREVO_TEXT("Kern", "%1 DZentner"),
        TREVO_TEXT("Kern", "%1 DZ"),
        TREVO_TEXT("Kern", "%1 ha"),
        TREVO_TEXT("Kern", "%1 °C"),
        TREVO_TEXT("Kern", "%1 bis %2"),
        TREVO_TEXT("Kern", "%1 kg Futter"),
        TREVO_TEXT("Kern", "%1 DZentner %2"),
        TREVO_TEXT("Kern", "%1 l Diesel"),
        // The control panel, the goods and the price list.
        TREVO_TEXT("Kern", "Guthaben: %1"),
        TREVO_TEXT("Kern", "Temperatur: %1°C"),
        TREVO_TEXT("Kern", "Ankauf heute: %1 je %2"),
        TREVO_TEXT("Kern", "Verkauf heute: %1 je %2"),
        TREVO_TEXT("Kern", "Ankauf heute: %1 je ausgewachsenes Tier"),
        TREVO_TEXT("Kern", "Verkauf heute: %1 je ausgewachsenes Tier"),
        TREVO_TEXT("Kern", "Verkauf heute: %1 für dieses Tier"),
        TREVO_TEXT("Kern", "Ankaufspreis: %1,"),
        TREVO_TEXT("Kern", "Verkaufspreis: %1"),
        // The statement's remarks.
        TREVO_TEXT("Kern", "%1-Kauf %2"),
        TREVO_TEXT("Kern", "%1-Verkauf %2"),
        TREVO_TEXT("Kern", "%1 Kauf"),
        TREVO_TEXT("Kern", "%1 Verkauf"),
        TREVO_TEXT("Kern", "Milchgeben %1"),
        TREVO_TEXT("Kern", "Eierlegen %1"),
        TREVO_TEXT("Kern", "Wollegeben %1"),
        // The fields, the map's hint and the work dialog.
        TREVO_TEXT("Kern", "Name: %1"),
        TREVO_TEXT("Kern", "Bewuchs: %1"),
        TREVO_TEXT("Kern", "Fläche: %1"),
        TREVO_TEXT("Kern", "gepachtet, leer, %1"),
        TREVO_TEXT("Kern", "gepachtet, %1, %2"),
        TREVO_TEXT("Kern", "kein Bewuchs, %1"),
        TREVO_TEXT("Kern", "Wert %1"),
        TREVO_TEXT("Kern", "Wert %1 (saatfähig ab 0)"),
        TREVO_TEXT("Kern", "Wert %1 (Ertrag ab %2)"),
        TREVO_TEXT("Kern", "%1: %2 ha, Pacht %3 im Monat"),
        TREVO_TEXT("Kern", "%1 Düngemittel"),
        TREVO_TEXT("Kern", "%1 Saatgut"),
        TREVO_TEXT("Kern", "bringt %1"),
        TREVO_TEXT("Kern", "Auf %1 wächst %2 (%3, Wert %4). Trotzdem %5?"),
        TREVO_TEXT("Kern", "Düngen ändert hier nichts (Wert %1)"),
        TREVO_TEXT("Kern", "Saat wächst hier nicht (Wert danach %1, wächst ab %2)"),
        TREVO_TEXT("Kern", "Lager zu klein: %1 gehen verloren"),
        TREVO_TEXT("Kern", "Wegen der Kälte sind alle Pflanzen auf Feld \"%1\" eingegangen."),
        TREVO_TEXT("Kern", "Auf Feld \"%1\" waren alle Pflanzen überreif und sind eingegangen."),
        // The purchase dialog.
        TREVO_TEXT("Kern", "etwa %1 kg"),
        TREVO_TEXT("Kern", "%1–%2 EUR"),
        // The names of the steps taken back.
        TREVO_TEXT("Kern", "Weiter (%1)"),
        TREVO_TEXT("Kern", "Feld %1"),
        TREVO_TEXT("Kern", "Pacht von %1"),
        TREVO_TEXT("Kern", "Kündigung von %1"),
        TREVO_TEXT("Kern", "Feldarbeit auf %1"),
        TREVO_TEXT("Kern", "Vergrößerung: %1"),
        TREVO_TEXT("Kern", "Kauf: %1 × %2"),
        TREVO_TEXT("Kern", "Verkauf: %1 × %2"),
        TREVO_TEXT("Kern", "Kauf von %1"),
        TREVO_TEXT("Kern", "Verkauf von %1"),
        TREVO_TEXT("Kern", "„%1“ an: %2"),
        TREVO_TEXT("Kern", "„%1“ aus: %2"),
        // The outlook's lines.
        TREVO_TEXT("Kern", "Sonstige Kosten: %1"),
        TREVO_TEXT("Kern", "Pacht für Felder: %1"),
        TREVO_TEXT("Kern", "%1 (ohne Seuche)"),
        TREVO_TEXT("Kern", "Guthaben am Monatsende: %1"),
        TREVO_TEXT("Kern", "Futter: Bedarf %1 kg, Bestand %2 kg"),
        TREVO_TEXT("Kern", "Futter: Bedarf %1 kg, Bestand %2 kg, reicht 1 Monat"),
        TREVO_TEXT("Kern", "Futter: Bedarf %1 kg, Bestand %2 kg, reicht %3 Monate"),
        TREVO_TEXT("Kern", "%1 fressen %2 kg"),
        TREVO_TEXT("Kern", "%1 fressen %2 kg: es fehlen %3 kg, ein Tier verhungert"),
        TREVO_TEXT("Kern", "%1: ein Tier verhungert"),
        TREVO_TEXT("Kern", "%1: das Tier verhungert"),
        TREVO_TEXT("Kern", "%1: alle %2 Tiere verhungern"),
        TREVO_TEXT("Kern", "mindestens %1 kg Futter kaufen"),
        TREVO_TEXT("Kern", "das Futtersilo fasst nur %1 kg: Maximum erhöhen und Futter kaufen"),
        TREVO_TEXT("Kern", "%1: %2 erfriert (%3 °C)"),
        TREVO_TEXT("Kern", "%1: %2 wird überreif und geht ein (%3 °C)"),
        TREVO_TEXT("Kern", "%1: %2 erfriert, jetzt geerntet %3"),
        TREVO_TEXT("Kern", "%1: %2 wird überreif und geht ein, jetzt geerntet %3"),
        TREVO_TEXT("Kern", "%1: jetzt ernten rettet %2"),
        TREVO_TEXT("Kern", "%1: %2 wird überreif und geht im Monat darauf ein"),
        TREVO_TEXT("Kern", "%1: %2 kann überreif werden und geht dann im Monat darauf ein"),
        TREVO_TEXT("Kern", "%1: %2 wird erntereif"),
        TREVO_TEXT("Kern", "%1: %2 kann erntereif werden"),
        TREVO_TEXT("Kern", "%1: Ernte jetzt brächte %2"),
        TREVO_TEXT("Kern", "%1: letzte Gelegenheit: im %2 %3, %4"),
        TREVO_TEXT("Kern", "%1, %2 kann eingehen"),
        TREVO_TEXT("Kern", "%1, %2 kann erfrieren"),
        TREVO_TEXT("Kern", "%1, jetzt geerntet %2"),
        TREVO_TEXT("Kern", "%1: im Lager %2 ist Platz für %3, %4 gingen verloren"),
        TREVO_TEXT("Kern", "%1: Seuche mit %2 % Wahrscheinlichkeit, dann stirbt das Tier"),
        TREVO_TEXT("Kern", "%1: Seuche mit %2 % Wahrscheinlichkeit, dann sterben alle %3 Tiere"),
        TREVO_TEXT("Kern", "%1 Junge"),
        TREVO_TEXT("Kern", "%1: %2, im Stall Platz für %3: %4 gehen verloren"),
        TREVO_TEXT("Kern", "%1: Maximum erhöhen, damit die Jungen bleiben"),
        // The logbook's columns and units.
        TREVO_TEXT("Kern", "%1 Bestand"),
        TREVO_TEXT("Kern", "%1 Kapazität"),
        TREVO_TEXT("Kern", "%1 Tiere"),
        TREVO_TEXT("Kern", "%1 Gewicht kg"),
        TREVO_TEXT("Kern", "%1 Frucht"),
        TREVO_TEXT("Kern", "%1 Wachstum"),
        TREVO_TEXT("Kern", "Preis %1"),
        TREVO_TEXT("Kern", "EUR je %1"),
        // The start after a crash.
        TREVO_TEXT("Kern", "Trevo wurde zuletzt nicht ordnungsgemäß beendet. Der Hof ist bis zum Ende des Monats %1 "
                           "erhalten."),
        TREVO_TEXT("Kern", "Soll das Spiel im %1 weitergehen?"),
        // Parts of other texts, tried last: each side is looked up again.
        TREVO_TEXT("Kern", "%1: %2"),
        TREVO_TEXT("Kern", "%1, %2"),
    };
    return liste;
}

}  // namespace texte
