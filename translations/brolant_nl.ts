<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Brolant::AlarmBanner</name>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2 om %3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>alarms</source>
        <translation>alarmen</translation>
    </message>
    <message>
        <source>silence the alarm notifications; alarms stay listed until they clear</source>
        <translation>alarmmeldingen dempen; alarmen blijven vermeld tot ze opgeheven zijn</translation>
    </message>
    <message>
        <source>ALARM: </source>
        <translation>ALARM: </translation>
    </message>
    <message>
        <source> (acknowledged)</source>
        <translation> (bevestigd)</translation>
    </message>
    <message>
        <source>Cleared: </source>
        <translation>Opgeheven: </translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmBoard</name>
    <message>
        <source>Brolant alarm</source>
        <translation>Brolant-alarm</translation>
    </message>
    <message>
        <source>Brolant alarm cleared</source>
        <translation>Brolant-alarm opgeheven</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmChange</name>
    <message>
        <source>LowVolts</source>
        <translation>Spanning laag</translation>
    </message>
    <message>
        <source>HighVolts</source>
        <translation>Spanning hoog</translation>
    </message>
    <message>
        <source>HighAmps</source>
        <translation>Stroom hoog</translation>
    </message>
    <message>
        <source>HighRPM</source>
        <translation>Toerental hoog</translation>
    </message>
    <message>
        <source>NoData</source>
        <translation>Geen gegevens</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>uitgeschakeld</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>actief</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>opgeheven</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmSettings</name>
    <message>
        <source>%1 must be a number with a decimal point, not a comma: &quot;%2&quot;</source>
        <translation>%1 moet een getal met een decimale punt zijn, geen komma: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a number or empty, not &quot;%2&quot;</source>
        <translation>%1 moet een getal of leeg zijn, niet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Delay must be a number of seconds, not empty</source>
        <translation>Delay moet een aantal seconden zijn, niet leeg</translation>
    </message>
    <message>
        <source>the file holds no alarm settings (no tag such as &lt;%1&gt;)</source>
        <translation>het bestand bevat geen alarminstellingen (geen tag zoals &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>%1 is set but %2 is empty: set both, or empty both to switch the alarm off</source>
        <translation>%1 is ingevuld maar %2 is leeg: vul beide in, of maak beide leeg om het alarm uit te zetten</translation>
    </message>
    <message>
        <source>%1 (%2) must be at or above %3 (%4), or the alarm could never clear</source>
        <translation>%1 (%2) moet gelijk aan of boven %3 (%4) liggen, anders kan het alarm nooit worden opgeheven</translation>
    </message>
    <message>
        <source>%1 (%2) must be at or below %3 (%4), or the alarm could never clear</source>
        <translation>%1 (%2) moet gelijk aan of onder %3 (%4) liggen, anders kan het alarm nooit worden opgeheven</translation>
    </message>
    <message>
        <source>NoData must be at least 1 second, or empty to switch the alarm off</source>
        <translation>NoData moet minstens 1 seconde zijn, of leeg om het alarm uit te zetten</translation>
    </message>
    <message>
        <source>Delay must be from 0 to %1 seconds</source>
        <translation>Delay moet tussen 0 en %1 seconden liggen</translation>
    </message>
    <message>
        <source>Command must be one line of at most %1 characters</source>
        <translation>Command moet één regel van hoogstens %1 tekens zijn</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmsDialog</name>
    <message>
        <source>Battery low: below</source>
        <translation>Accu laag: onder</translation>
    </message>
    <message>
        <source>Battery high: above</source>
        <translation>Accu hoog: boven</translation>
    </message>
    <message>
        <source>Current high: above</source>
        <translation>Stroom hoog: boven</translation>
    </message>
    <message>
        <source>Turbine speed high: above</source>
        <translation>Toerental windmolen hoog: boven</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmen</translation>
    </message>
    <message>
        <source>Leave a threshold empty to switch its alarm off.</source>
        <translation>Laat een drempel leeg om het alarm ervan uit te zetten.</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Melden</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Opheffen</translation>
    </message>
    <message>
        <source>%1 raise threshold in %2</source>
        <translation>%1: meldingsdrempel in %2</translation>
    </message>
    <message>
        <source>%1 clear threshold in %2</source>
        <translation>%1: opheffingsdrempel in %2</translation>
    </message>
    <message>
        <source>cleared at or above</source>
        <translation>opgeheven bij of boven</translation>
    </message>
    <message>
        <source>cleared at or below</source>
        <translation>opgeheven bij of onder</translation>
    </message>
    <message>
        <source>No data from the board for</source>
        <translation>Geen gegevens van de printplaat gedurende</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>Raise and clear after</source>
        <translation>Melden en opheffen na</translation>
    </message>
    <message>
        <source>Command to run on a change</source>
        <translation>Opdracht bij een wijziging</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>%1 could not be used (%2): these are the default values.</source>
        <translation>%1 kon niet worden gebruikt (%2): dit zijn de standaardwaarden.</translation>
    </message>
    <message>
        <source>The alarms were not saved, and %1 is unchanged.

%2</source>
        <translation>De alarmen zijn niet opgeslagen en %1 is ongewijzigd.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::Board</name>
    <message>
        <source>sent %1 frames (%2 with a bad checksum, %3 bytes), dropped %4 writes</source>
        <translation>%1 frames verzonden (%2 met een foute checksum, %3 bytes), %4 schrijfacties verworpen</translation>
    </message>
    <message>
        <source>%1 linked at %2</source>
        <translation>%1 gekoppeld als %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>kan %1 niet lezen</translation>
    </message>
</context>
<context>
    <name>Brolant::Calibrate</name>
    <message>
        <source>battery reading from the board</source>
        <translation>accumeting van de printplaat</translation>
    </message>
    <message>
        <source>current reading from the board</source>
        <translation>stroommeting van de printplaat</translation>
    </message>
    <message>
        <source>generator pulses from the board</source>
        <translation>generatorpulsen van de printplaat</translation>
    </message>
    <message>
        <source>generator rpm</source>
        <translation>toerental van de generator</translation>
    </message>
    <message>
        <source>wind sensor pulses from the board</source>
        <translation>windsensorpulsen van de printplaat</translation>
    </message>
    <message>
        <source>wind speed</source>
        <translation>windsnelheid</translation>
    </message>
    <message>
        <source>battery volts</source>
        <translation>accuspanning</translation>
    </message>
    <message>
        <source>battery amps</source>
        <translation>accustroom</translation>
    </message>
    <message>
        <source>current offset</source>
        <translation>stroomoffset</translation>
    </message>
    <message>
        <source>voltage divisor</source>
        <translation>spanningsdeler</translation>
    </message>
    <message>
        <source>current divisor</source>
        <translation>stroomdeler</translation>
    </message>
    <message>
        <source>generator pulses per revolution</source>
        <translation>generatorpulsen per omwenteling</translation>
    </message>
    <message>
        <source>wind sensor pulses per unit</source>
        <translation>windsensorpulsen per eenheid</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>gedeeld door</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibratie</translation>
    </message>
    <message>
        <source>%1 Volts</source>
        <translation>%1 volt</translation>
    </message>
    <message>
        <source>Step 1. Set Voltage</source>
        <translation>Stap 1. Spanning instellen</translation>
    </message>
    <message>
        <source>Measure your battery voltage, and then adjust</source>
        <translation>Meet de accuspanning en pas dan</translation>
    </message>
    <message>
        <source>this value until the correct battery voltage</source>
        <translation>deze waarde aan tot de juiste accuspanning</translation>
    </message>
    <message>
        <source>is displayed</source>
        <translation>wordt getoond</translation>
    </message>
    <message>
        <source>Step 3. Set RPM</source>
        <translation>Stap 3. Toerental instellen</translation>
    </message>
    <message>
        <source>How many pulses per revolution?</source>
        <translation>Hoeveel pulsen per omwenteling?</translation>
    </message>
    <message>
        <source>ie, for a 14 pulse generator, type in 14.</source>
        <translation>bijv. voor een generator met 14 pulsen 14 invullen.</translation>
    </message>
    <message>
        <source>Step 4. Set Wind Speed</source>
        <translation>Stap 4. Windsnelheid instellen</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Nul</translation>
    </message>
    <message>
        <source>take the current reading as zero amps</source>
        <translation>de huidige meting als nul ampère nemen</translation>
    </message>
    <message>
        <source>Step 2. Set Current</source>
        <translation>Stap 2. Stroom instellen</translation>
    </message>
    <message>
        <source>With no current flowing, press the Zero button..</source>
        <translation>Zonder stroom op de knop Nul drukken.</translation>
    </message>
    <message>
        <source>Apply a charging current, and adjust this</source>
        <translation>Laat een laadstroom lopen en pas deze</translation>
    </message>
    <message>
        <source>value until the correct amps is displayed.</source>
        <translation>waarde aan tot de juiste stroom wordt getoond.</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Exit ( dont save )</source>
        <translation>Sluiten ( niet opslaan )</translation>
    </message>
    <message>
        <source>Save Calibration</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>Brolant::CalibrationModel</name>
    <message>
        <source>How many pulses per %1?</source>
        <translation>Hoeveel pulsen per %1?</translation>
    </message>
    <message>
        <source>%1 RPM</source>
        <translation>%1 RPM</translation>
    </message>
    <message>
        <source>%1 Volts</source>
        <translation>%1 volt</translation>
    </message>
    <message>
        <source>%1 Amps</source>
        <translation>%1 ampère</translation>
    </message>
    <message>
        <source>The calibration could not be saved, and %1 is unchanged.

%2</source>
        <translation>De kalibratie kon niet worden opgeslagen, %1 is ongewijzigd.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::ConfigFile</name>
    <message>
        <source>%1: no value for %2</source>
        <translation>%1: geen waarde voor %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: %3</source>
        <translation>%1: %2 is geen getal: %3</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number: %3</source>
        <translation>%1: %2 is geen geheel getal: %3</translation>
    </message>
</context>
<context>
    <name>Brolant::ConnectionTest</name>
    <message>
        <source>connected</source>
        <translation>verbonden</translation>
    </message>
    <message>
        <source>no answer from %1:%2 within %3 seconds</source>
        <translation>geen antwoord van %1:%2 binnen %3 seconden</translation>
    </message>
</context>
<context>
    <name>Brolant::ConsoleStatus</name>
    <message>
        <source>%1  %2 V  %3 A  %4 W  %5 rpm  %6 wind  %7 Wh  (%8)</source>
        <translation>%1  %2 V  %3 A  %4 W  %5 tpm  %6 wind  %7 Wh  (%8)</translation>
    </message>
    <message>
        <source>  MQTT: </source>
        <translation>  MQTT: </translation>
    </message>
    <message>
        <source>connecting to %1</source>
        <translation>verbinden met %1</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>verbonden met %1</translation>
    </message>
    <message>
        <source>connected to %1, which refuses records: %2</source>
        <translation>verbonden met %1, die records weigert: %2</translation>
    </message>
    <message>
        <source>broker not available: %1</source>
        <translation>broker niet beschikbaar: %1</translation>
    </message>
    <message>
        <source>; another logger publishes as site </source>
        <translation>; een andere logger publiceert als locatie </translation>
    </message>
    <message>
        <source>alarm: </source>
        <translation>alarm: </translation>
    </message>
    <message>
        <source>brolant-logger: program folder </source>
        <translation>brolant-logger: programmamap </translation>
    </message>
    <message>
        <source>brolant-logger: the live page is at </source>
        <translation>brolant-logger: de live-pagina staat op </translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>brolant-logger: ended in order</source>
        <translation>brolant-logger: netjes beëindigd</translation>
    </message>
</context>
<context>
    <name>Brolant::DayLoader</name>
    <message>
        <source>Over 10,000 records, too many to display. Please use a smaller time range. If you set you logging interval to 10 seconds or more, you wont have this problem in the future. </source>
        <translation>Meer dan 10.000 records, te veel om te tonen. Kies een kleiner tijdbereik. Met een loginterval van 10 seconden of meer hebt u dit probleem voortaan niet meer. </translation>
    </message>
</context>
<context>
    <name>Brolant::DayRangeBar</name>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>read the daily logs from the first date to the second</source>
        <translation>de dagelijkse logs van de eerste tot de tweede datum lezen</translation>
    </message>
</context>
<context>
    <name>Brolant::EnergyTab</name>
    <message>
        <source>no data</source>
        <translation>geen gegevens</translation>
    </message>
    <message>
        <source>Whours.txt and the daily log after its last line</source>
        <translation>Whours.txt en de dagelijkse log na de laatste regel</translation>
    </message>
    <message>
        <source>computed from the daily log</source>
        <translation>berekend uit de dagelijkse log</translation>
    </message>
    <message>
        <source>the daily log could not be read</source>
        <translation>de dagelijkse log kon niet worden gelezen</translation>
    </message>
    <message>
        <source>Energy chart</source>
        <translation>Energiegrafiek</translation>
    </message>
    <message>
        <source>energy per day or month as bars, each beside the same period a year before; the same values are in the table below</source>
        <translation>energie per dag of maand als staven, elk naast dezelfde periode een jaar eerder; dezelfde waarden staan in de tabel hieronder</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energie per dag</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>A year before</source>
        <translation>Een jaar eerder</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Bron</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Vorige</translation>
    </message>
    <message>
        <source>the week, month or year before</source>
        <translation>de week, maand of het jaar ervoor</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Volgende &gt;</translation>
    </message>
    <message>
        <source>the week, month or year after</source>
        <translation>de week, maand of het jaar erna</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>the days of a week, Monday to Sunday</source>
        <translation>de dagen van een week, maandag tot en met zondag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>the days of a month</source>
        <translation>de dagen van een maand</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>the months of a year</source>
        <translation>de maanden van een jaar</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>write the month&apos;s days to the excel folder</source>
        <translation>de dagen van de maand naar de map excel schrijven</translation>
    </message>
    <message>
        <source> to </source>
        <translation> t/m </translation>
    </message>
    <message>
        <source>%1 damaged line(s) in Whours.txt passed over.</source>
        <translation>%1 beschadigde regel(s) in Whours.txt overgeslagen.</translation>
    </message>
    <message>
        <source>%1 line(s) in Whours.txt dated after today left out of every total.</source>
        <translation>%1 regel(s) in Whours.txt met een datum na vandaag buiten elk totaal gelaten.</translation>
    </message>
    <message>
        <source>%1 total %2, mean %3 a day; a year before %4. Light bars are computed from the daily logs.</source>
        <translation>%1 totaal %2, gemiddeld %3 per dag; een jaar eerder %4. Lichte staven zijn berekend uit de dagelijkse logs.</translation>
    </message>
    <message>
        <source>%1: no data.</source>
        <translation>%1: geen gegevens.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Dag van de maand</translation>
    </message>
    <message>
        <source>Year total %1; the year before %2.</source>
        <translation>Jaartotaal %1; het jaar ervoor %2.</translation>
    </message>
    <message>
        <source>Year: no data.</source>
        <translation>Jaar: geen gegevens.</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Geschreven: %1</translation>
    </message>
    <message>
        <source>The CSV file could not be written: %1</source>
        <translation>Het CSV-bestand kon niet worden geschreven: %1</translation>
    </message>
</context>
<context>
    <name>Brolant::ErrorReporter</name>
    <message>
        <source>  Last Error trapped  %1  ---  %2  %3</source>
        <translation>  Laatste fout  %1  ---  %2  %3</translation>
    </message>
    <message>
        <source>  (not written to %1: %2)</source>
        <translation>  (niet naar %1 geschreven: %2)</translation>
    </message>
</context>
<context>
    <name>Brolant::FrameCounts</name>
    <message>
        <source>%1 frames, %2 rejected, %3 checksum errors, %4 characters dropped</source>
        <translation>%1 frames, %2 geweigerd, %3 checksumfouten, %4 tekens weggegooid</translation>
    </message>
    <message>
        <source>This interval: %1
Since start-up: %2</source>
        <translation>Dit interval: %1
Sinds het starten: %2</translation>
    </message>
</context>
<context>
    <name>Brolant::Graph</name>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Amps</source>
        <translation>Ampère</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>Toeren</translation>
    </message>
    <message>
        <source>WS</source>
        <translation>WS</translation>
    </message>
    <message>
        <source>Scaled</source>
        <translation>Geschaald</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>volt</translation>
    </message>
    <message>
        <source>amps</source>
        <translation>ampère</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>watt</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>wind speed</source>
        <translation>windsnelheid</translation>
    </message>
    <message>
        <source>time under the pointer</source>
        <translation>tijd onder de aanwijzer</translation>
    </message>
    <message>
        <source>volts under the pointer</source>
        <translation>volt onder de aanwijzer</translation>
    </message>
    <message>
        <source>amps under the pointer</source>
        <translation>ampère onder de aanwijzer</translation>
    </message>
    <message>
        <source>watts under the pointer</source>
        <translation>watt onder de aanwijzer</translation>
    </message>
    <message>
        <source>rpm under the pointer</source>
        <translation>rpm onder de aanwijzer</translation>
    </message>
    <message>
        <source>wind speed under the pointer</source>
        <translation>windsnelheid onder de aanwijzer</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>time of the first plotted record</source>
        <translation>tijd van het eerste getekende record</translation>
    </message>
    <message>
        <source>time of the last plotted record</source>
        <translation>tijd van het laatste getekende record</translation>
    </message>
    <message>
        <source>watt-hours of the plotted range</source>
        <translation>wattuur van het getekende bereik</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Loggeschiedenis</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>the day being viewed</source>
        <translation>de getoonde dag</translation>
    </message>
    <message>
        <source>the folder whose files are listed, first, then the folders in it; click one to open it</source>
        <translation>eerst de map waarvan de bestanden getoond worden, dan de mappen erin; klik op een map om die te openen</translation>
    </message>
    <message>
        <source>log files; click one to load that day</source>
        <translation>logbestanden; klik op een bestand om die dag te laden</translation>
    </message>
    <message>
        <source>start hour</source>
        <translation>beginuur</translation>
    </message>
    <message>
        <source>start minute</source>
        <translation>beginminuut</translation>
    </message>
    <message>
        <source>finish hour</source>
        <translation>einduur</translation>
    </message>
    <message>
        <source>finish minute</source>
        <translation>eindminuut</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation>TONEN</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Geschiedenis...</translation>
    </message>
    <message>
        <source>energy per day, the power curve and the trend of many days</source>
        <translation>energie per dag, de vermogenscurve en de trend van veel dagen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>top of the %1 scale</source>
        <translation>bovenkant van de schaal %1</translation>
    </message>
    <message>
        <source>bottom of the %1 scale</source>
        <translation>onderkant van de schaal %1</translation>
    </message>
</context>
<context>
    <name>Brolant::GraphModel</name>
    <message>
        <source>No data for that date</source>
        <translation>Geen gegevens voor die datum</translation>
    </message>
    <message>
        <source>Scaled</source>
        <translation>Geschaald</translation>
    </message>
    <message>
        <source>&quot;%1:%2&quot; to &quot;%3:%4&quot; is not a range of times of day. Use hours 00 to 23 and minutes 00 to 59.</source>
        <translation>&quot;%1:%2&quot; tot &quot;%3:%4&quot; is geen bereik van tijden van de dag. Gebruik uren 00 tot 23 en minuten 00 tot 59.</translation>
    </message>
    <message>
        <source>The day could not be read: %1</source>
        <translation>De dag kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Unscaled</source>
        <translation>Ongeschaald</translation>
    </message>
    <message>
        <source>Choose a day&apos;s log file before exporting.</source>
        <translation>Kies de log van een dag voordat u exporteert.</translation>
    </message>
    <message>
        <source>The export could not be written: %1</source>
        <translation>De export kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>Brolant::HistoryWidgets</name>
    <message>
        <source>%1 could not be read (%2): %3.</source>
        <translation>%1 kon niet worden gelezen (%2): %3.</translation>
    </message>
    <message>
        <source>every day is computed from its daily log, and days known only from it are missing</source>
        <translation>elke dag wordt berekend uit zijn dagelijkse log, en dagen die alleen daarin staan ontbreken</translation>
    </message>
    <message>
        <source>its day has no records here</source>
        <translation>die dag heeft hier geen records</translation>
    </message>
</context>
<context>
    <name>Brolant::HistoryWindow</name>
    <message>
        <source>Energy History</source>
        <translation>Energiegeschiedenis</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energie</translation>
    </message>
    <message>
        <source>&amp;Power curve</source>
        <translation>&amp;Vermogenscurve</translation>
    </message>
    <message>
        <source>&amp;Trend</source>
        <translation>&amp;Trend</translation>
    </message>
</context>
<context>
    <name>Brolant::LiveList</name>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Amps</source>
        <translation>Ampère</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>WattHours</source>
        <translation>Wattuur</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>Toeren</translation>
    </message>
</context>
<context>
    <name>Brolant::LoadStatus</name>
    <message>
        <source>Reading the daily logs...</source>
        <translation>Dagelijkse logs worden gelezen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Days read</source>
        <translation>Gelezen dagen</translation>
    </message>
    <message>
        <source>stop reading the daily logs</source>
        <translation>stoppen met het lezen van de dagelijkse logs</translation>
    </message>
    <message>
        <source>Reading cancelled; what is shown is from before.</source>
        <translation>Lezen geannuleerd; wat u ziet is van daarvoor.</translation>
    </message>
</context>
<context>
    <name>Brolant::MainWindow</name>
    <message>
        <source>mode</source>
        <translation>modus</translation>
    </message>
    <message>
        <source>live readings</source>
        <translation>actuele metingen</translation>
    </message>
    <message>
        <source>flashes on each reading received</source>
        <translation>knippert bij elke ontvangen meting</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Loggen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>flashes on each log record</source>
        <translation>knippert bij elk logrecord</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>logging interval in seconds</source>
        <translation>loginterval in seconden</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>Show Logs</source>
        <translation>Logs tonen</translation>
    </message>
    <message>
        <source>Program Setup</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibreren</translation>
    </message>
    <message>
        <source>COMMs</source>
        <translation>COMMs</translation>
    </message>
    <message>
        <source>show the message lines</source>
        <translation>meldingsregels tonen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>received data and serial status</source>
        <translation>ontvangen gegevens en status van de seriële poort</translation>
    </message>
    <message>
        <source>last error</source>
        <translation>laatste fout</translation>
    </message>
    <message>
        <source>MQTT: </source>
        <translation>MQTT: </translation>
    </message>
</context>
<context>
    <name>Brolant::MainWindowModel</name>
    <message>
        <source>possible corrupt COMMS data</source>
        <translation>mogelijk beschadigde COMMS-gegevens</translation>
    </message>
    <message>
        <source>     possible COMMS problem</source>
        <translation>     mogelijk COMMS-probleem</translation>
    </message>
    <message>
        <source>COMMS port back after a break: reading again</source>
        <translation>COMMS-poort terug na onderbreking: leest weer</translation>
    </message>
    <message>
        <source>COMMS data buffer cleared</source>
        <translation>COMMS-gegevensbuffer geleegd</translation>
    </message>
    <message>
        <source>Caution Logging interval 2 short, Data Overflow may occur</source>
        <translation>Let op: logintervaal te kort, gegevensoverloop mogelijk</translation>
    </message>
    <message>
        <source>Brolant - Waiting for Signal</source>
        <translation>Brolant - Wacht op signaal</translation>
    </message>
    <message>
        <source> Waiting for COMM data</source>
        <translation> Wacht op COMM-gegevens</translation>
    </message>
    <message>
        <source> Error trap message  -     </source>
        <translation> Foutmelding  -     </translation>
    </message>
    <message>
        <source>There is a possible Port Number problem. Check available PORTS</source>
        <translation>Mogelijk klopt het poortnummer niet. Controleer de beschikbare POORTEN</translation>
    </message>
    <message>
        <source>Invalid delay period, needs to be a number between 1 and 600</source>
        <translation>Ongeldig interval, moet een getal tussen 1 en 600 zijn</translation>
    </message>
</context>
<context>
    <name>Brolant::MqttDialog</name>
    <message>
        <source>MQTT Publishing</source>
        <translation>MQTT-publicatie</translation>
    </message>
    <message>
        <source>Publish readings to a broker</source>
        <translation>Metingen naar een broker publiceren</translation>
    </message>
    <message>
        <source>Broker</source>
        <translation>Broker</translation>
    </message>
    <message>
        <source>host name or address of the broker</source>
        <translation>hostnaam of adres van de broker</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>broker port, usually 1883, or 8883 with TLS</source>
        <translation>poort van de broker, meestal 1883, of 8883 met TLS</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>user name at the broker, empty for none</source>
        <translation>gebruikersnaam bij de broker, leeg voor geen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>password at the broker</source>
        <translation>wachtwoord bij de broker</translation>
    </message>
    <message>
        <source>Encrypt the connection (TLS)</source>
        <translation>Verbinding versleutelen (TLS)</translation>
    </message>
    <message>
        <source>Certificate authority file</source>
        <translation>Bestand van de certificaatautoriteit</translation>
    </message>
    <message>
        <source>certificate authority file; empty uses the system&apos;s certificates</source>
        <translation>bestand van de certificaatautoriteit; leeg gebruikt de certificaten van het systeem</translation>
    </message>
    <message>
        <source>Client certificate file</source>
        <translation>Bestand met clientcertificaat</translation>
    </message>
    <message>
        <source>this logger&apos;s certificate, for a broker that wants one; empty for none</source>
        <translation>certificaat van deze logger, voor een broker die er een vraagt; leeg voor geen</translation>
    </message>
    <message>
        <source>Client key file</source>
        <translation>Bestand met clientsleutel</translation>
    </message>
    <message>
        <source>the private key of the client certificate, not protected by a password</source>
        <translation>de privésleutel van het clientcertificaat, niet met een wachtwoord beveiligd</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Topic</translation>
    </message>
    <message>
        <source>first level of every topic</source>
        <translation>eerste niveau van elk topic</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>this logger&apos;s name, a-z, 0-9, _ and -</source>
        <translation>naam van deze logger, a-z, 0-9, _ en -</translation>
    </message>
    <message>
        <source>Discovery prefix</source>
        <translation>Discovery-voorvoegsel</translation>
    </message>
    <message>
        <source>Home Assistant discovery prefix; empty turns discovery off</source>
        <translation>discovery-voorvoegsel van Home Assistant; leeg zet discovery uit</translation>
    </message>
    <message>
        <source>Live reading every (s)</source>
        <translation>Live meting elke (s)</translation>
    </message>
    <message>
        <source>seconds between live readings at most; 0 for none</source>
        <translation>hoogstens zoveel seconden tussen live metingen; 0 voor geen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>try to connect with the values as typed</source>
        <translation>proberen te verbinden met de ingevoerde waarden</translation>
    </message>
    <message>
        <source>what the test found</source>
        <translation>uitkomst van de test</translation>
    </message>
    <message>
        <source>testing...</source>
        <translation>bezig met testen...</translation>
    </message>
    <message>
        <source>The publishing settings were not saved, and %1 is unchanged.

%2</source>
        <translation>De publicatie-instellingen zijn niet opgeslagen en %1 is ongewijzigd.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::MqttSettings</name>
    <message>
        <source>%1 must not be empty</source>
        <translation>%1 mag niet leeg zijn</translation>
    </message>
    <message>
        <source>%1 must not contain # or +</source>
        <translation>%1 mag geen # of + bevatten</translation>
    </message>
    <message>
        <source>%1 must not start with $: the broker keeps those topics for itself</source>
        <translation>%1 mag niet met $ beginnen: die topics houdt de broker voor zichzelf</translation>
    </message>
    <message>
        <source>%1 must not start or end with / or hold an empty level</source>
        <translation>%1 mag niet met / beginnen of eindigen en geen leeg niveau bevatten</translation>
    </message>
    <message>
        <source>Host must name the broker (a host name or an address)</source>
        <translation>Host (Broker) moet de broker noemen (een hostnaam of een adres)</translation>
    </message>
    <message>
        <source>Host must not contain blanks</source>
        <translation>Host (Broker) mag geen spaties bevatten</translation>
    </message>
    <message>
        <source>Site must hold at least one of a-z, 0-9, _ and -</source>
        <translation>Site (Locatie) moet minstens een van a-z, 0-9, _ en - bevatten</translation>
    </message>
    <message>
        <source>CertFile and KeyFile go together: give both or neither</source>
        <translation>CertFile en KeyFile horen bij elkaar: geef beide of geen van beide</translation>
    </message>
    <message>
        <source>a client certificate needs TLS 1 and a CAFile, the authority that signed the broker&apos;s certificate</source>
        <translation>een clientcertificaat vraagt TLS 1 en een CAFile, de autoriteit die het certificaat van de broker ondertekende</translation>
    </message>
</context>
<context>
    <name>Brolant::PlotWidget</name>
    <message>
        <source>the day&apos;s readings; drag from left to right to zoom</source>
        <translation>de metingen van de dag; sleep van links naar rechts om te zoomen</translation>
    </message>
</context>
<context>
    <name>Brolant::PowerCurveTab</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>write the bin tables to the excel folder</source>
        <translation>de klassentabellen naar de map excel schrijven</translation>
    </message>
    <message>
        <source>Power curve chart</source>
        <translation>Grafiek van de vermogenscurve</translation>
    </message>
    <message>
        <source>watts against wind speed for every record, the mean watts per bin, the method of bins and the rated curve; the bins are in the tables below</source>
        <translation>watt tegen windsnelheid voor elk record, de gemiddelde watt per klasse, de klassenmethode en de nominale curve; de klassen staan in de tabellen hieronder</translation>
    </message>
    <message>
        <source>Rated curve...</source>
        <translation>Nominale curve...</translation>
    </message>
    <message>
        <source>type, paste or import the turbine&apos;s rated power curve</source>
        <translation>de nominale vermogenscurve van de windturbine typen, plakken of importeren</translation>
    </message>
    <message>
        <source>Wind unit &quot;%1&quot; is:</source>
        <translation>Windeenheid &quot;%1&quot; is:</translation>
    </message>
    <message>
        <source>(not known)</source>
        <translation>(onbekend)</translation>
    </message>
    <message>
        <source>Power curve bins</source>
        <translation>Klassen van de vermogenscurve</translation>
    </message>
    <message>
        <source>Wind from</source>
        <translation>Wind vanaf</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Mean watts</source>
        <translation>Gem. watt</translation>
    </message>
    <message>
        <source>Max watts</source>
        <translation>Max. watt</translation>
    </message>
    <message>
        <source>Bins of 1 unit</source>
        <translation>Klassen van 1 eenheid</translation>
    </message>
    <message>
        <source>Method of bins</source>
        <translation>Klassenmethode</translation>
    </message>
    <message>
        <source>Bin (m/s)</source>
        <translation>Klasse (m/s)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Mean wind (m/s)</source>
        <translation>Gem. wind (m/s)</translation>
    </message>
    <message>
        <source>SD watts</source>
        <translation>SD watt</translation>
    </message>
    <message>
        <source>Rated watts</source>
        <translation>Nominale watt</translation>
    </message>
    <message>
        <source>% of rated</source>
        <translation>% van nominaal</translation>
    </message>
    <message>
        <source>Annual energy</source>
        <translation>Jaarenergie</translation>
    </message>
    <message>
        <source>Measured (kWh)</source>
        <translation>Gemeten (kWh)</translation>
    </message>
    <message>
        <source>Rated (kWh)</source>
        <translation>Nominaal (kWh)</translation>
    </message>
    <message>
        <source>The wind unit could not be kept: </source>
        <translation>De windeenheid kon niet worden bewaard: </translation>
    </message>
    <message>
        <source>turbine.cfg could not be used (%1).</source>
        <translation>turbine.cfg kon niet worden gebruikt (%1).</translation>
    </message>
    <message>
        <source>Choose which unit the wind speed is logged in to see the method of bins.</source>
        <translation>Kies in welke eenheid de windsnelheid wordt gelogd om de klassenmethode te zien.</translation>
    </message>
    <message>
        <source>Method of bins (IEC 61400-12-1): 1-minute means in bins 0.5 m/s wide; bins of fewer than %1 minutes are drawn faint.</source>
        <translation>Klassenmethode (IEC 61400-12-1): 1-minuutgemiddelden in klassen van 0.5 m/s breed; klassen van minder dan %1 minuten zijn vaag getekend.</translation>
    </message>
    <message>
        <source>Logged less often than once a minute: each record is used as it is.</source>
        <translation>Minder vaak dan eens per minuut gelogd: elk record wordt gebruikt zoals het is.</translation>
    </message>
    <message>
        <source>Site&apos;s wind: Weibull k %1, c %2 m/s; a year of it gives %3 kWh measured</source>
        <translation>Wind op de locatie: Weibull k %1, c %2 m/s; een jaar ervan geeft %3 kWh gemeten</translation>
    </message>
    <message>
        <source>, %1 kWh rated</source>
        <translation>, %1 kWh nominaal</translation>
    </message>
    <message>
        <source>%1 kWh in %2 hours logged</source>
        <translation>%1 kWh in %2 gelogde uren</translation>
    </message>
    <message>
        <source>; capacity factor %1 at %2 W rated</source>
        <translation>; capaciteitsfactor %1 bij %2 W nominaal</translation>
    </message>
    <message>
        <source>; enter the rated curve to hold them against it</source>
        <translation>; voer de nominale curve in om ze ermee te vergelijken</translation>
    </message>
    <message>
        <source>Method of bins (0.5 m/s)</source>
        <translation>Klassen van 0.5 m/s</translation>
    </message>
    <message>
        <source>Bin of fewer than %1 minutes</source>
        <translation>Klasse, onder %1 minuten</translation>
    </message>
    <message>
        <source>Rated curve</source>
        <translation>Nominale curve</translation>
    </message>
    <message>
        <source>%1 records; bins with fewer than %2 are drawn faint.</source>
        <translation>%1 records; klassen met minder dan %2 zijn vaag getekend.</translation>
    </message>
    <message>
        <source>Mean watts per bin</source>
        <translation>Gemiddelde watt per klasse</translation>
    </message>
    <message>
        <source>Mean of fewer than %1 records</source>
        <translation>Gemiddelde, onder %1 metingen</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Windsnelheid</translation>
    </message>
    <message>
        <source>Wind speed (%1)</source>
        <translation>Windsnelheid (%1)</translation>
    </message>
    <message>
        <source>Watts (W)</source>
        <translation>Watt (W)</translation>
    </message>
    <message>
        <source>The CSV file could not be written: %1</source>
        <translation>Het CSV-bestand kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>Written: %1 and %2</source>
        <translation>Geschreven: %1 en %2</translation>
    </message>
</context>
<context>
    <name>Brolant::ProgramSetup</name>
    <message>
        <source>Brolant Setup</source>
        <translation>Brolant-instellingen</translation>
    </message>
    <message>
        <source>System Voltage</source>
        <translation>Systeemspanning</translation>
    </message>
    <message>
        <source>Max System Amps</source>
        <translation>Max. systeemstroom (A)</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>serial port number, 0 for none</source>
        <translation>nummer van de seriële poort, 0 voor geen</translation>
    </message>
    <message>
        <source>Com port</source>
        <translation>COM-poort</translation>
    </message>
    <message>
        <source>the device the port number opens</source>
        <translation>het apparaat dat het poortnummer opent</translation>
    </message>
    <message>
        <source>No serial ports found on this computer.</source>
        <translation>Geen seriële poorten gevonden op deze computer.</translation>
    </message>
    <message>
        <source>Serial ports on this computer: %1</source>
        <translation>Seriële poorten op deze computer: %1</translation>
    </message>
    <message>
        <source>save HTML page</source>
        <translation>HTML-pagina opslaan</translation>
    </message>
    <message>
        <source>Save HTML page?</source>
        <translation>HTML-pagina opslaan?</translation>
    </message>
    <message>
        <source>Saved to /html folder</source>
        <translation>In map /html</translation>
    </message>
    <message>
        <source>save Excel file</source>
        <translation>Excel-bestand opslaan</translation>
    </message>
    <message>
        <source>Save Excel File?</source>
        <translation>Excel-bestand opslaan?</translation>
    </message>
    <message>
        <source>Saved to /Excel folder</source>
        <translation>In map /Excel</translation>
    </message>
    <message>
        <source>default logging interval in seconds</source>
        <translation>standaard loginterval in seconden</translation>
    </message>
    <message>
        <source>Default Logging Interval</source>
        <translation>Standaard loginterval</translation>
    </message>
    <message>
        <source>Seconds ( 1 - 600 )</source>
        <translation>Seconden ( 1 - 600 )</translation>
    </message>
    <message>
        <source>start logging automatically</source>
        <translation>loggen automatisch starten</translation>
    </message>
    <message>
        <source>Start Logger Automatically?</source>
        <translation>Automatisch starten?</translation>
    </message>
    <message>
        <source>display RPM</source>
        <translation>toerental tonen</translation>
    </message>
    <message>
        <source>Display RPM?</source>
        <translation>Toerental tonen?</translation>
    </message>
    <message>
        <source>display messages</source>
        <translation>meldingen tonen</translation>
    </message>
    <message>
        <source>Display messages</source>
        <translation>Meldingen tonen</translation>
    </message>
    <message>
        <source>display wind speed</source>
        <translation>windsnelheid tonen</translation>
    </message>
    <message>
        <source>Display Wind Speed?</source>
        <translation>Windsnelheid tonen?</translation>
    </message>
    <message>
        <source>wind speed units</source>
        <translation>eenheid van windsnelheid</translation>
    </message>
    <message>
        <source>Wind Speed Units</source>
        <translation>Windeenheid</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Zonder poort</translation>
    </message>
    <message>
        <source>save with no serial port and close</source>
        <translation>opslaan zonder seriële poort en sluiten</translation>
    </message>
    <message>
        <source>Save Setings</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Publishing...</source>
        <translation>Publiceren...</translation>
    </message>
    <message>
        <source>where readings are published: MQTT</source>
        <translation>waar de metingen worden gepubliceerd: MQTT</translation>
    </message>
    <message>
        <source>Web...</source>
        <translation>Web...</translation>
    </message>
    <message>
        <source>the live page for phones and computers on the network</source>
        <translation>de live-pagina voor telefoons en computers in het netwerk</translation>
    </message>
    <message>
        <source>Alarms...</source>
        <translation>Alarmen...</translation>
    </message>
    <message>
        <source>when to warn of a low or high battery, a high current, an overspeeding turbine or a silent board</source>
        <translation>wanneer te waarschuwen voor een lage of hoge accu, een hoge stroom, een te snel draaiende windmolen of een stille printplaat</translation>
    </message>
    <message>
        <source>0: no serial port</source>
        <translation>0: geen seriële poort</translation>
    </message>
    <message>
        <source>not a port number</source>
        <translation>geen poortnummer</translation>
    </message>
    <message>
        <source>port %1: no such device</source>
        <translation>poort %1: apparaat bestaat niet</translation>
    </message>
    <message>
        <source>port %1: %2</source>
        <translation>poort %1: %2</translation>
    </message>
    <message>
        <source>port %1 opens %2</source>
        <translation>poort %1 opent %2</translation>
    </message>
</context>
<context>
    <name>Brolant::RatedCurveDialog</name>
    <message>
        <source>Rated curve</source>
        <translation>Nominale curve</translation>
    </message>
    <message>
        <source>Wind speed (m/s) and power (W), a pair a line, as the turbine&apos;s certificate gives them:</source>
        <translation>Windsnelheid (m/s) en vermogen (W), één paar per regel, zoals het certificaat van de windturbine ze geeft:</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importeren...</translation>
    </message>
    <message>
        <source>read the pairs from a file of two columns</source>
        <translation>de paren uit een bestand met twee kolommen lezen</translation>
    </message>
    <message>
        <source>Rated power (W):</source>
        <translation>Nominaal vermogen (W):</translation>
    </message>
    <message>
        <source>empty: the curve&apos;s highest watts</source>
        <translation>leeg: de hoogste watt van de curve</translation>
    </message>
    <message>
        <source>Import a rated curve</source>
        <translation>Een nominale curve importeren</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>CSV-bestanden (*.csv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>%1 is no file.</source>
        <translation>%1 is geen bestand.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 kon niet worden gelezen (%2).</translation>
    </message>
    <message>
        <source>%1 is too large for a rated curve.</source>
        <translation>%1 is te groot voor een nominale curve.</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>Niet opgeslagen: %1.</translation>
    </message>
</context>
<context>
    <name>Brolant::SettingsValue</name>
    <message>
        <source>%1 holds control characters or is longer than %2 characters</source>
        <translation>%1 bevat stuurtekens of is langer dan %2 tekens</translation>
    </message>
    <message>
        <source>%1 must be 0 or 1, not &quot;%2&quot;</source>
        <translation>%1 moet 0 of 1 zijn, niet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 moet een geheel getal van %2 tot %3 zijn, niet &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 must be a whole number of seconds from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 moet een geheel aantal seconden van %2 tot %3 zijn, niet &quot;%4&quot;</translation>
    </message>
</context>
<context>
    <name>Brolant::SetupForm</name>
    <message>
        <source>%1 must be 0, 1 or 2, not %2</source>
        <translation>%1 moet 0, 1 of 2 zijn, niet %2</translation>
    </message>
</context>
<context>
    <name>Brolant::TrendTab</name>
    <message>
        <source>Point at the plot to read a record.</source>
        <translation>Wijs in de grafiek om een record af te lezen.</translation>
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
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>Toeren</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>step back to the span before the last zoom</source>
        <translation>terug naar de periode van voor de laatste zoom</translation>
    </message>
    <message>
        <source>draw this series in a lane of its own</source>
        <translation>deze reeks in een eigen strook tekenen</translation>
    </message>
    <message>
        <source>the record nearest the pointer</source>
        <translation>het record het dichtst bij de aanwijzer</translation>
    </message>
    <message>
        <source>No records in these days.</source>
        <translation>Geen records op deze dagen.</translation>
    </message>
</context>
<context>
    <name>Brolant::TrendWidget</name>
    <message>
        <source>Tick a series to draw it.</source>
        <translation>Vink een reeks aan om die te tekenen.</translation>
    </message>
    <message>
        <source>  (%1 to %2)</source>
        <translation>  (%1 tot %2)</translation>
    </message>
    <message>
        <source>Trend plot</source>
        <translation>Trendgrafiek</translation>
    </message>
    <message>
        <source>each series ticked in a lane of its own over the chosen days; the readout below names the record under the pointer; drag from left to right to zoom</source>
        <translation>elke aangevinkte reeks in een eigen strook over de gekozen dagen; de uitlezing eronder noemt het record onder de aanwijzer; sleep van links naar rechts om te zoomen</translation>
    </message>
</context>
<context>
    <name>Brolant::TurbineSettings</name>
    <message>
        <source>the rated power must be a number of watts above 0, not &quot;%1&quot;</source>
        <translation>het nominale vermogen moet een aantal watt boven 0 zijn, niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>UnitsMean must be one of m/s, km/h, mph, knots or ft/s, not &quot;%1&quot;</source>
        <translation>UnitsMean moet m/s, km/h, mph, knots of ft/s zijn, niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line %1 is not a wind speed in m/s and a power in W: &quot;%2&quot;</source>
        <translation>regel %1 is geen windsnelheid in m/s met een vermogen in W: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>line %1: a wind speed and a power are never below 0</source>
        <translation>regel %1: een windsnelheid en een vermogen zijn nooit kleiner dan 0</translation>
    </message>
    <message>
        <source>line %1: the wind speeds must rise from line to line</source>
        <translation>regel %1: de windsnelheden moeten van regel tot regel stijgen</translation>
    </message>
    <message>
        <source>a rated curve needs at least two pairs of wind speed and power</source>
        <translation>een nominale curve heeft minstens twee paren van windsnelheid en vermogen nodig</translation>
    </message>
    <message>
        <source>a rated curve has at most %1 pairs</source>
        <translation>een nominale curve heeft hoogstens %1 paren</translation>
    </message>
    <message>
        <source>a rated curve of 0 W everywhere is no curve</source>
        <translation>een nominale curve van overal 0 W is geen curve</translation>
    </message>
</context>
<context>
    <name>Brolant::ViewerSettings</name>
    <message>
        <source>the logging interval is not a number: &quot;%1&quot;</source>
        <translation>het loginterval is geen getal: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The viewer needs the logging interval, system voltage and maximum current from prog.cfg, and could not use them (%1). Correct them in Program Setup.</source>
        <translation>De weergave heeft het loginterval, de systeemspanning en de maximale stroom uit prog.cfg nodig en kon ze niet gebruiken (%1). Corrigeer ze in de programma-instellingen.</translation>
    </message>
</context>
<context>
    <name>Brolant::WebDialog</name>
    <message>
        <source>Web Dashboard</source>
        <translation>Webdashboard</translation>
    </message>
    <message>
        <source>Serve the live page to phones and computers on the network</source>
        <translation>De live pagina aanbieden aan telefoons en computers in het netwerk</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>port the page is served on, usually 8080</source>
        <translation>poort waarop de pagina wordt aangeboden, meestal 8080</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>Luisteren op</translation>
    </message>
    <message>
        <source>address of this computer to serve on; empty for every network</source>
        <translation>adres van deze computer om op aan te bieden; leeg voor elk netwerk</translation>
    </message>
    <message>
        <source>Other names</source>
        <translation>Andere namen</translation>
    </message>
    <message>
        <source>names a router or a dynamic DNS gives this computer, separated by commas: the page answers to them too</source>
        <translation>namen die een router of een dynamische DNS deze computer geeft, gescheiden door komma&apos;s: de pagina antwoordt ook daarop</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>password the page asks for, any user name; empty for none</source>
        <translation>wachtwoord dat de pagina vraagt, met elke gebruikersnaam; leeg voor geen</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Certificaatbestand</translation>
    </message>
    <message>
        <source>certificate for HTTPS, in PEM form; empty for plain HTTP</source>
        <translation>certificaat voor HTTPS, in PEM-vorm; leeg voor gewone HTTP</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Sleutelbestand</translation>
    </message>
    <message>
        <source>private key of the certificate, in PEM form</source>
        <translation>privésleutel van het certificaat, in PEM-vorm</translation>
    </message>
    <message>
        <source>Open the page at:</source>
        <translation>Open de pagina op:</translation>
    </message>
    <message>
        <source>the page&apos;s address, opens a browser</source>
        <translation>adres van de pagina, opent een browser</translation>
    </message>
    <message>
        <source>the page&apos;s address, to copy</source>
        <translation>adres van de pagina, om te kopiëren</translation>
    </message>
    <message>
        <source>With a password on a network you do not trust, use HTTPS: without it the password crosses the network readable.</source>
        <translation>Met een wachtwoord op een netwerk dat u niet vertrouwt: gebruik HTTPS, anders gaat het wachtwoord leesbaar over het netwerk.</translation>
    </message>
    <message>
        <source>(not served until the box above is ticked and saved)</source>
        <translation>(niet aangeboden tot het vakje hierboven is aangevinkt en opgeslagen)</translation>
    </message>
    <message>
        <source>The web page settings were not saved, and %1 is unchanged.

%2</source>
        <translation>De instellingen van de webpagina zijn niet opgeslagen en %1 is ongewijzigd.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::WebSettings</name>
    <message>
        <source>%1 %2 is not a file</source>
        <translation>%1 %2 is geen bestand</translation>
    </message>
    <message>
        <source>Hosts must be names separated by commas, such as shed.example.org, not %1</source>
        <translation>Hosts (Andere namen) moeten namen zijn gescheiden door komma&apos;s, zoals shed.example.org, niet %1</translation>
    </message>
    <message>
        <source>Listen must be an address of this computer such as 192.168.1.20, or empty for every network, not %1</source>
        <translation>Listen moet een adres van deze computer zijn, zoals 192.168.1.20, of leeg voor elk netwerk, niet %1</translation>
    </message>
    <message>
        <source>CertFile and KeyFile go together: set both for HTTPS, or neither</source>
        <translation>CertFile en KeyFile horen bij elkaar: vul beide in voor HTTPS, of geen van beide</translation>
    </message>
</context>
<context>
    <name>Brolant::WidgetHelpers</name>
    <message>
        <source>%1 could not be used (%2): these are the starting values.</source>
        <translation>%1 kon niet worden gebruikt (%2): dit zijn de beginwaarden.</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>close without saving</source>
        <translation>sluiten zonder op te slaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
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
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Program Setup</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibratie</translation>
    </message>
</context>
<context>
    <name>ProgramSetupModel</name>
    <message>
        <source>%1 does not exist yet: these are the starting values, and saving creates the file.</source>
        <translation>%1 bestaat nog niet: dit zijn de beginwaarden, opslaan maakt het bestand aan.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2): these are the starting values.</source>
        <translation>%1 kon niet worden gelezen (%2): dit zijn de beginwaarden.</translation>
    </message>
    <message>
        <source>%1 could not be read completely (%2). Those settings show their starting values; saving keeps all the others.</source>
        <translation>%1 kon niet volledig worden gelezen (%2). Die instellingen tonen hun beginwaarden; opslaan behoudt alle andere.</translation>
    </message>
    <message>
        <source>There is a bad number for Port Number. Must be between 1 and 8 ( 1 or 2 most common )</source>
        <translation>Het poortnummer is ongeldig. Het moet tussen 1 en 8 liggen ( meestal 1 of 2 )</translation>
    </message>
    <message>
        <source>The settings could not be saved, and %1 is unchanged.

%2</source>
        <translation>De instellingen konden niet worden opgeslagen, %1 is ongewijzigd.

%2</translation>
    </message>
</context>
</TS>
