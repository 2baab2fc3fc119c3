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
        <translation>Ohne Stromfluss die Taste Null drücken..</translation>
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
    <name>Brolant::ConsoleStatus</name>
    <message>
        <source>%1  %2 V  %3 A  %4 W  %5 rpm  %6 wind  %7 Wh  (%8)</source>
        <translation>%1  %2 V  %3 A  %4 W  %5 rpm  %6 Wind  %7 Wh  (%8)</translation>
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
        <translation>Abbrechen</translation>
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
        <translation>Veröffentl...</translation>
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
