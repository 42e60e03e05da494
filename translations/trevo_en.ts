<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AnzahlDialog</name>
    <message>
        <source>Anzahl</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Unbekannter Fehler.</source>
        <translation>Unknown error.</translation>
    </message>
    <message>
        <source>Preis:</source>
        <translation>Price:</translation>
    </message>
    <message>
        <source>%1 je %2</source>
        <translation>%1 per %2</translation>
    </message>
    <message>
        <source>Platz:</source>
        <translation>Room:</translation>
    </message>
    <message>
        <source>Vorrat:</source>
        <translation>In stock:</translation>
    </message>
    <message>
        <source>Betrag:</source>
        <translation>Amount:</translation>
    </message>
    <message>
        <source>, zu viel</source>
        <translation>, too much</translation>
    </message>
</context>
<context>
    <name>AusblickView</name>
    <message>
        <source>Geld</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Futter</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>Felder</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Herden</source>
        <translation>Herds</translation>
    </message>
    <message>
        <source>Ausblick auf den Monat</source>
        <translation>Outlook for the month</translation>
    </message>
</context>
<context>
    <name>FeldAktionDialog</name>
    <message>
        <source>%1, %2 ha: die Pacht von %3 im Monat entfällt</source>
        <translation>%1, %2 ha: no more rent of %3 a month</translation>
    </message>
    <message>
        <source>Das Lager %1 nimmt von %2 %3 nur %4 auf: %5 %3 im Wert von %6 gingen verloren.<byte value="xd"/><byte value="xd"/>Trotzdem ernten?</source>
        <translation>Of %2 %3, store %1 can take only %4: %5 %3 worth %6 would be lost.<byte value="xd"/><byte value="xd"/>Harvest anyway?</translation>
    </message>
    <message>
        <source>Zustand: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>Kosten: %1</source>
        <translation>Cost: %1</translation>
    </message>
</context>
<context>
    <name>FelderKarte</name>
    <message>
        <source>Die Tasten 1 bis 5 klicken das Feld dieser Nummer an</source>
        <translation>Keys 1 to 5 click the field with that number</translation>
    </message>
</context>
<context>
    <name>FelderView</name>
    <message>
        <source>%1, %2 ha, Pacht %3 im Monat</source>
        <translation>%1, %2 ha, rent %3 a month</translation>
    </message>
    <message>
        <source>Karte waagerecht verschieben</source>
        <translation>Scroll the map sideways</translation>
    </message>
    <message>
        <source>Karte senkrecht verschieben</source>
        <translation>Scroll the map up and down</translation>
    </message>
    <message>
        <source>Karte der Felder</source>
        <translation>Field map</translation>
    </message>
</context>
<context>
    <name>GutView</name>
    <message>
        <source>Guthaben danach: %1</source>
        <translation>Balance afterwards: %1</translation>
    </message>
</context>
<context>
    <name>HauptFenster</name>
    <message>
        <source>Arbeitsfläche waagerecht verschieben</source>
        <translation>Scroll the farmyard sideways</translation>
    </message>
    <message>
        <source>Arbeitsfläche senkrecht verschieben</source>
        <translation>Scroll the farmyard up and down</translation>
    </message>
    <message>
        <source>&amp;Neues Spiel</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>Fenster &amp;Anordnen</source>
        <translation>&amp;Arrange Windows</translation>
    </message>
    <message>
        <source>Hof&amp;buch</source>
        <translation>Farm &amp;Logbook</translation>
    </message>
    <message>
        <source>&amp;Monat beenden</source>
        <translation>&amp;End Month</translation>
    </message>
    <message>
        <source>Vor „Weiter“ bei Verlusten &amp;fragen</source>
        <translation>Ask Before “Next” About &amp;Preventable Losses</translation>
    </message>
    <message>
        <source>Programm be&amp;enden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Handbuch</source>
        <translation>&amp;Guide</translation>
    </message>
    <message>
        <source>Ü&amp;ber Trevo</source>
        <translation>&amp;About Trevo</translation>
    </message>
    <message>
        <source>&amp;Fenster</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>&amp;Nebeneinander</source>
        <translation>&amp;Side by Side</translation>
    </message>
    <message>
        <source>N&amp;ächstes Fenster</source>
        <translation>&amp;Next Window</translation>
    </message>
    <message>
        <source>&amp;Voriges Fenster</source>
        <translation>&amp;Previous Window</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Hintergrund&amp;musik ein-/ausschalten</source>
        <translation>Background &amp;Music On/Off</translation>
    </message>
    <message>
        <source>&amp;Klänge</source>
        <translation>Sound &amp;Effects</translation>
    </message>
    <message>
        <source>Musik&amp;lautstärke</source>
        <translation>Music &amp;Volume</translation>
    </message>
    <message>
        <source>Musiklautstärke</source>
        <translation>Music Volume</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>Trevo-Spiele (*.hof TrevoSpielstand.bin);;Alle Dateien (*)</source>
        <translation>Trevo games (*.hof TrevoSpielstand.bin);;All files (*)</translation>
    </message>
    <message>
        <source>Spiel öffnen</source>
        <translation>Open Game</translation>
    </message>
    <message>
        <source>Spiel speichern unter</source>
        <translation>Save Game As</translation>
    </message>
    <message>
        <source>Dieses Spiel läuft bereits in einem anderen Fenster:</source>
        <translation>This game is already running in another window:</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Spiel &amp;speichern unter …</source>
        <translation>&amp;Save Game As …</translation>
    </message>
    <message>
        <source>Spiel ö&amp;ffnen …</source>
        <translation>&amp;Open Game …</translation>
    </message>
    <message>
        <source>&amp;Zuletzt gespielt</source>
        <translation>Recen&amp;t Games</translation>
    </message>
    <message>
        <source>Zuletzt gespielt</source>
        <translation>Recent Games</translation>
    </message>
    <message>
        <source>(keine anderen Spiele)</source>
        <translation>(no other games)</translation>
    </message>
    <message>
        <source>Das Spiel konnte nicht geöffnet werden:</source>
        <translation>The game could not be opened:</translation>
    </message>
    <message>
        <source>Das laufende Spiel geht weiter.</source>
        <translation>The game you are playing goes on.</translation>
    </message>
