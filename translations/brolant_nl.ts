<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>LivePage</name>
    <message>
        <source>connecting</source>
        <translation>verbinden</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Accu</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Stroom</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Vermogen</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Windmolen</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>no reading yet</source>
        <translation>nog geen meting</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
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
        <translation>Ampère</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>Toeren</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>Toeren</translation>
    </message>
    <message>
        <source>today&apos;s records</source>
        <translation>metingen van vandaag</translation>
    </message>
    <message>
        <source>Download the day&apos;s log</source>
        <translation>Daglogboek downloaden</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energie per dag</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Vorige</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Volgende &gt;</translation>
    </message>
    <message>
        <source>energy per day of the month</source>
        <translation>energie per dag van de maand</translation>
    </message>
    <message>
        <source>Download the month&apos;s energy (CSV)</source>
        <translation>Energie van de maand downloaden (CSV)</translation>
    </message>
    <message>
        <source>Power curve, last 30 days</source>
        <translation>Vermogenscurve, laatste 30 dagen</translation>
    </message>
    <message>
        <source>mean watts against wind speed</source>
        <translation>gemiddeld vermogen tegen windsnelheid</translation>
    </message>
    <message>
        <source>Download the power curve (CSV)</source>
        <translation>Vermogenscurve downloaden (CSV)</translation>
    </message>
    <message>
        <source>Charts drawn by uPlot (MIT licence,</source>
        <translation>Grafieken getekend met uPlot (MIT-licentie,</translation>
    </message>
    <message>
        <source>its text</source>
        <translation>de tekst</translation>
    </message>
    <message>
        <source>ALARM: %1 %2</source>
        <translation>ALARM: %1 %2</translation>
    </message>
    <message>
        <source>This interval: %1</source>
        <translation>Dit interval: %1</translation>
    </message>
    <message>
        <source>Logging every %1&#xa0;s.</source>
        <translation>Registratie elke %1&#xa0;s.</translation>
    </message>
    <message>
        <source>Not logging.</source>
        <translation>Geen registratie.</translation>
    </message>
    <message>
        <source>Board port open</source>
        <translation>Poort van de meetkaart open</translation>
    </message>
    <message>
        <source>Board port not working (%1)</source>
        <translation>Poort van de meetkaart werkt niet (%1)</translation>
    </message>
    <message>
        <source>Board port held by %1</source>
        <translation>Poort van de meetkaart bezet door %1</translation>
    </message>
    <message>
        <source>The logger is ending</source>
        <translation>De logger stopt</translation>
    </message>
    <message>
        <source>No board port set</source>
        <translation>Geen poort voor de meetkaart ingesteld</translation>
    </message>
    <message>
        <source> Another logger publishes as site %1.</source>
        <translation> Een andere logger publiceert als locatie %1.</translation>
    </message>
    <message>
        <source>Publishing to %1.</source>
        <translation>Publiceert naar %1.</translation>
    </message>
    <message>
        <source>Connecting to the broker at %1.</source>
        <translation>Verbinden met de broker op %1.</translation>
    </message>
    <message>
        <source>The broker at %1 refuses the records: %2.</source>
        <translation>De broker op %1 weigert de metingen: %2.</translation>
    </message>
    <message>
        <source>Broker not available: %1.</source>
        <translation>Broker niet bereikbaar: %1.</translation>
    </message>
    <message>
        <source>No reading yet.</source>
        <translation>Nog geen meting.</translation>
    </message>
    <message>
        <source>Last reading just now.</source>
        <translation>Laatste meting zojuist.</translation>
    </message>
    <message>
        <source>Last reading %1 ago.</source>
        <translation>Laatste meting %1 geleden.</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>updated every few seconds</source>
        <translation>elke paar seconden bijgewerkt</translation>
    </message>
    <message>
        <source>no connection</source>
        <translation>geen verbinding</translation>
    </message>
    <message>
        <source>No connection to the logger.</source>
        <translation>Geen verbinding met de logger.</translation>
    </message>
    <message>
        <source>No connection to the logger since %1: the figures below are from then, not now.</source>
        <translation>Geen verbinding met de logger sinds %1: de waarden hieronder zijn van toen, niet van nu.</translation>
    </message>
    <message>
        <source>Nothing logged yet today.</source>
        <translation>Vandaag nog niets geregistreerd.</translation>
    </message>
    <message>
        <source>%1 records.</source>
        <translation>%1 metingen.</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Wind %1</translation>
    </message>
    <message>
        <source>wind %1</source>
        <translation>wind %1</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>watt</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>volt</translation>
    </message>
    <message>
        <source>Nothing logged this month.</source>
        <translation>Deze maand niets geregistreerd.</translation>
    </message>
    <message>
        <source>Total %1 Wh, a mean of %2 Wh a day</source>
        <translation>Totaal %1 Wh, gemiddeld %2 Wh per dag</translation>
    </message>
    <message>
        <source>; the fainter bars are computed from the daily logs.</source>
        <translation>; de lichtere balken zijn berekend uit de daglogboeken.</translation>
    </message>
    <message>
        <source> %1 damaged line(s) in Whours.txt passed over.</source>
        <translation> %1 beschadigde regel(s) in Whours.txt overgeslagen.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Wh computed</source>
        <translation>Wh berekend</translation>
    </message>
    <message>
        <source>watt-hours</source>
        <translation>wattuur</translation>
    </message>
    <message>
        <source> %1 could not be read (%2): what it holds is missing here.</source>
        <translation> %1 kon niet worden gelezen (%2): wat erin staat ontbreekt hier.</translation>
    </message>
    <message>
        <source>Nothing logged from %1 to %2.</source>
        <translation>Niets geregistreerd van %1 tot %2.</translation>
    </message>
    <message>
        <source>%1 records from %2 to %3; hollow points stand on fewer than 10 records.</source>
        <translation>%1 metingen van %2 tot %3; open punten berusten op minder dan 10 metingen.</translation>
    </message>
    <message>
        <source>Mean W</source>
        <translation>Gemiddeld W</translation>
    </message>
    <message>
        <source>Mean W, few records</source>
        <translation>Gemiddeld W, weinig metingen</translation>
    </message>
    <message>
        <source>Max W</source>
        <translation>Max. W</translation>
    </message>
</context>
</TS>
