<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Brolant::AlarmBanner</name>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2 um %3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Quittieren</translation>
    </message>
    <message>
        <source>alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>silence the alarm notifications; alarms stay listed until they clear</source>
        <translation>Alarmbenachrichtigungen stummschalten; Alarme bleiben aufgeführt, bis sie aufgehoben sind</translation>
    </message>
    <message>
        <source>ALARM: </source>
        <translation>ALARM: </translation>
    </message>
    <message>
        <source> (acknowledged)</source>
        <translation> (quittiert)</translation>
    </message>
    <message>
        <source>Cleared: </source>
        <translation>Aufgehoben: </translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmBoard</name>
    <message>
        <source>Brolant alarm</source>
        <translation>Brolant-Alarm</translation>
    </message>
    <message>
        <source>Brolant alarm cleared</source>
        <translation>Brolant-Alarm aufgehoben</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmChange</name>
    <message>
        <source>LowVolts</source>
        <translation>Spannung niedrig</translation>
    </message>
    <message>
        <source>HighVolts</source>
        <translation>Spannung hoch</translation>
    </message>
    <message>
        <source>HighAmps</source>
        <translation>Strom hoch</translation>
    </message>
    <message>
        <source>HighRPM</source>
        <translation>Drehzahl hoch</translation>
    </message>
    <message>
        <source>NoData</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>abgeschaltet</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>ausgelöst</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>aufgehoben</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmSettings</name>
    <message>
        <source>%1 must be a number with a decimal point, not a comma: &quot;%2&quot;</source>
        <translation>%1 muss eine Zahl mit Dezimalpunkt sein, nicht mit Komma: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a number or empty, not &quot;%2&quot;</source>
        <translation>%1 muss eine Zahl oder leer sein, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Delay must be a number of seconds, not empty</source>
        <translation>Delay muss eine Zahl von Sekunden sein, nicht leer</translation>
    </message>
    <message>
        <source>the file holds no alarm settings (no tag such as &lt;%1&gt;)</source>
        <translation>die Datei enthält keine Alarmeinstellungen (kein Tag wie &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>%1 is set but %2 is empty: set both, or empty both to switch the alarm off</source>
        <translation>%1 ist gesetzt, aber %2 ist leer: beide setzen, oder beide leeren, um den Alarm abzuschalten</translation>
    </message>
    <message>
        <source>%1 (%2) must be at or above %3 (%4), or the alarm could never clear</source>
        <translation>%1 (%2) muss bei oder über %3 (%4) liegen, sonst könnte der Alarm nie aufgehoben werden</translation>
    </message>
    <message>
        <source>%1 (%2) must be at or below %3 (%4), or the alarm could never clear</source>
        <translation>%1 (%2) muss bei oder unter %3 (%4) liegen, sonst könnte der Alarm nie aufgehoben werden</translation>
    </message>
    <message>
        <source>NoData must be at least 1 second, or empty to switch the alarm off</source>
        <translation>NoData muss mindestens 1 Sekunde sein, oder leer, um den Alarm abzuschalten</translation>
    </message>
    <message>
        <source>Delay must be from 0 to %1 seconds</source>
        <translation>Delay muss zwischen 0 und %1 Sekunden liegen</translation>
    </message>
    <message>
        <source>Command must be one line of at most %1 characters</source>
        <translation>Command muss eine Zeile von höchstens %1 Zeichen sein</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmsDialog</name>
    <message>
        <source>Battery low: below</source>
        <translation>Batterie niedrig: unter</translation>
    </message>
    <message>
        <source>Battery high: above</source>
        <translation>Batterie hoch: über</translation>
    </message>
    <message>
        <source>Current high: above</source>
        <translation>Strom hoch: über</translation>
    </message>
    <message>
        <source>Turbine speed high: above</source>
        <translation>Windrad-Drehzahl hoch: über</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Leave a threshold empty to switch its alarm off.</source>
        <translation>Lassen Sie eine Schwelle leer, um ihren Alarm abzuschalten.</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Auslösen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Aufheben</translation>
    </message>
    <message>
        <source>%1 raise threshold in %2</source>
        <translation>%1: Auslöseschwelle in %2</translation>
    </message>
    <message>
        <source>%1 clear threshold in %2</source>
        <translation>%1: Aufhebeschwelle in %2</translation>
    </message>
    <message>
        <source>cleared at or above</source>
        <translation>aufgehoben bei oder über</translation>
    </message>
    <message>
        <source>cleared at or below</source>
        <translation>aufgehoben bei oder unter</translation>
    </message>
    <message>
        <source>No data from the board for</source>
        <translation>Keine Daten von der Platine für</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Raise and clear after</source>
        <translation>Auslösen und aufheben nach</translation>
    </message>
    <message>
        <source>Command to run on a change</source>
        <translation>Befehl bei einer Änderung</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>%1 could not be used (%2): these are the default values.</source>
        <translation>%1 konnte nicht verwendet werden (%2): dies sind die Standardwerte.</translation>
    </message>
    <message>
        <source>The alarms were not saved, and %1 is unchanged.

%2</source>
        <translation>Die Alarme wurden nicht gespeichert, %1 ist unverändert.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::Board</name>
    <message>
        <source>sent %1 frames (%2 with a bad checksum, %3 bytes), dropped %4 writes</source>
        <translation>%1 Rahmen gesendet (%2 mit falscher Prüfsumme, %3 Bytes), %4 Schreibvorgänge verworfen</translation>
    </message>
    <message>
        <source>%1 linked at %2</source>
        <translation>%1 verknüpft als %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>kann %1 nicht lesen</translation>
    </message>
</context>
<context>
    <name>Brolant::Calibrate</name>
    <message>
        <source>battery reading from the board</source>
        <translation>Batteriewert von der Platine</translation>
    </message>
    <message>
        <source>current reading from the board</source>
        <translation>Stromwert von der Platine</translation>
    </message>
    <message>
        <source>generator pulses from the board</source>
        <translation>Generatorimpulse von der Platine</translation>
    </message>
    <message>
        <source>generator rpm</source>
        <translation>Generatordrehzahl</translation>
    </message>
    <message>
        <source>wind sensor pulses from the board</source>
        <translation>Windsensor-Impulse von der Platine</translation>
    </message>
    <message>
        <source>wind speed</source>
        <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>battery volts</source>
        <translation>Batteriespannung</translation>
    </message>
    <message>
        <source>battery amps</source>
        <translation>Batteriestrom</translation>
    </message>
    <message>
        <source>current offset</source>
        <translation>Strom-Nullpunkt</translation>
    </message>
    <message>
        <source>voltage divisor</source>
        <translation>Spannungsteiler</translation>
    </message>
    <message>
        <source>current divisor</source>
        <translation>Stromteiler</translation>
    </message>
    <message>
        <source>generator pulses per revolution</source>
        <translation>Generatorimpulse pro Umdrehung</translation>
    </message>
    <message>
        <source>wind sensor pulses per unit</source>
        <translation>Windsensor-Impulse pro Einheit</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>%1 Volts</source>
        <translation>%1 Volt</translation>
    </message>
    <message>
        <source>Step 1. Set Voltage</source>
        <translation>Schritt 1. Spannung einstellen</translation>
    </message>
    <message>
        <source>Measure your battery voltage, and then adjust</source>
        <translation>Messen Sie die Batteriespannung und ändern Sie</translation>
    </message>
    <message>
        <source>this value until the correct battery voltage</source>
        <translation>diesen Wert, bis die richtige Batteriespannung</translation>
    </message>
    <message>
        <source>is displayed</source>
        <translation>angezeigt wird</translation>
    </message>
    <message>
        <source>Step 3. Set RPM</source>
        <translation>Schritt 3. Drehzahl einstellen</translation>
    </message>
    <message>
        <source>How many pulses per revolution?</source>
        <translation>Wie viele Impulse pro Umdrehung?</translation>
    </message>
    <message>
        <source>ie, for a 14 pulse generator, type in 14.</source>
        <translation>z. B. bei einem Generator mit 14 Impulsen 14 eingeben.</translation>
    </message>
    <message>
        <source>Step 4. Set Wind Speed</source>
        <translation>Schritt 4. Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>take the current reading as zero amps</source>
        <translation>den aktuellen Wert als null Ampere nehmen</translation>
    </message>
    <message>
        <source>Step 2. Set Current</source>
        <translation>Schritt 2. Strom einstellen</translation>
    </message>
    <message>
        <source>With no current flowing, press the Zero button..</source>
        <translation>Ohne Stromfluss die Taste Null drücken.</translation>
    </message>
    <message>
        <source>Apply a charging current, and adjust this</source>
        <translation>Dann Ladestrom anlegen und diesen Wert</translation>
    </message>
    <message>
        <source>value until the correct amps is displayed.</source>
        <translation>ändern, bis der richtige Strom angezeigt wird.</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Nullpunkt</translation>
    </message>
    <message>
        <source>Exit ( dont save )</source>
        <translation>Ende ( ohne Speichern )</translation>
    </message>
    <message>
        <source>Save Calibration</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>Brolant::CalibrationModel</name>
    <message>
        <source>How many pulses per %1?</source>
        <translation>Wie viele Impulse pro %1?</translation>
    </message>
    <message>
        <source>%1 RPM</source>
        <translation>%1 U/min</translation>
    </message>
    <message>
        <source>%1 Volts</source>
        <translation>%1 Volt</translation>
    </message>
    <message>
        <source>%1 Amps</source>
        <translation>%1 Ampere</translation>
    </message>
    <message>
        <source>The calibration could not be saved, and %1 is unchanged.

%2</source>
        <translation>Die Kalibrierung konnte nicht gespeichert werden, %1 ist unverändert.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::ConfigFile</name>
    <message>
        <source>%1: no value for %2</source>
        <translation>%1: kein Wert für %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: %3</source>
        <translation>%1: %2 ist keine Zahl: %3</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number: %3</source>
        <translation>%1: %2 ist keine ganze Zahl: %3</translation>
    </message>
</context>
<context>
    <name>Brolant::ConnectionTest</name>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>no answer from %1:%2 within %3 seconds</source>
        <translation>keine Antwort von %1:%2 innerhalb von %3 Sekunden</translation>
    </message>
</context>
<context>
    <name>Brolant::ConsoleStatus</name>
    <message>
        <source>%1  %2 V  %3 A  %4 W  %5 rpm  %6 wind  %7 Wh  (%8)</source>
        <translation>%1  %2 V  %3 A  %4 W  %5 U/min  %6 Wind  %7 Wh  (%8)</translation>
    </message>
    <message>
        <source>  MQTT: </source>
        <translation>  MQTT: </translation>
    </message>
    <message>
        <source>connecting to %1</source>
        <translation>verbinde mit %1</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>verbunden mit %1</translation>
    </message>
    <message>
        <source>connected to %1, which refuses records: %2</source>
        <translation>verbunden mit %1, der Datensätze ablehnt: %2</translation>
    </message>
    <message>
        <source>broker not available: %1</source>
        <translation>Broker nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>; another logger publishes as site </source>
        <translation>; ein anderer Logger veröffentlicht als Standort </translation>
    </message>
    <message>
        <source>alarm: </source>
        <translation>Alarm: </translation>
    </message>
    <message>
        <source>brolant-logger: program folder </source>
        <translation>brolant-logger: Programmordner </translation>
    </message>
    <message>
        <source>brolant-logger: the live page is at </source>
        <translation>brolant-logger: die Live-Seite ist unter </translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>brolant-logger: ended in order</source>
        <translation>brolant-logger: ordnungsgemäß beendet</translation>
    </message>
</context>
<context>
    <name>Brolant::DayLoader</name>
    <message>
        <source>Over 10,000 records, too many to display. Please use a smaller time range. If you set you logging interval to 10 seconds or more, you wont have this problem in the future. </source>
        <translation>Über 10.000 Datensätze, zu viele zum Anzeigen. Bitte wählen Sie einen kleineren Zeitbereich. Mit einem Logintervall von 10 Sekunden oder mehr tritt dieses Problem künftig nicht auf. </translation>
    </message>
</context>
<context>
    <name>Brolant::DayRangeBar</name>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>read the daily logs from the first date to the second</source>
        <translation>die Tageslogs vom ersten bis zum zweiten Datum lesen</translation>
    </message>
</context>
<context>
    <name>Brolant::EnergyTab</name>
    <message>
        <source>no data</source>
        <translation>keine Daten</translation>
    </message>
    <message>
        <source>Whours.txt and the daily log after its last line</source>
        <translation>Whours.txt und danach das Tageslog</translation>
    </message>
    <message>
        <source>computed from the daily log</source>
        <translation>aus dem Tageslog berechnet</translation>
    </message>
    <message>
        <source>the daily log could not be read</source>
        <translation>das Tageslog konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Energy chart</source>
        <translation>Energiediagramm</translation>
    </message>
    <message>
        <source>energy per day or month as bars, each beside the same period a year before; the same values are in the table below</source>
        <translation>Energie pro Tag oder Monat als Balken, jeweils neben demselben Zeitraum ein Jahr zuvor; dieselben Werte stehen in der Tabelle darunter</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energie pro Tag</translation>
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
        <translation>Ein Jahr zuvor</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>the week, month or year before</source>
        <translation>die Woche, der Monat oder das Jahr davor</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>the week, month or year after</source>
        <translation>die Woche, der Monat oder das Jahr danach</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>the days of a week, Monday to Sunday</source>
        <translation>die Tage einer Woche, Montag bis Sonntag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>the days of a month</source>
        <translation>die Tage eines Monats</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>the months of a year</source>
        <translation>die Monate eines Jahres</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>write the month&apos;s days to the excel folder</source>
        <translation>die Tage des Monats in den Ordner excel schreiben</translation>
    </message>
    <message>
        <source> to </source>
        <translation> bis </translation>
    </message>
    <message>
        <source>%1 damaged line(s) in Whours.txt passed over.</source>
        <translation>%1 beschädigte Zeile(n) in Whours.txt übergangen.</translation>
    </message>
    <message>
        <source>%1 line(s) in Whours.txt dated after today left out of every total.</source>
        <translation>%1 Zeile(n) in Whours.txt mit Datum nach heute aus allen Summen herausgelassen.</translation>
    </message>
    <message>
        <source>%1 total %2, mean %3 a day; a year before %4. Light bars are computed from the daily logs.</source>
        <translation>%1 gesamt %2, Mittel %3 pro Tag; ein Jahr zuvor %4. Helle Balken sind aus den Tageslogs berechnet.</translation>
    </message>
    <message>
        <source>%1: no data.</source>
        <translation>%1: keine Daten.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Tag des Monats</translation>
    </message>
    <message>
        <source>Year total %1; the year before %2.</source>
        <translation>Jahressumme %1; im Vorjahr %2.</translation>
    </message>
    <message>
        <source>Year: no data.</source>
        <translation>Jahr: keine Daten.</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
    <message>
        <source>The CSV file could not be written: %1</source>
        <translation>Die CSV-Datei konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>Brolant::ErrorReporter</name>
    <message>
        <source>  Last Error trapped  %1  ---  %2  %3</source>
        <translation>  Letzter Fehler  %1  ---  %2  %3</translation>
    </message>
    <message>
        <source>  (not written to %1: %2)</source>
        <translation>  (nicht in %1 geschrieben: %2)</translation>
    </message>
</context>
<context>
    <name>Brolant::FrameCounts</name>
    <message>
        <source>%1 frames, %2 rejected, %3 checksum errors, %4 characters dropped</source>
        <translation>%1 Datenpakete, %2 abgelehnt, %3 Prüfsummenfehler, %4 Zeichen verworfen</translation>
    </message>
    <message>
        <source>This interval: %1
Since start-up: %2</source>
        <translation>Dieses Intervall: %1
Seit dem Start: %2</translation>
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
        <translation>Ampere</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>WS</source>
        <translation>WG</translation>
    </message>
    <message>
        <source>Scaled</source>
        <translation>Skaliert</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>amps</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>wind speed</source>
        <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>time under the pointer</source>
        <translation>Zeit unter dem Zeiger</translation>
    </message>
    <message>
        <source>volts under the pointer</source>
        <translation>Volt unter dem Zeiger</translation>
    </message>
    <message>
        <source>amps under the pointer</source>
        <translation>Ampere unter dem Zeiger</translation>
    </message>
    <message>
        <source>watts under the pointer</source>
        <translation>Watt unter dem Zeiger</translation>
    </message>
    <message>
        <source>rpm under the pointer</source>
        <translation>rpm unter dem Zeiger</translation>
    </message>
    <message>
        <source>wind speed under the pointer</source>
        <translation>Windgeschwindigkeit unter dem Zeiger</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>time of the first plotted record</source>
        <translation>Zeit des ersten gezeichneten Datensatzes</translation>
    </message>
    <message>
        <source>time of the last plotted record</source>
        <translation>Zeit des letzten gezeichneten Datensatzes</translation>
    </message>
    <message>
        <source>watt-hours of the plotted range</source>
        <translation>Wattstunden des gezeichneten Bereichs</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Log-Verlauf</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>the day being viewed</source>
        <translation>der angezeigte Tag</translation>
    </message>
    <message>
        <source>the folder whose files are listed, first, then the folders in it; click one to open it</source>
        <translation>zuerst der Ordner, dessen Dateien aufgelistet sind, dann die Ordner darin; zum Öffnen einen anklicken</translation>
    </message>
    <message>
        <source>log files; click one to load that day</source>
        <translation>Logdateien; zum Laden des Tages eine anklicken</translation>
    </message>
    <message>
        <source>start hour</source>
        <translation>Startstunde</translation>
    </message>
    <message>
        <source>start minute</source>
        <translation>Startminute</translation>
    </message>
    <message>
        <source>finish hour</source>
        <translation>Endstunde</translation>
    </message>
    <message>
        <source>finish minute</source>
        <translation>Endminute</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation>ANZEIGEN</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>energy per day, the power curve and the trend of many days</source>
        <translation>Energie pro Tag, die Leistungskurve und der Trend vieler Tage</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>top of the %1 scale</source>
        <translation>oberes Ende der Skala %1</translation>
    </message>
    <message>
        <source>bottom of the %1 scale</source>
        <translation>unteres Ende der Skala %1</translation>
    </message>
</context>
<context>
    <name>Brolant::GraphModel</name>
    <message>
        <source>No data for that date</source>
        <translation>Keine Daten für dieses Datum</translation>
    </message>
    <message>
        <source>Scaled</source>
        <translation>Skaliert</translation>
    </message>
    <message>
        <source>&quot;%1:%2&quot; to &quot;%3:%4&quot; is not a range of times of day. Use hours 00 to 23 and minutes 00 to 59.</source>
        <translation>&quot;%1:%2&quot; bis &quot;%3:%4&quot; ist kein Bereich von Uhrzeiten. Verwenden Sie Stunden 00 bis 23 und Minuten 00 bis 59.</translation>
    </message>
    <message>
        <source>The day could not be read: %1</source>
        <translation>Der Tag konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Unscaled</source>
        <translation>Unskaliert</translation>
    </message>
    <message>
        <source>Choose a day&apos;s log file before exporting.</source>
        <translation>Wählen Sie vor dem Exportieren das Log eines Tages.</translation>
    </message>
    <message>
        <source>The export could not be written: %1</source>
        <translation>Der Export konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Brolant::HistoryWidgets</name>
    <message>
        <source>%1 could not be read (%2): %3.</source>
        <translation>%1 konnte nicht gelesen werden (%2): %3.</translation>
    </message>
    <message>
        <source>every day is computed from its daily log, and days known only from it are missing</source>
        <translation>jeder Tag wird aus seinem Tageslog berechnet, und Tage, die nur darin stehen, fehlen</translation>
    </message>
    <message>
        <source>its day has no records here</source>
        <translation>sein Tag hat hier keine Datensätze</translation>
    </message>
</context>
<context>
    <name>Brolant::HistoryWindow</name>
    <message>
        <source>Energy History</source>
        <translation>Energieverlauf</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energie</translation>
    </message>
    <message>
        <source>&amp;Power curve</source>
        <translation>&amp;Leistungskurve</translation>
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
        <translation>Ampere</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>WattHours</source>
        <translation>Wattstunden</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>U/min</translation>
    </message>
</context>
<context>
    <name>Brolant::LoadStatus</name>
    <message>
        <source>Reading the daily logs...</source>
        <translation>Tageslogs werden gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Days read</source>
        <translation>Gelesene Tage</translation>
    </message>
    <message>
        <source>stop reading the daily logs</source>
        <translation>das Lesen der Tageslogs beenden</translation>
    </message>
    <message>
        <source>Reading cancelled; what is shown is from before.</source>
        <translation>Lesen abgebrochen; angezeigt wird der vorige Stand.</translation>
    </message>
</context>
<context>
    <name>Brolant::MainWindow</name>
    <message>
        <source>mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>live readings</source>
        <translation>aktuelle Messwerte</translation>
    </message>
    <message>
        <source>flashes on each reading received</source>
        <translation>blinkt bei jedem empfangenen Messwert</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>flashes on each log record</source>
        <translation>blinkt bei jedem Protokolleintrag</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>logging interval in seconds</source>
        <translation>Aufzeichnungsintervall in Sekunden</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Show Logs</source>
        <translation>Protokolle</translation>
    </message>
    <message>
        <source>Program Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>COMMs</source>
        <translation>COMMs</translation>
    </message>
    <message>
        <source>show the message lines</source>
        <translation>Meldungszeilen anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>received data and serial status</source>
        <translation>empfangene Daten und Status der seriellen Schnittstelle</translation>
    </message>
    <message>
        <source>last error</source>
        <translation>letzter Fehler</translation>
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
        <translation>möglicherweise fehlerhafte COMMS-Daten</translation>
    </message>
    <message>
        <source>     possible COMMS problem</source>
        <translation>     mögliches COMMS-Problem</translation>
    </message>
    <message>
        <source>COMMS port back after a break: reading again</source>
        <translation>COMMS-Port nach Unterbrechung wieder da: liest wieder</translation>
    </message>
    <message>
        <source>COMMS data buffer cleared</source>
        <translation>COMMS-Datenpuffer geleert</translation>
    </message>
    <message>
        <source>Caution Logging interval 2 short, Data Overflow may occur</source>
        <translation>Achtung: Aufzeichnungsintervall zu kurz, Datenüberlauf möglich</translation>
    </message>
    <message>
        <source>Brolant - Waiting for Signal</source>
        <translation>Brolant - Warte auf Signal</translation>
    </message>
    <message>
        <source> Waiting for COMM data</source>
        <translation> Warte auf COMM-Daten</translation>
    </message>
    <message>
        <source> Error trap message  -     </source>
        <translation> Fehlermeldung  -     </translation>
    </message>
    <message>
        <source>There is a possible Port Number problem. Check available PORTS</source>
        <translation>Möglicherweise stimmt die Portnummer nicht. Prüfen Sie die verfügbaren PORTS</translation>
    </message>
    <message>
        <source>Invalid delay period, needs to be a number between 1 and 600</source>
        <translation>Ungültiges Intervall, muss eine Zahl zwischen 1 und 600 sein</translation>
    </message>
</context>
<context>
    <name>Brolant::MqttDialog</name>
    <message>
        <source>MQTT Publishing</source>
        <translation>MQTT-Veröffentlichung</translation>
    </message>
    <message>
        <source>Publish readings to a broker</source>
        <translation>Messwerte an einen Broker senden</translation>
    </message>
    <message>
        <source>Broker</source>
        <translation>Broker</translation>
    </message>
    <message>
        <source>host name or address of the broker</source>
        <translation>Hostname oder Adresse des Brokers</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>broker port, usually 1883, or 8883 with TLS</source>
        <translation>Port des Brokers, meist 1883, mit TLS 8883</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>user name at the broker, empty for none</source>
        <translation>Benutzername beim Broker, leer für keinen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>password at the broker</source>
        <translation>Passwort beim Broker</translation>
    </message>
    <message>
        <source>Encrypt the connection (TLS)</source>
        <translation>Verbindung verschlüsseln (TLS)</translation>
    </message>
    <message>
        <source>Certificate authority file</source>
        <translation>Datei der Zertifizierungsstelle</translation>
    </message>
    <message>
        <source>certificate authority file; empty uses the system&apos;s certificates</source>
        <translation>Datei der Zertifizierungsstelle; leer nimmt die Zertifikate des Systems</translation>
    </message>
    <message>
        <source>Client certificate file</source>
        <translation>Client-Zertifikatsdatei</translation>
    </message>
    <message>
        <source>this logger&apos;s certificate, for a broker that wants one; empty for none</source>
        <translation>Zertifikat dieses Loggers, für einen Broker, der eines verlangt; leer für keines</translation>
    </message>
    <message>
        <source>Client key file</source>
        <translation>Client-Schlüsseldatei</translation>
    </message>
    <message>
        <source>the private key of the client certificate, not protected by a password</source>
        <translation>der private Schlüssel des Client-Zertifikats, nicht durch ein Passwort geschützt</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Topic</translation>
    </message>
    <message>
        <source>first level of every topic</source>
        <translation>erste Ebene jedes Topics</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>this logger&apos;s name, a-z, 0-9, _ and -</source>
        <translation>Name dieses Loggers, a-z, 0-9, _ und -</translation>
    </message>
    <message>
        <source>Discovery prefix</source>
        <translation>Discovery-Präfix</translation>
    </message>
    <message>
        <source>Home Assistant discovery prefix; empty turns discovery off</source>
        <translation>Discovery-Präfix von Home Assistant; leer schaltet Discovery ab</translation>
    </message>
    <message>
        <source>Live reading every (s)</source>
        <translation>Live-Messwert alle (s)</translation>
    </message>
    <message>
        <source>seconds between live readings at most; 0 for none</source>
        <translation>höchstens so viele Sekunden zwischen Live-Messwerten; 0 für keine</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>try to connect with the values as typed</source>
        <translation>mit den eingegebenen Werten zu verbinden versuchen</translation>
    </message>
    <message>
        <source>what the test found</source>
        <translation>Ergebnis des Tests</translation>
    </message>
    <message>
        <source>testing...</source>
        <translation>teste...</translation>
    </message>
    <message>
        <source>The publishing settings were not saved, and %1 is unchanged.

%2</source>
        <translation>Die Einstellungen zur Veröffentlichung wurden nicht gespeichert, %1 ist unverändert.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::MqttSettings</name>
    <message>
        <source>%1 must not be empty</source>
        <translation>%1 darf nicht leer sein</translation>
    </message>
    <message>
        <source>%1 must not contain # or +</source>
        <translation>%1 darf weder # noch + enthalten</translation>
    </message>
    <message>
        <source>%1 must not start with $: the broker keeps those topics for itself</source>
        <translation>%1 darf nicht mit $ beginnen: diese Topics behält der Broker sich vor</translation>
    </message>
    <message>
        <source>%1 must not start or end with / or hold an empty level</source>
        <translation>%1 darf nicht mit / beginnen oder enden und keine leere Ebene enthalten</translation>
    </message>
    <message>
        <source>Host must name the broker (a host name or an address)</source>
        <translation>Host (Broker) muss den Broker nennen (ein Hostname oder eine Adresse)</translation>
    </message>
    <message>
        <source>Host must not contain blanks</source>
        <translation>Host (Broker) darf keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>Site must hold at least one of a-z, 0-9, _ and -</source>
        <translation>Site (Standort) muss mindestens eines von a-z, 0-9, _ und - enthalten</translation>
    </message>
    <message>
        <source>CertFile and KeyFile go together: give both or neither</source>
        <translation>CertFile und KeyFile gehören zusammen: beide angeben oder keines</translation>
    </message>
    <message>
        <source>a client certificate needs TLS 1 and a CAFile, the authority that signed the broker&apos;s certificate</source>
        <translation>ein Client-Zertifikat braucht TLS 1 und eine CAFile, die Stelle, die das Zertifikat des Brokers signiert hat</translation>
    </message>
</context>
<context>
    <name>Brolant::PlotWidget</name>
    <message>
        <source>the day&apos;s readings; drag from left to right to zoom</source>
        <translation>die Messwerte des Tages; zum Zoomen von links nach rechts ziehen</translation>
    </message>
</context>
<context>
    <name>Brolant::PowerCurveTab</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>write the bin tables to the excel folder</source>
        <translation>die Klassentabellen in den Ordner excel schreiben</translation>
    </message>
    <message>
        <source>Power curve chart</source>
        <translation>Leistungskurvendiagramm</translation>
    </message>
    <message>
        <source>watts against wind speed for every record, the mean watts per bin, the method of bins and the rated curve; the bins are in the tables below</source>
        <translation>Watt über der Windgeschwindigkeit für jeden Datensatz, die mittleren Watt je Klasse, die Klassenmethode und die Nennkurve; die Klassen stehen in den Tabellen darunter</translation>
    </message>
    <message>
        <source>Rated curve...</source>
        <translation>Nennkurve...</translation>
    </message>
    <message>
        <source>type, paste or import the turbine&apos;s rated power curve</source>
        <translation>die Nennleistungskurve des Windrads eingeben, einfügen oder importieren</translation>
    </message>
    <message>
        <source>Wind unit &quot;%1&quot; is:</source>
        <translation>Windeinheit &quot;%1&quot; ist:</translation>
    </message>
    <message>
        <source>(not known)</source>
        <translation>(unbekannt)</translation>
    </message>
    <message>
        <source>Power curve bins</source>
        <translation>Klassen der Leistungskurve</translation>
    </message>
    <message>
        <source>Wind from</source>
        <translation>Wind ab</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Mean watts</source>
        <translation>Mittel W</translation>
    </message>
    <message>
        <source>Max watts</source>
        <translation>Max. W</translation>
    </message>
    <message>
        <source>Bins of 1 unit</source>
        <translation>Klassen zu 1 Einheit</translation>
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
        <translation>Mittl. Wind (m/s)</translation>
    </message>
    <message>
        <source>SD watts</source>
        <translation>SA W</translation>
    </message>
    <message>
        <source>Rated watts</source>
        <translation>Nenn-W</translation>
    </message>
    <message>
        <source>% of rated</source>
        <translation>% vom Nennwert</translation>
    </message>
    <message>
        <source>Annual energy</source>
        <translation>Jahresenergie</translation>
    </message>
    <message>
        <source>Measured (kWh)</source>
        <translation>Gemessen (kWh)</translation>
    </message>
    <message>
        <source>Rated (kWh)</source>
        <translation>Nenn (kWh)</translation>
    </message>
    <message>
        <source>The wind unit could not be kept: </source>
        <translation>Die Windeinheit konnte nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>turbine.cfg could not be used (%1).</source>
        <translation>turbine.cfg konnte nicht verwendet werden (%1).</translation>
    </message>
    <message>
        <source>Choose which unit the wind speed is logged in to see the method of bins.</source>
        <translation>Wählen Sie, in welcher Einheit die Windgeschwindigkeit geloggt wird, um die Klassenmethode zu sehen.</translation>
    </message>
    <message>
        <source>Method of bins (IEC 61400-12-1): 1-minute means in bins 0.5 m/s wide; bins of fewer than %1 minutes are drawn faint.</source>
        <translation>Klassenmethode (IEC 61400-12-1): 1-Minuten-Mittel in Klassen von 0.5 m/s Breite; Klassen mit weniger als %1 Minuten sind blass gezeichnet.</translation>
    </message>
    <message>
        <source>Logged less often than once a minute: each record is used as it is.</source>
        <translation>Seltener als einmal pro Minute geloggt: jeder Datensatz wird so verwendet, wie er ist.</translation>
    </message>
    <message>
        <source>Site&apos;s wind: Weibull k %1, c %2 m/s; a year of it gives %3 kWh measured</source>
        <translation>Wind am Standort: Weibull k %1, c %2 m/s; ein Jahr davon ergibt %3 kWh gemessen</translation>
    </message>
    <message>
        <source>, %1 kWh rated</source>
        <translation>, %1 kWh nach Nennkurve</translation>
    </message>
    <message>
        <source>%1 kWh in %2 hours logged</source>
        <translation>%1 kWh in %2 geloggten Stunden</translation>
    </message>
    <message>
        <source>; capacity factor %1 at %2 W rated</source>
        <translation>; Kapazitätsfaktor %1 bei %2 W Nennleistung</translation>
    </message>
    <message>
        <source>; enter the rated curve to hold them against it</source>
        <translation>; die Nennkurve eingeben, um sie damit zu vergleichen</translation>
    </message>
    <message>
        <source>Method of bins (0.5 m/s)</source>
        <translation>Klassenmethode (0.5 m/s)</translation>
    </message>
    <message>
        <source>Bin of fewer than %1 minutes</source>
        <translation>Klasse unter %1 Minuten</translation>
    </message>
    <message>
        <source>Rated curve</source>
        <translation>Nennkurve</translation>
    </message>
    <message>
        <source>%1 records; bins with fewer than %2 are drawn faint.</source>
        <translation>%1 Datensätze; Klassen mit weniger als %2 sind blass gezeichnet.</translation>
    </message>
    <message>
        <source>Mean watts per bin</source>
        <translation>Mittlere Watt je Klasse</translation>
    </message>
    <message>
        <source>Mean of fewer than %1 records</source>
        <translation>Mittel aus unter %1 Datensätzen</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>Wind speed (%1)</source>
        <translation>Windgeschwindigkeit (%1)</translation>
    </message>
    <message>
        <source>Watts (W)</source>
        <translation>Watt (W)</translation>
    </message>
    <message>
        <source>The CSV file could not be written: %1</source>
        <translation>Die CSV-Datei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Written: %1 and %2</source>
        <translation>Geschrieben: %1 und %2</translation>
    </message>
</context>
<context>
    <name>Brolant::ProgramSetup</name>
    <message>
        <source>Brolant Setup</source>
        <translation>Brolant-Einstellungen</translation>
    </message>
    <message>
        <source>System Voltage</source>
        <translation>Systemspannung</translation>
    </message>
    <message>
        <source>Max System Amps</source>
        <translation>Max. Systemstrom (A)</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>serial port number, 0 for none</source>
        <translation>Nummer der seriellen Schnittstelle, 0 für keine</translation>
    </message>
    <message>
        <source>Com port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>the device the port number opens</source>
        <translation>das Gerät, das die Portnummer öffnet</translation>
    </message>
    <message>
        <source>No serial ports found on this computer.</source>
        <translation>Keine seriellen Schnittstellen auf diesem Computer gefunden.</translation>
    </message>
    <message>
        <source>Serial ports on this computer: %1</source>
        <translation>Serielle Schnittstellen auf diesem Computer: %1</translation>
    </message>
    <message>
        <source>save HTML page</source>
        <translation>HTML-Seite speichern</translation>
    </message>
    <message>
        <source>Save HTML page?</source>
        <translation>HTML-Seite speichern?</translation>
    </message>
    <message>
        <source>Saved to /html folder</source>
        <translation>In Ordner /html</translation>
    </message>
    <message>
        <source>save Excel file</source>
        <translation>Excel-Datei speichern</translation>
    </message>
    <message>
        <source>Save Excel File?</source>
        <translation>Excel-Datei speichern?</translation>
    </message>
    <message>
        <source>Saved to /Excel folder</source>
        <translation>In Ordner /Excel</translation>
    </message>
    <message>
        <source>default logging interval in seconds</source>
        <translation>Standard-Aufzeichnungsintervall in Sekunden</translation>
    </message>
    <message>
        <source>Default Logging Interval</source>
        <translation>Standardintervall</translation>
    </message>
    <message>
        <source>Seconds ( 1 - 600 )</source>
        <translation>Sekunden ( 1 - 600 )</translation>
    </message>
    <message>
        <source>start logging automatically</source>
        <translation>Aufzeichnung automatisch starten</translation>
    </message>
    <message>
        <source>Start Logger Automatically?</source>
        <translation>Automatisch starten?</translation>
    </message>
    <message>
        <source>display RPM</source>
        <translation>Drehzahl anzeigen</translation>
    </message>
    <message>
        <source>Display RPM?</source>
        <translation>Drehzahl anzeigen?</translation>
    </message>
    <message>
        <source>display messages</source>
        <translation>Meldungen anzeigen</translation>
    </message>
    <message>
        <source>Display messages</source>
        <translation>Meldungen anzeigen</translation>
    </message>
    <message>
        <source>display wind speed</source>
        <translation>Windgeschwindigkeit anzeigen</translation>
    </message>
    <message>
        <source>Display Wind Speed?</source>
        <translation>Windgeschw. anzeigen?</translation>
    </message>
    <message>
        <source>wind speed units</source>
        <translation>Einheit der Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>Wind Speed Units</source>
        <translation>Windeinheit</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Ohne Port</translation>
    </message>
    <message>
        <source>save with no serial port and close</source>
        <translation>ohne serielle Schnittstelle speichern und schließen</translation>
    </message>
    <message>
        <source>Save Setings</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Publishing...</source>
        <translation>MQTT...</translation>
    </message>
    <message>
        <source>where readings are published: MQTT</source>
        <translation>wohin die Messwerte veröffentlicht werden: MQTT</translation>
    </message>
    <message>
        <source>Web...</source>
        <translation>Web...</translation>
    </message>
    <message>
        <source>the live page for phones and computers on the network</source>
        <translation>die Live-Seite für Telefone und Computer im Netzwerk</translation>
    </message>
    <message>
        <source>Alarms...</source>
        <translation>Alarme...</translation>
    </message>
    <message>
        <source>when to warn of a low or high battery, a high current, an overspeeding turbine or a silent board</source>
        <translation>wann vor niedriger oder hoher Batteriespannung, hohem Strom, überdrehendem Windrad oder stummer Platine gewarnt wird</translation>
    </message>
    <message>
        <source>0: no serial port</source>
        <translation>0: keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>not a port number</source>
        <translation>keine Portnummer</translation>
    </message>
    <message>
        <source>port %1: no such device</source>
        <translation>Port %1: kein solches Gerät</translation>
    </message>
    <message>
        <source>port %1: %2</source>
        <translation>Port %1: %2</translation>
    </message>
    <message>
        <source>port %1 opens %2</source>
        <translation>Port %1 öffnet %2</translation>
    </message>
</context>
<context>
    <name>Brolant::RatedCurveDialog</name>
    <message>
        <source>Rated curve</source>
        <translation>Nennkurve</translation>
    </message>
    <message>
        <source>Wind speed (m/s) and power (W), a pair a line, as the turbine&apos;s certificate gives them:</source>
        <translation>Windgeschwindigkeit (m/s) und Leistung (W), ein Paar pro Zeile, wie im Zertifikat des Windrads:</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importieren...</translation>
    </message>
    <message>
        <source>read the pairs from a file of two columns</source>
        <translation>die Paare aus einer Datei mit zwei Spalten lesen</translation>
    </message>
    <message>
        <source>Rated power (W):</source>
        <translation>Nennleistung (W):</translation>
    </message>
    <message>
        <source>empty: the curve&apos;s highest watts</source>
        <translation>leer: die höchsten Watt der Kurve</translation>
    </message>
    <message>
        <source>Import a rated curve</source>
        <translation>Nennkurve importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>CSV-Dateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 is no file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>%1 is too large for a rated curve.</source>
        <translation>%1 ist zu groß für eine Nennkurve.</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>Nicht gespeichert: %1.</translation>
    </message>
</context>
<context>
    <name>Brolant::SettingsValue</name>
    <message>
        <source>%1 holds control characters or is longer than %2 characters</source>
        <translation>%1 enthält Steuerzeichen oder ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1 must be 0 or 1, not &quot;%2&quot;</source>
        <translation>%1 muss 0 oder 1 sein, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein, nicht &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 must be a whole number of seconds from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 muss eine ganze Zahl von Sekunden von %2 bis %3 sein, nicht &quot;%4&quot;</translation>
    </message>
</context>
<context>
    <name>Brolant::SetupForm</name>
    <message>
        <source>%1 must be 0, 1 or 2, not %2</source>
        <translation>%1 muss 0, 1 oder 2 sein, nicht %2</translation>
    </message>
</context>
<context>
    <name>Brolant::TrendTab</name>
    <message>
        <source>Point at the plot to read a record.</source>
        <translation>Zeigen Sie auf das Diagramm, um einen Datensatz abzulesen.</translation>
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
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>step back to the span before the last zoom</source>
        <translation>zurück zum Zeitraum vor dem letzten Zoom</translation>
    </message>
    <message>
        <source>draw this series in a lane of its own</source>
        <translation>diese Reihe in einer eigenen Spur zeichnen</translation>
    </message>
    <message>
        <source>the record nearest the pointer</source>
        <translation>der Datensatz, der dem Zeiger am nächsten ist</translation>
    </message>
    <message>
        <source>No records in these days.</source>
        <translation>Keine Datensätze an diesen Tagen.</translation>
    </message>
</context>
<context>
    <name>Brolant::TrendWidget</name>
    <message>
        <source>Tick a series to draw it.</source>
        <translation>Haken Sie eine Reihe an, um sie zu zeichnen.</translation>
    </message>
    <message>
        <source>  (%1 to %2)</source>
        <translation>  (%1 bis %2)</translation>
    </message>
    <message>
        <source>Trend plot</source>
        <translation>Trenddiagramm</translation>
    </message>
    <message>
        <source>each series ticked in a lane of its own over the chosen days; the readout below names the record under the pointer; drag from left to right to zoom</source>
        <translation>jede angehakte Reihe in einer eigenen Spur über die gewählten Tage; die Anzeige darunter nennt den Datensatz unter dem Zeiger; zum Zoomen von links nach rechts ziehen</translation>
    </message>
</context>
<context>
    <name>Brolant::TurbineSettings</name>
    <message>
        <source>the rated power must be a number of watts above 0, not &quot;%1&quot;</source>
        <translation>die Nennleistung muss eine Zahl von Watt über 0 sein, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>UnitsMean must be one of m/s, km/h, mph, knots or ft/s, not &quot;%1&quot;</source>
        <translation>UnitsMean muss m/s, km/h, mph, knots oder ft/s sein, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line %1 is not a wind speed in m/s and a power in W: &quot;%2&quot;</source>
        <translation>Zeile %1 ist keine Windgeschwindigkeit in m/s mit einer Leistung in W: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>line %1: a wind speed and a power are never below 0</source>
        <translation>Zeile %1: Windgeschwindigkeit und Leistung sind nie unter 0</translation>
    </message>
    <message>
        <source>line %1: the wind speeds must rise from line to line</source>
        <translation>Zeile %1: die Windgeschwindigkeiten müssen von Zeile zu Zeile steigen</translation>
    </message>
    <message>
        <source>a rated curve needs at least two pairs of wind speed and power</source>
        <translation>eine Nennkurve braucht mindestens zwei Paare aus Windgeschwindigkeit und Leistung</translation>
    </message>
    <message>
        <source>a rated curve has at most %1 pairs</source>
        <translation>eine Nennkurve hat höchstens %1 Paare</translation>
    </message>
    <message>
        <source>a rated curve of 0 W everywhere is no curve</source>
        <translation>eine Nennkurve mit überall 0 W ist keine Kurve</translation>
    </message>
</context>
<context>
    <name>Brolant::ViewerSettings</name>
    <message>
        <source>the logging interval is not a number: &quot;%1&quot;</source>
        <translation>das Logintervall ist keine Zahl: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The viewer needs the logging interval, system voltage and maximum current from prog.cfg, and could not use them (%1). Correct them in Program Setup.</source>
        <translation>Die Anzeige braucht Logintervall, Systemspannung und Maximalstrom aus prog.cfg und konnte sie nicht verwenden (%1). Korrigieren Sie sie in der Programmeinrichtung.</translation>
    </message>
</context>
<context>
    <name>Brolant::WebDialog</name>
    <message>
        <source>Web Dashboard</source>
        <translation>Web-Dashboard</translation>
    </message>
    <message>
        <source>Serve the live page to phones and computers on the network</source>
        <translation>Die Live-Seite für Handys und Computer im Netzwerk bereitstellen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>port the page is served on, usually 8080</source>
        <translation>Port, auf dem die Seite bereitsteht, meist 8080</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>Erreichbar unter</translation>
    </message>
    <message>
        <source>address of this computer to serve on; empty for every network</source>
        <translation>Adresse dieses Computers, unter der die Seite bereitsteht; leer für alle Netzwerke</translation>
    </message>
    <message>
        <source>Other names</source>
        <translation>Weitere Namen</translation>
    </message>
    <message>
        <source>names a router or a dynamic DNS gives this computer, separated by commas: the page answers to them too</source>
        <translation>Namen, die ein Router oder ein dynamisches DNS diesem Computer gibt, durch Kommas getrennt: die Seite antwortet auch auf sie</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>password the page asks for, any user name; empty for none</source>
        <translation>Passwort, das die Seite verlangt, bei beliebigem Benutzernamen; leer für keines</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Zertifikatsdatei</translation>
    </message>
    <message>
        <source>certificate for HTTPS, in PEM form; empty for plain HTTP</source>
        <translation>Zertifikat für HTTPS, im PEM-Format; leer für einfaches HTTP</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Schlüsseldatei</translation>
    </message>
    <message>
        <source>private key of the certificate, in PEM form</source>
        <translation>privater Schlüssel des Zertifikats, im PEM-Format</translation>
    </message>
    <message>
        <source>Open the page at:</source>
        <translation>Die Seite öffnen unter:</translation>
    </message>
    <message>
        <source>the page&apos;s address, opens a browser</source>
        <translation>Adresse der Seite, öffnet einen Browser</translation>
    </message>
    <message>
        <source>the page&apos;s address, to copy</source>
        <translation>Adresse der Seite, zum Kopieren</translation>
    </message>
    <message>
        <source>With a password on a network you do not trust, use HTTPS: without it the password crosses the network readable.</source>
        <translation>Mit einem Passwort in einem Netzwerk, dem Sie nicht trauen, nehmen Sie HTTPS: ohne geht das Passwort lesbar durch das Netzwerk.</translation>
    </message>
    <message>
        <source>(not served until the box above is ticked and saved)</source>
        <translation>(nicht bereitgestellt, bis das Kästchen oben angekreuzt und gespeichert ist)</translation>
    </message>
    <message>
        <source>The web page settings were not saved, and %1 is unchanged.

%2</source>
        <translation>Die Einstellungen der Webseite wurden nicht gespeichert, %1 ist unverändert.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::WebSettings</name>
    <message>
        <source>%1 %2 is not a file</source>
        <translation>%1 %2 ist keine Datei</translation>
    </message>
    <message>
        <source>Hosts must be names separated by commas, such as shed.example.org, not %1</source>
        <translation>Hosts (Weitere Namen) müssen durch Kommas getrennte Namen sein, etwa shed.example.org, nicht %1</translation>
    </message>
    <message>
        <source>Listen must be an address of this computer such as 192.168.1.20, or empty for every network, not %1</source>
        <translation>Listen muss eine Adresse dieses Computers sein, etwa 192.168.1.20, oder leer für alle Netzwerke, nicht %1</translation>
    </message>
    <message>
        <source>CertFile and KeyFile go together: set both for HTTPS, or neither</source>
        <translation>CertFile und KeyFile gehören zusammen: für HTTPS beide setzen, oder keines</translation>
    </message>
</context>
<context>
    <name>Brolant::WidgetHelpers</name>
    <message>
        <source>%1 could not be used (%2): these are the starting values.</source>
        <translation>%1 konnte nicht verwendet werden (%2): dies sind die Startwerte.</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>close without saving</source>
        <translation>ohne Speichern schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
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
        <translation>Sende an %1.</translation>
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
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Program Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
</context>
<context>
    <name>ProgramSetupModel</name>
    <message>
        <source>%1 does not exist yet: these are the starting values, and saving creates the file.</source>
        <translation>%1 gibt es noch nicht: Dies sind die Startwerte, Speichern legt die Datei an.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2): these are the starting values.</source>
        <translation>%1 konnte nicht gelesen werden (%2): Dies sind die Startwerte.</translation>
    </message>
    <message>
        <source>%1 could not be read completely (%2). Those settings show their starting values; saving keeps all the others.</source>
        <translation>%1 konnte nicht vollständig gelesen werden (%2). Diese Einstellungen zeigen ihre Startwerte; Speichern behält alle anderen.</translation>
    </message>
    <message>
        <source>There is a bad number for Port Number. Must be between 1 and 8 ( 1 or 2 most common )</source>
        <translation>Die Portnummer ist ungültig. Sie muss zwischen 1 und 8 liegen ( meist 1 oder 2 )</translation>
    </message>
    <message>
        <source>The settings could not be saved, and %1 is unchanged.

%2</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden, %1 ist unverändert.

%2</translation>
    </message>
</context>
</TS>