</context>
<context>
    <name>HilfeFenster</name>
    <message>
        <source>Trevo – Hilfe</source>
        <translation>Trevo – Help</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vor</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Zu diesem Thema gibt es keine Hilfe.</source>
        <translation>There is no help on this topic.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Hilfe nicht gefunden&lt;/h2&gt;&lt;p&gt;Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; ist nicht vorhanden oder kann nicht gelesen werden.&lt;/p&gt;&lt;p&gt;Die Spielanleitung gehört als &lt;b&gt;trevo.html&lt;/b&gt; in das Verzeichnis des Programms.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; is missing or cannot be read.&lt;/p&gt;&lt;p&gt;The game’s guide belongs in the program’s folder as &lt;b&gt;trevo.html&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>HofbuchFenster</name>
    <message>
        <source> Mio.</source>
        <translation> M</translation>
    </message>
    <message>
        <source> Tsd.</source>
        <translation> k</translation>
    </message>
    <message>
        <source>-888 Tsd.</source>
        <translation>-888 k</translation>
    </message>
    <message>
        <source>Noch kein Monat verbucht</source>
        <translation>No month booked yet</translation>
    </message>
    <message>
        <source>Hofbuch</source>
        <translation>Farm Logbook</translation>
    </message>
    <message>
        <source>Guthaben</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Prices</translation>
    </message>
    <message>
        <source>Tiere</source>
        <translation>Livestock</translation>
    </message>
    <message>
        <source>Lager</source>
        <translation>Stores</translation>
    </message>
    <message>
        <source>Jahre</source>
        <translation>Years</translation>
    </message>
    <message>
        <source>Für Tabellenprogramme &amp;exportieren …</source>
        <translation>&amp;Export for Spreadsheets …</translation>
    </message>
    <message>
        <source>Guthaben am Monatsende (EUR)</source>
        <translation>Balance at month end (EUR)</translation>
    </message>
    <message>
        <source> (EUR/%1)</source>
        <translation> (EUR/%1)</translation>
    </message>
    <message>
        <source> (Bestand und Kapazität)</source>
        <translation> (stock and capacity)</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Net result</translation>
    </message>
    <message>
        <source>Einnahmen</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Ausgaben</source>
        <translation>Expenses</translation>
    </message>
    <message>
        <source>
bestes Jahr</source>
        <translation>
best year</translation>
    </message>
    <message>
        <source>
schlechtestes Jahr</source>
        <translation>
worst year</translation>
    </message>
    <message>
        <source>Hofbuch exportieren</source>
        <translation>Export Farm Logbook</translation>
    </message>
    <message>
        <source>CSV, durch Kommas getrennt (*.csv)</source>
        <translation>CSV, comma-separated (*.csv)</translation>
    </message>
    <message>
        <source>Das Hofbuch konnte nicht exportiert werden:
%1

%2</source>
        <translation>The farm logbook could not be exported:
%1

%2</translation>
    </message>
