<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>LivePage</name>
    <message>
        <source>connecting</source>
        <translation>verbinde</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Windrad</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>no reading yet</source>
        <translation>noch kein Messwert</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Amps</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>today&apos;s records</source>
        <translation>Aufzeichnungen von heute</translation>
    </message>
    <message>
        <source>Download the day&apos;s log</source>
        <translation>Tagesprotokoll herunterladen</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energie pro Tag</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>energy per day of the month</source>
        <translation>Energie pro Tag des Monats</translation>
    </message>
    <message>
        <source>Download the month&apos;s energy (CSV)</source>
        <translation>Energie des Monats herunterladen (CSV)</translation>
    </message>
    <message>
        <source>Power curve, last 30 days</source>
        <translation>Leistungskurve, letzte 30 Tage</translation>
    </message>
    <message>
        <source>mean watts against wind speed</source>
        <translation>mittlere Leistung über der Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>Download the power curve (CSV)</source>
        <translation>Leistungskurve herunterladen (CSV)</translation>
    </message>
    <message>
        <source>Charts drawn by uPlot (MIT licence,</source>
        <translation>Diagramme gezeichnet mit uPlot (MIT-Lizenz,</translation>
    </message>
    <message>
        <source>its text</source>
        <translation>ihr Text</translation>
    </message>
    <message>
        <source>ALARM: %1 %2</source>
        <translation>ALARM: %1 %2</translation>
    </message>
    <message>
        <source>This interval: %1</source>
        <translation>Dieses Intervall: %1</translation>
    </message>
    <message>
        <source>Logging every %1&#xa0;s.</source>
        <translation>Aufzeichnung alle %1&#xa0;s.</translation>
    </message>
    <message>
        <source>Not logging.</source>
        <translation>Keine Aufzeichnung.</translation>
    </message>
    <message>
        <source>Board port open</source>
        <translation>Port der Messplatine offen</translation>
    </message>
    <message>
        <source>Board port not working (%1)</source>
        <translation>Port der Messplatine gestört (%1)</translation>
    </message>
    <message>
        <source>Board port held by %1</source>
        <translation>Port der Messplatine belegt von %1</translation>
    </message>
    <message>
        <source>The logger is ending</source>
        <translation>Der Logger wird beendet</translation>
    </message>
    <message>
        <source>No board port set</source>
        <translation>Kein Port für die Messplatine eingestellt</translation>
    </message>
    <message>
        <source> Another logger publishes as site %1.</source>
        <translation> Ein anderer Logger veröffentlicht als Standort %1.</translation>
    </message>
    <message>
        <source>Publishing to %1.</source>
        <translation>Veröffentlicht an %1.</translation>
    </message>
    <message>
        <source>Connecting to the broker at %1.</source>
        <translation>Verbinde mit dem Broker unter %1.</translation>
    </message>
    <message>
        <source>The broker at %1 refuses the records: %2.</source>
        <translation>Der Broker unter %1 lehnt die Messwerte ab: %2.</translation>
    </message>
    <message>
        <source>Broker not available: %1.</source>
        <translation>Broker nicht erreichbar: %1.</translation>
    </message>
    <message>
        <source>No reading yet.</source>
        <translation>Noch kein Messwert.</translation>
    </message>
    <message>
        <source>Last reading just now.</source>
        <translation>Letzter Messwert gerade eben.</translation>
    </message>
    <message>
        <source>Last reading %1 ago.</source>
        <translation>Letzter Messwert vor %1.</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>updated every few seconds</source>
        <translation>alle paar Sekunden aktualisiert</translation>
    </message>
    <message>
        <source>no connection</source>
        <translation>keine Verbindung</translation>
    </message>
    <message>
        <source>No connection to the logger.</source>
        <translation>Keine Verbindung zum Logger.</translation>
    </message>
    <message>
        <source>No connection to the logger since %1: the figures below are from then, not now.</source>
        <translation>Keine Verbindung zum Logger seit %1: die Werte unten sind von damals, nicht von jetzt.</translation>
    </message>
    <message>
        <source>Nothing logged yet today.</source>
        <translation>Heute noch nichts aufgezeichnet.</translation>
    </message>
    <message>
        <source>%1 records.</source>
        <translation>%1 Aufzeichnungen.</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Wind %1</translation>
    </message>
    <message>
        <source>wind %1</source>
        <translation>Wind %1</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Nothing logged this month.</source>
        <translation>Diesen Monat nichts aufgezeichnet.</translation>
    </message>
    <message>
        <source>Total %1 Wh, a mean of %2 Wh a day</source>
        <translation>Gesamt %1 Wh, im Mittel %2 Wh pro Tag</translation>
    </message>
    <message>
        <source>; the fainter bars are computed from the daily logs.</source>
        <translation>; die blasseren Balken sind aus den Tagesprotokollen berechnet.</translation>
    </message>
    <message>
        <source> %1 damaged line(s) in Whours.txt passed over.</source>
        <translation> %1 beschädigte Zeile(n) in Whours.txt übersprungen.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Wh computed</source>
        <translation>Wh berechnet</translation>
    </message>
    <message>
        <source>watt-hours</source>
        <translation>Wattstunden</translation>
    </message>
    <message>
        <source> %1 could not be read (%2): what it holds is missing here.</source>
        <translation> %1 konnte nicht gelesen werden (%2): sein Inhalt fehlt hier.</translation>
    </message>
    <message>
        <source>Nothing logged from %1 to %2.</source>
        <translation>Nichts aufgezeichnet von %1 bis %2.</translation>
    </message>
    <message>
        <source>%1 records from %2 to %3; hollow points stand on fewer than 10 records.</source>
        <translation>%1 Aufzeichnungen von %2 bis %3; hohle Punkte beruhen auf weniger als 10 Aufzeichnungen.</translation>
    </message>
    <message>
        <source>Mean W</source>
        <translation>Mittel W</translation>
    </message>
    <message>
        <source>Mean W, few records</source>
        <translation>Mittel W, wenige Werte</translation>
    </message>
    <message>
        <source>Max W</source>
        <translation>Max. W</translation>
    </message>
</context>
</TS>