</context>
<context>
    <name>Kern</name>
    <message>
        <source>Das ist zu viel!</source>
        <translation>That’s too much!</translation>
    </message>
    <message>
        <source>Das ist zu viel!<byte value="xd"/><byte value="xd"/>Klicken Sie auf Maximum, um es zu erhöhen.</source>
        <translation>That’s too much!<byte value="xd"/><byte value="xd"/>Click Maximum to raise it.</translation>
    </message>
    <message>
        <source>Es ist möglich die Maximalmenge um 50% zu erhöhen.<byte value="xd"/>Dies würde Kosten von %1 verursachen.<byte value="xd"/><byte value="xd"/>Möchten Sie dies tun?</source>
        <translation>You can raise the maximum quantity by 50%.<byte value="xd"/>That would cost %1.<byte value="xd"/><byte value="xd"/>Do you want to do that?</translation>
    </message>
    <message>
        <source>Es ist zu kalt und der Boden ist zu hart für eine Bearbeitung.</source>
        <translation>It’s too cold and the ground is too hard to work.</translation>
    </message>
    <message>
        <source>Es ist zu wenig Diesel da! Kaufen Sie nach und versuchen es nochmal.</source>
        <translation>There isn’t enough diesel! Buy more and try again.</translation>
    </message>
    <message>
        <source>Das gemähte Gras wurde zu %1 kg Futter verarbeitet.</source>
        <translation>The mown grass was made into %1 kg of feed.</translation>
    </message>
    <message>
        <source>Die Ernte hat %1 DZentner %2 eingebracht.</source>
        <translation>The harvest brought in %1 dt of %2.</translation>
    </message>
    <message>
        <source>Wegen begrenzter Lagermöglichkeiten sind %1 %2 verloren.</source>
        <translation>For lack of storage room, %1 %2 were lost.</translation>
    </message>
    <message>
        <source>Möchten Sie den Pachtvertrag mit sofortiger Wirkung kündigen?</source>
        <translation>Do you want to end the lease with immediate effect?</translation>
    </message>
    <message>
        <source>Dieses Feld gehört Ihnen nicht. Möchten Sie es pachten?</source>
        <translation>You don’t own this field. Do you want to lease it?</translation>
    </message>
    <message>
        <source>Wollen Sie wirklich wieder von vorne anfangen?</source>
        <translation>Do you really want to start all over again?</translation>
    </message>
    <message>
        <source>Wegen Futtermangel sind einige Tiere gestorben!</source>
        <translation>Some animals died for lack of feed!</translation>
    </message>
    <message>
        <source>Wegen BSE mussten alle Kühe getötet werden.</source>
        <translation>Because of BSE, all the cows had to be put down.</translation>
    </message>
    <message>
        <source>Wegen Verdacht auf Maul und Klauenseuche mussten alle Schweine getötet werden.</source>
        <translation>Foot-and-mouth disease was suspected: all the pigs had to be put down.</translation>
    </message>
    <message>
        <source>Das ist zu viel!<byte value="xd"/><byte value="xd"/>Klicken Sie auf Maximum, um die verfügbare Stallfläche zu erhöhen.</source>
        <translation>That’s too much!<byte value="xd"/><byte value="xd"/>Click Maximum to enlarge the stable.</translation>
    </message>
    <message>
        <source>Keine Tiere da!</source>
        <translation>There are no animals!</translation>
    </message>
    <message>
        <source>Eine weitere Erhöhung der Maximalmenge ist nicht möglich</source>
        <translation>The maximum quantity cannot be raised any further</translation>
    </message>
    <message>
        <source>Kontrolle</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Kontoauszug</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Prices</translation>
    </message>
    <message>
        <source>Felder</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Ausblick</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Feld Bearbeitung</source>
        <translation>Field Work</translation>
    </message>
    <message>
        <source>Bitte wählen</source>
        <translation>Please Choose</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Kühe</source>
        <translation>Cows</translation>
    </message>
    <message>
        <source>Schweine</source>
        <translation>Pigs</translation>
    </message>
    <message>
        <source>Hühner</source>
        <translation>Hens</translation>
    </message>
    <message>
        <source>Schafe</source>
        <translation>Sheep</translation>
    </message>
    <message>
        <source>Futter</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>Milch</source>
        <translation>Milk</translation>
    </message>
    <message>
        <source>Eier</source>
        <translation>Eggs</translation>
    </message>
    <message>
        <source>Wolle</source>
        <translation>Wool</translation>
    </message>
    <message>
        <source>Getreide</source>
        <translation>Grain</translation>
    </message>
    <message>
        <source>Rüben</source>
        <translation>Beets</translation>
    </message>
    <message>
        <source>Diesel</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <source>Stück</source>
        <translation>piece</translation>
    </message>
    <message>
        <source>Liter</source>
        <translation>litre</translation>
    </message>
    <message>
        <source>DZentner</source>
        <translation>dt</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Hier klicken, wenn alle Arbeiten für den aktuellen Monat abgeschlossen sind.</source>
        <translation>Click here when all of this month’s work is done.</translation>
    </message>
    <message>
        <source>Kaufen</source>
        <translation>Buy</translation>
    </message>
    <message>
        <source>Verkaufen</source>
        <translation>Sell</translation>
    </message>
    <message>
        <source>Weitere Optionen ein-/ausblenden</source>
        <translation>Show or hide more options</translation>
    </message>
    <message>
        <source>Klick mit Rechts: Kaufe Maximalmenge</source>
        <translation>Right-click: buy as much as fits</translation>
    </message>
    <message>
        <source>Klick mit Rechts: Verkaufe alles</source>
        <translation>Right-click: sell everything</translation>
    </message>
    <message>
        <source>Maximum:</source>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>Vermehren</source>
        <translation>Breed</translation>
    </message>
    <message>
        <source>Milchgeben</source>
        <translation>Milking</translation>
    </message>
    <message>
        <source>Eierlegen</source>
        <translation>Egg laying</translation>
    </message>
    <message>
        <source>Wollegeben</source>
        <translation>Shearing</translation>
    </message>
    <message>
        <source>Einzelnes Tier</source>
        <translation>Single Animal</translation>
    </message>
    <message>
        <source>Ordnungs Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>kein</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Gut</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>Preis</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Gewichtsklasse Klein</source>
        <translation>Weight class small</translation>
    </message>
    <message>
        <source>Gewichtsklasse Mittel</source>
        <translation>Weight class medium</translation>
    </message>
    <message>
        <source>Gewichtsklasse Groß</source>
        <translation>Weight class large</translation>
    </message>
    <message>
        <source>&amp;Arbeit</source>
        <translation>&amp;Work</translation>
    </message>
    <message>
        <source>&amp;Saatgut</source>
        <translation>&amp;Seed</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Go</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Pachtvertrag &amp;kündigen</source>
        <translation>&amp;End Lease</translation>
    </message>
    <message>
        <source>Pflügen</source>
        <translation>Plough</translation>
    </message>
    <message>
        <source>Grubbern</source>
        <translation>Cultivate</translation>
    </message>
    <message>
        <source>Düngen</source>
        <translation>Fertilise</translation>
    </message>
    <message>
        <source>Drillen</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>Ernten</source>
        <translation>Harvest</translation>
    </message>
    <message>
        <source>Sommergerste</source>
        <translation>Spring barley</translation>
    </message>
    <message>
        <source>Winterweizen</source>
        <translation>Winter wheat</translation>
    </message>
    <message>
        <source>Gras</source>
        <translation>Grass</translation>
    </message>
    <message>
        <source>pflügen</source>
        <translation>Plough</translation>
    </message>
    <message>
        <source>grubbern</source>
        <translation>Cultivate</translation>
    </message>
    <message>
        <source>drillen</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>Gerste</source>
        <translation>Barley</translation>
    </message>
    <message>
        <source>Weizen</source>
        <translation>Wheat</translation>
    </message>
    <message>
        <source>nicht gepachtet</source>
        <translation>not leased</translation>
    </message>
    <message>
        <source>gepachtet</source>
        <translation>leased</translation>
    </message>
    <message>
        <source>unbearbeitet</source>
        <translation>untilled</translation>
    </message>
    <message>
        <source>kaum vorbereitet</source>
        <translation>barely prepared</translation>
    </message>
    <message>
        <source>halb vorbereitet</source>
        <translation>half prepared</translation>
    </message>
    <message>
        <source>gut vorbereitet</source>
        <translation>well prepared</translation>
    </message>
    <message>
        <source>saatfertig</source>
        <translation>ready to sow</translation>
    </message>
    <message>
        <source>wächst nicht</source>
        <translation>not growing</translation>
    </message>
    <message>
        <source>keimt</source>
        <translation>germinating</translation>
    </message>
    <message>
        <source>überreif</source>
        <translation>over-ripe</translation>
    </message>
    <message>
        <source>erntereif</source>
        <translation>ripe</translation>
    </message>
    <message>
        <source>wächst</source>
        <translation>growing</translation>
    </message>
    <message>
        <source>Klicken Sie auf ein Feld!</source>
        <translation>Click on a field!</translation>
    </message>
    <message>
        <source>nicht gepachtet, klicken zum Pachten</source>
        <translation>not leased, click to lease it</translation>
    </message>
    <message>
        <source>bringt nichts</source>
        <translation>yields nothing</translation>
    </message>
    <message>
        <source>Sonstige Kosten</source>
        <translation>Other costs</translation>
    </message>
    <message>
        <source>Pacht für Felder</source>
        <translation>Field rent</translation>
    </message>
    <message>
        <source>Vergrößerung</source>
        <translation>Expansion</translation>
    </message>
    <message>
        <source>Düngemittel</source>
        <translation>Fertiliser</translation>
    </message>
    <message>
        <source>Saatgut</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Änderung</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>das Futtersilo ist über seinem Maximum: Futter verkaufen</source>
        <translation>the feed silo is above its maximum: sell feed</translation>
    </message>
    <message>
        <source>zu kalt zum Ernten</source>
        <translation>too cold to harvest</translation>
    </message>
    <message>
        <source>vielleicht zu kalt zum Ernten</source>
        <translation>maybe too cold to harvest</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>%1 EUR</source>
        <translation>%1 EUR</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>%1 Liter</source>
        <translation>%1 l</translation>
    </message>
    <message>
        <source>%1 Stück</source>
        <translation>%1 pcs</translation>
    </message>
    <message>
        <source>%1 DZentner</source>
        <translation>%1 dt</translation>
    </message>
    <message>
        <source>%1 DZ</source>
        <translation>%1 dt</translation>
    </message>
    <message>
        <source>%1 ha</source>
        <translation>%1 ha</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1 kg Futter</source>
        <translation>%1 kg of feed</translation>
    </message>
    <message>
        <source>%1 DZentner %2</source>
        <translation>%1 dt of %2</translation>
    </message>
    <message>
        <source>%1 l Diesel</source>
        <translation>%1 l of diesel</translation>
    </message>
    <message>
        <source>Guthaben: %1</source>
        <translation>Balance: %1</translation>
    </message>
    <message>
        <source>Temperatur: %1°C</source>
        <translation>Temperature: %1°C</translation>
    </message>
    <message>
        <source>Ankauf heute: %1 je %2</source>
        <translation>Buying today: %1 per %2</translation>
    </message>
    <message>
        <source>Verkauf heute: %1 je %2</source>
        <translation>Selling today: %1 per %2</translation>
    </message>
    <message>
        <source>Ankauf heute: %1 je ausgewachsenes Tier</source>
        <translation>Buying today: %1 per grown animal</translation>
    </message>
    <message>
        <source>Verkauf heute: %1 je ausgewachsenes Tier</source>
        <translation>Selling today: %1 per grown animal</translation>
    </message>
    <message>
        <source>Verkauf heute: %1 für dieses Tier</source>
        <translation>Selling today: %1 for this animal</translation>
    </message>
    <message>
        <source>Ankaufspreis: %1,</source>
        <translation>Buying price: %1,</translation>
    </message>
    <message>
        <source>Verkaufspreis: %1</source>
        <translation>Selling price: %1</translation>
    </message>
    <message>
        <source>%1-Kauf %2</source>
        <translation>%1 purchase %2</translation>
    </message>
    <message>
        <source>%1-Verkauf %2</source>
        <translation>%1 sale %2</translation>
    </message>
    <message>
        <source>%1 Kauf</source>
        <translation>%1 purchase</translation>
    </message>
    <message>
        <source>%1 Verkauf</source>
        <translation>%1 sale</translation>
    </message>
    <message>
        <source>Milchgeben %1</source>
        <translation>Milk %1</translation>
    </message>
    <message>
        <source>Eierlegen %1</source>
        <translation>Eggs %1</translation>
    </message>
    <message>
        <source>Wollegeben %1</source>
        <translation>Wool %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Bewuchs: %1</source>
        <translation>Crop: %1</translation>
    </message>
    <message>
        <source>Fläche: %1</source>
        <translation>Area: %1</translation>
    </message>
    <message>
        <source>gepachtet, leer, %1</source>
        <translation>leased, bare, %1</translation>
    </message>
    <message>
        <source>gepachtet, %1, %2</source>
        <translation>leased, %1, %2</translation>
    </message>
    <message>
        <source>kein Bewuchs, %1</source>
        <translation>no crop, %1</translation>
    </message>
    <message>
        <source>Wert %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>Wert %1 (saatfähig ab 0)</source>
        <translation>Score %1 (ready to sow from 0)</translation>
    </message>
    <message>
        <source>Wert %1 (Ertrag ab %2)</source>
        <translation>Score %1 (yields from %2)</translation>
    </message>
    <message>
        <source>%1: %2 ha, Pacht %3 im Monat</source>
        <translation>%1: %2 ha, rent %3 a month</translation>
    </message>
    <message>
        <source>%1 Düngemittel</source>
        <translation>%1 fertiliser</translation>
    </message>
    <message>
        <source>%1 Saatgut</source>
        <translation>%1 seed</translation>
    </message>
    <message>
        <source>bringt %1</source>
        <translation>yields %1</translation>
    </message>
    <message>
        <source>Auf %1 wächst %2 (%3, Wert %4). Trotzdem %5?</source>
        <translation>%2 is growing on %1 (%3, score %4). %5 it anyway?</translation>
    </message>
    <message>
        <source>Düngen ändert hier nichts (Wert %1)</source>
        <translation>Fertilising changes nothing here (score %1)</translation>
    </message>
    <message>
        <source>Saat wächst hier nicht (Wert danach %1, wächst ab %2)</source>
        <translation>Seed won’t grow here (score after %1, grows from %2)</translation>
    </message>
    <message>
        <source>Lager zu klein: %1 gehen verloren</source>
        <translation>Store too small: %1 will be lost</translation>
    </message>
    <message>
        <source>Wegen der Kälte sind alle Pflanzen auf Feld &quot;%1&quot; eingegangen.</source>
        <translation>The cold has killed all the plants on field &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Auf Feld &quot;%1&quot; waren alle Pflanzen überreif und sind eingegangen.</source>
        <translation>All the plants on field &quot;%1&quot; were over-ripe and have died.</translation>
    </message>
    <message>
        <source>etwa %1 kg</source>
        <translation>about %1 kg</translation>
    </message>
    <message>
        <source>%1–%2 EUR</source>
        <translation>%1–%2 EUR</translation>
    </message>
    <message>
        <source>Weiter (%1)</source>
        <translation>Next (%1)</translation>
    </message>
    <message>
        <source>Feld %1</source>
        <translation>field %1</translation>
    </message>
    <message>
        <source>Pacht von %1</source>
        <translation>Lease of %1</translation>
    </message>
    <message>
        <source>Kündigung von %1</source>
        <translation>End of lease of %1</translation>
    </message>
    <message>
        <source>Feldarbeit auf %1</source>
        <translation>Field work on %1</translation>
    </message>
    <message>
        <source>Vergrößerung: %1</source>
        <translation>Expansion: %1</translation>
    </message>
    <message>
        <source>Kauf: %1 × %2</source>
        <translation>Purchase: %1 × %2</translation>
    </message>
    <message>
        <source>Verkauf: %1 × %2</source>
        <translation>Sale: %1 × %2</translation>
    </message>
    <message>
        <source>Kauf von %1</source>
        <translation>Purchase of %1</translation>
    </message>
    <message>
        <source>Verkauf von %1</source>
        <translation>Sale of %1</translation>
    </message>
    <message>
        <source>„%1“ an: %2</source>
        <translation>“%1” on: %2</translation>
    </message>
    <message>
        <source>„%1“ aus: %2</source>
        <translation>“%1” off: %2</translation>
    </message>
    <message>
        <source>Sonstige Kosten: %1</source>
        <translation>Other costs: %1</translation>
    </message>
    <message>
        <source>Pacht für Felder: %1</source>
        <translation>Field rent: %1</translation>
    </message>
    <message>
        <source>%1 (ohne Seuche)</source>
        <translation>%1 (barring disease)</translation>
    </message>
    <message>
        <source>Guthaben am Monatsende: %1</source>
        <translation>Balance at month’s end: %1</translation>
    </message>
    <message>
        <source>Futter: Bedarf %1 kg, Bestand %2 kg</source>
        <translation>Feed: need %1 kg, in stock %2 kg</translation>
    </message>
    <message>
        <source>Futter: Bedarf %1 kg, Bestand %2 kg, reicht 1 Monat</source>
        <translation>Feed: need %1 kg, in stock %2 kg, lasts 1 month</translation>
    </message>
    <message>
        <source>Futter: Bedarf %1 kg, Bestand %2 kg, reicht %3 Monate</source>
        <translation>Feed: need %1 kg, in stock %2 kg, lasts %3 months</translation>
    </message>
    <message>
        <source>%1 fressen %2 kg</source>
        <translation>%1 eat %2 kg</translation>
    </message>
    <message>
        <source>%1 fressen %2 kg: es fehlen %3 kg, ein Tier verhungert</source>
        <translation>%1 eat %2 kg: %3 kg short, one animal starves</translation>
    </message>
    <message>
        <source>%1: ein Tier verhungert</source>
        <translation>%1: one animal starves</translation>
    </message>
    <message>
        <source>%1: das Tier verhungert</source>
        <translation>%1: the animal starves</translation>
    </message>
    <message>
        <source>%1: alle %2 Tiere verhungern</source>
        <translation>%1: all %2 animals starve</translation>
    </message>
    <message>
        <source>mindestens %1 kg Futter kaufen</source>
        <translation>buy at least %1 kg of feed</translation>
    </message>
    <message>
        <source>das Futtersilo fasst nur %1 kg: Maximum erhöhen und Futter kaufen</source>
        <translation>the feed silo holds only %1 kg: raise the maximum and buy feed</translation>
    </message>
    <message>
        <source>%1: %2 erfriert (%3 °C)</source>
        <translation>%1: %2 freezes (%3 °C)</translation>
    </message>
    <message>
        <source>%1: %2 wird überreif und geht ein (%3 °C)</source>
        <translation>%1: %2 gets over-ripe and dies (%3 °C)</translation>
    </message>
    <message>
        <source>%1: %2 erfriert, jetzt geerntet %3</source>
        <translation>%1: %2 freezes, harvested now %3</translation>
    </message>
    <message>
        <source>%1: %2 wird überreif und geht ein, jetzt geerntet %3</source>
        <translation>%1: %2 gets over-ripe and dies, harvested now %3</translation>
    </message>
    <message>
        <source>%1: jetzt ernten rettet %2</source>
        <translation>%1: harvesting now saves %2</translation>
    </message>
    <message>
        <source>%1: %2 wird überreif und geht im Monat darauf ein</source>
        <translation>%1: %2 gets over-ripe and dies the month after</translation>
    </message>
    <message>
        <source>%1: %2 kann überreif werden und geht dann im Monat darauf ein</source>
        <translation>%1: %2 may get over-ripe and then dies the month after</translation>
    </message>
    <message>
        <source>%1: %2 wird erntereif</source>
        <translation>%1: %2 becomes ripe</translation>
    </message>
    <message>
        <source>%1: %2 kann erntereif werden</source>
        <translation>%1: %2 may become ripe</translation>
    </message>
    <message>
        <source>%1: Ernte jetzt brächte %2</source>
        <translation>%1: harvesting now would bring %2</translation>
    </message>
    <message>
        <source>%1: letzte Gelegenheit: im %2 %3, %4</source>
        <translation>%1: last chance: %3 in %2, %4</translation>
    </message>
    <message>
        <source>%1, %2 kann eingehen</source>
        <translation>%1, %2 may die</translation>
    </message>
    <message>
        <source>%1, %2 kann erfrieren</source>
        <translation>%1, %2 may freeze</translation>
    </message>
    <message>
        <source>%1, jetzt geerntet %2</source>
        <translation>%1, harvested now %2</translation>
    </message>
    <message>
        <source>%1: im Lager %2 ist Platz für %3, %4 gingen verloren</source>
        <translation>%1: the %2 store has room for %3, %4 would be lost</translation>
    </message>
    <message>
        <source>%1: Seuche mit %2 % Wahrscheinlichkeit, dann stirbt das Tier</source>
        <translation>%1: %2 % chance of disease, which kills the animal</translation>
    </message>
    <message>
        <source>%1: Seuche mit %2 % Wahrscheinlichkeit, dann sterben alle %3 Tiere</source>
        <translation>%1: %2 % chance of disease, which kills all %3 animals</translation>
    </message>
    <message>
        <source>%1 Junge</source>
        <translation>%1 young</translation>
    </message>
    <message>
        <source>%1: %2, im Stall Platz für %3: %4 gehen verloren</source>
        <translation>%1: %2, room in the stable for %3: %4 will be lost</translation>
    </message>
    <message>
        <source>%1: Maximum erhöhen, damit die Jungen bleiben</source>
        <translation>%1: raise the maximum to keep the young</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Guthaben am Monatsanfang</source>
        <translation>Balance at month’s start</translation>
    </message>
    <message>
        <source>Guthaben am Monatsende</source>
        <translation>Balance at month’s end</translation>
    </message>
    <message>
        <source>Pacht</source>
        <translation>Rent</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>points</translation>
    </message>
    <message>
        <source>%1 Bestand</source>
        <translation>%1 stock</translation>
    </message>
    <message>
        <source>%1 Kapazität</source>
        <translation>%1 capacity</translation>
    </message>
    <message>
        <source>%1 Tiere</source>
        <translation>%1 (head)</translation>
    </message>
    <message>
        <source>%1 Gewicht kg</source>
        <translation>%1 weight kg</translation>
    </message>
    <message>
        <source>%1 Frucht</source>
        <translation>%1 crop</translation>
    </message>
    <message>
        <source>%1 Wachstum</source>
        <translation>%1 growth</translation>
    </message>
    <message>
        <source>Preis %1</source>
        <translation>Price of %1</translation>
    </message>
    <message>
        <source>EUR je %1</source>
        <translation>EUR per %1</translation>
    </message>
    <message>
        <source>„Nein“ spielt mit dem zuletzt gespeicherten Spielstand weiter und verwirft den erhaltenen.</source>
        <translation>“No” goes on from the last saved game and discards the farm kept.</translation>
    </message>
    <message>
        <source>Der Spielstand konnte nicht gelesen werden:</source>
        <translation>The saved game could not be read:</translation>
    </message>
    <message>
        <source>Das Spiel beginnt neu. Die Datei bleibt, wie sie ist; beim Beenden wird das Spiel in einer neuen Datei daneben gesichert.</source>
        <translation>The game starts anew. The file stays as it is; when you quit, the game is saved in a new file beside it.</translation>
    </message>
    <message>
        <source>Das Spiel geht beim Wiederherstellungspunkt weiter. Die Datei bleibt, wie sie ist; beim Beenden wird das Spiel in einer neuen Datei daneben gesichert.</source>
        <translation>The game goes on from the recovery point. The file stays as it is; when you quit, the game is saved in a new file beside it.</translation>
    </message>
    <message>
        <source>Trevo wurde zuletzt nicht ordnungsgemäß beendet. Der Hof ist bis zum Ende des Monats %1 erhalten.</source>
        <translation>Trevo did not shut down properly last time. The farm is kept up to the end of %1.</translation>
    </message>
    <message>
        <source>Soll das Spiel im %1 weitergehen?</source>
        <translation>Go on playing in %1?</translation>
    </message>
</context>
<context>
    <name>KontrollView</name>
    <message>
        <source>%1: %2 Junge (im Stall Platz für %3)</source>
        <translation>%1: %2 young (room for %3 in the stable)</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>1 &amp;Verlust vorhergesehen</source>
        <translation>1 &amp;loss foreseen</translation>
    </message>
    <message>
        <source>%1 &amp;Verluste vorhergesehen</source>
        <translation>%1 &amp;losses foreseen</translation>
    </message>
    <message>
        <source>keine &amp;Verluste vorhergesehen</source>
        <translation>no &amp;losses foreseen</translation>
    </message>
</context>
<context>
    <name>PreiseView</name>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
</context>
<context>
    <name>QtPlattform</name>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Bestätigen</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Anderswo speichern …</source>
        <translation>Save Elsewhere …</translation>
    </message>
    <message>
        <source>Ohne Speichern beenden</source>
        <translation>Quit Without Saving</translation>
    </message>
    <message>
        <source>Spielstand anderswo speichern</source>
        <translation>Save the Game Elsewhere</translation>
    </message>
    <message>
        <source>Spielstand (*.bin);;Alle Dateien (*)</source>
        <translation>Saved game (*.bin);;All files (*)</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Trevo läuft bereits.</source>
        <translation>Trevo is already running.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler.</source>
        <translation>Unknown error.</translation>
    </message>
</context>
<context>
    <name>TierKaufDialog</name>
    <message>
        <source>&amp;Anzahl:</source>
        <translation>&amp;Quantity:</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Quantity</translation>
    </message>
</context>
<context>
    <name>TierView</name>
    <message>
        <source>Voriges Tier</source>
        <translation>Previous animal</translation>
    </message>
    <message>
        <source>Nächstes Tier</source>
        <translation>Next animal</translation>
    </message>
    <message>
        <source>Keine Ware</source>
        <translation>No produce</translation>
    </message>
    <message>
        <source>Alle Tiere</source>
        <translation>All animals</translation>
    </message>
    <message>
        <source>Ordnungsnummer und Gewicht jedes Tiers; das gewählte Tier wird als einzelnes Tier gezeigt</source>
        <translation>Number and weight of every animal; the one chosen is shown as the single animal</translation>
    </message>
</context>
<context>
    <name>UeberTrevo</name>
    <message>
        <source>der Wortlaut der Lizenz liegt dem Spiel als LICENSE bei</source>
        <translation>the full licence text comes with the game as LICENSE</translation>
    </message>
    <message>
        <source>der Wortlaut der Lizenz steht auf diesem System in %1</source>
        <translation>the full licence text is on this system in %1</translation>
    </message>
    <message>
        <source>Über Trevo</source>
        <translation>About Trevo</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Trevo %1&lt;/h2&gt;&lt;p&gt;Einen Bauernhof Monat für Monat führen.&lt;/p&gt;&lt;p&gt;Trevo ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, Version&amp;nbsp;3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und verändern (GPL-3.0-or-later). Trevo wird ohne jede Gewährleistung verbreitet; %3.&lt;/p&gt;&lt;p&gt;Beim Spielen verwendet Trevo:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 für Fenster, Bilder und Klänge (The Qt Company, LGPL-3.0)&lt;/li&gt;&lt;li&gt;libvorbis für die Hintergrundmusik (Xiph.Org, BSD-3-Clause)&lt;/li&gt;&lt;li&gt;die Schriften Liberation Sans und Liberation Mono (Red Hat, SIL Open Font License 1.1)&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Die Hintergrundmusik wurde beim Bau des Spiels einmal mit FluidSynth (LGPL-2.1 oder später) und der General-MIDI-Klangbank TimGM6mb von Tim Brechbill (GPL-2.0) gespielt und als Ogg Vorbis aufgenommen.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Trevo %1&lt;/h2&gt;&lt;p&gt;Run a farm, month by month.&lt;/p&gt;&lt;p&gt;Trevo is free software: you may pass it on and change it under the terms of the GNU General Public License, version&amp;nbsp;3 or (at your option) any later version (GPL-3.0-or-later). Trevo comes without any warranty; %3.&lt;/p&gt;&lt;p&gt;While you play, Trevo uses:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 for windows, pictures and sounds (The Qt Company, LGPL-3.0)&lt;/li&gt;&lt;li&gt;libvorbis for the background music (Xiph.Org, BSD-3-Clause)&lt;/li&gt;&lt;li&gt;the fonts Liberation Sans and Liberation Mono (Red Hat, SIL Open Font License 1.1)&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The background music was played once when the game was built, with FluidSynth (LGPL-2.1 or later) and Tim Brechbill’s General MIDI sound bank TimGM6mb (GPL-2.0), and recorded as Ogg Vorbis.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Weiterfrage</name>
    <message>
        <source>Bestätigen</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Nicht mehr &amp;fragen</source>
        <translation>&amp;Don’t ask again</translation>
    </message>
    <message>
        <source>Der Ausblick sieht für diesen Monat Verluste, die sich jetzt noch vermeiden lassen:
</source>
        <translation>The outlook sees losses this month that you can still prevent:
</translation>
    </message>
    <message>
        <source>

Trotzdem weiter?</source>
        <translation>

End the month anyway?</translation>
    </message>
    <message>
        <source>Im vollen Stall gehen in diesem Monat Junge verloren:
</source>
        <translation>A full stable will lose young animals this month:
</translation>
    </message>
    <message>
        <source>

Mit einem höheren Maximum blieben sie. Trotzdem weiter?</source>
        <translation>

With a higher maximum they would stay. End the month anyway?</translation>
    </message>
</context>
</TS>
