<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Brolant::AlarmBanner</name>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2 à %3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Acquitter</translation>
    </message>
    <message>
        <source>alarms</source>
        <translation>alarmes</translation>
    </message>
    <message>
        <source>silence the alarm notifications; alarms stay listed until they clear</source>
        <translation>fait taire les notifications ; les alarmes restent affichées jusqu&apos;à leur fin</translation>
    </message>
    <message>
        <source>ALARM: </source>
        <translation>ALARME : </translation>
    </message>
    <message>
        <source> (acknowledged)</source>
        <translation> (acquittée)</translation>
    </message>
    <message>
        <source>Cleared: </source>
        <translation>Terminées : </translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmBoard</name>
    <message>
        <source>Brolant alarm</source>
        <translation>Alarme Brolant</translation>
    </message>
    <message>
        <source>Brolant alarm cleared</source>
        <translation>Alarme Brolant terminée</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmChange</name>
    <message>
        <source>LowVolts</source>
        <translation>Tension basse</translation>
    </message>
    <message>
        <source>HighVolts</source>
        <translation>Tension haute</translation>
    </message>
    <message>
        <source>HighAmps</source>
        <translation>Courant élevé</translation>
    </message>
    <message>
        <source>HighRPM</source>
        <translation>Régime élevé</translation>
    </message>
    <message>
        <source>NoData</source>
        <translation>Pas de données</translation>
    </message>
</context>
<context>
    <name>Brolant::Board</name>
    <message>
        <source>sent %1 frames (%2 with a bad checksum, %3 bytes), dropped %4 writes</source>
        <translation>%1 trames envoyées (%2 avec une somme de contrôle fausse, %3 octets), %4 écritures perdues</translation>
    </message>
    <message>
        <source>%1 linked at %2</source>
        <translation>%1 lié à %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
</context>
<context>
    <name>Brolant::Calibrate</name>
    <message>
        <source>battery reading from the board</source>
        <translation>mesure batterie de la carte</translation>
    </message>
    <message>
        <source>current reading from the board</source>
        <translation>mesure de courant de la carte</translation>
    </message>
    <message>
        <source>generator pulses from the board</source>
        <translation>impulsions de la génératrice</translation>
    </message>
    <message>
        <source>generator rpm</source>
        <translation>régime de la génératrice</translation>
    </message>
    <message>
        <source>wind sensor pulses from the board</source>
        <translation>impulsions de l&apos;anémomètre</translation>
    </message>
    <message>
        <source>wind speed</source>
        <translation>vitesse du vent</translation>
    </message>
    <message>
        <source>battery volts</source>
        <translation>tension batterie</translation>
    </message>
    <message>
        <source>battery amps</source>
        <translation>courant batterie</translation>
    </message>
    <message>
        <source>current offset</source>
        <translation>décalage du courant</translation>
    </message>
    <message>
        <source>voltage divisor</source>
        <translation>diviseur de tension</translation>
    </message>
    <message>
        <source>current divisor</source>
        <translation>diviseur de courant</translation>
    </message>
    <message>
        <source>generator pulses per revolution</source>
        <translation>impulsions de la génératrice par tour</translation>
    </message>
    <message>
        <source>wind sensor pulses per unit</source>
        <translation>impulsions de l&apos;anémomètre par unité</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>%1 Volts</source>
        <translation>%1 volts</translation>
    </message>
    <message>
        <source>Step 1. Set Voltage</source>
        <translation>Étape 1. Régler la tension</translation>
    </message>
    <message>
        <source>Measure your battery voltage, and then adjust</source>
        <translation>Mesurez la tension batterie, puis ajustez</translation>
    </message>
    <message>
        <source>this value until the correct battery voltage</source>
        <translation>cette valeur jusqu&apos;à ce que la bonne tension</translation>
    </message>
    <message>
        <source>is displayed</source>
        <translation>batterie s&apos;affiche</translation>
    </message>
    <message>
        <source>Step 3. Set RPM</source>
        <translation>Étape 3. Régler le régime</translation>
    </message>
    <message>
        <source>How many pulses per revolution?</source>
        <translation>Combien d&apos;impulsions par tour ?</translation>
    </message>
    <message>
        <source>ie, for a 14 pulse generator, type in 14.</source>
        <translation>ex. : pour une génératrice à 14 impulsions, tapez 14.</translation>
    </message>
    <message>
        <source>Step 4. Set Wind Speed</source>
        <translation>Étape 4. Régler le vent</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>take the current reading as zero amps</source>
        <translation>prendre la mesure actuelle comme zéro ampère</translation>
    </message>
    <message>
        <source>Step 2. Set Current</source>
        <translation>Étape 2. Régler le courant</translation>
    </message>
    <message>
        <source>With no current flowing, press the Zero button..</source>
        <translation>Sans courant, appuyez sur le bouton Zéro..</translation>
    </message>
    <message>
        <source>Apply a charging current, and adjust this</source>
        <translation>Appliquez un courant de charge et ajustez</translation>
    </message>
    <message>
        <source>value until the correct amps is displayed.</source>
        <translation>cette valeur jusqu&apos;au bon courant affiché.</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Exit ( dont save )</source>
        <translation>Quitter ( sans enreg. )</translation>
    </message>
    <message>
        <source>Save Calibration</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>Brolant::CalibrationModel</name>
    <message>
        <source>How many pulses per %1?</source>
        <translation>Combien d&apos;impulsions par %1 ?</translation>
    </message>
    <message>
        <source>%1 RPM</source>
        <translation>%1 tr/min</translation>
    </message>
    <message>
        <source>%1 Volts</source>
        <translation>%1 volts</translation>
    </message>
    <message>
        <source>%1 Amps</source>
        <translation>%1 ampères</translation>
    </message>
    <message>
        <source>The calibration could not be saved, and %1 is unchanged.

%2</source>
        <translation>L&apos;étalonnage n&apos;a pas pu être enregistré, %1 est inchangé.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::ConsoleStatus</name>
    <message>
        <source>%1  %2 V  %3 A  %4 W  %5 rpm  %6 wind  %7 Wh  (%8)</source>
        <translation>%1  %2 V  %3 A  %4 W  %5 rpm  %6 vent  %7 Wh  (%8)</translation>
    </message>
    <message>
        <source>  MQTT: </source>
        <translation>  MQTT : </translation>
    </message>
    <message>
        <source>connecting to %1</source>
        <translation>connexion à %1</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>connecté à %1</translation>
    </message>
    <message>
        <source>connected to %1, which refuses records: %2</source>
        <translation>connecté à %1, qui refuse les relevés : %2</translation>
    </message>
    <message>
        <source>broker not available: %1</source>
        <translation>broker indisponible : %1</translation>
    </message>
    <message>
        <source>; another logger publishes as site </source>
        <translation>; un autre enregistreur publie sous le site </translation>
    </message>
    <message>
        <source>alarm: </source>
        <translation>alarme : </translation>
    </message>
    <message>
        <source>brolant-logger: program folder </source>
        <translation>brolant-logger : dossier du programme </translation>
    </message>
    <message>
        <source>brolant-logger: the live page is at </source>
        <translation>brolant-logger : la page en direct est à </translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>brolant-logger: ended in order</source>
        <translation>brolant-logger : arrêté proprement</translation>
    </message>
</context>
<context>
    <name>Brolant::ErrorReporter</name>
    <message>
        <source>  Last Error trapped  %1  ---  %2  %3</source>
        <translation>  Dernière erreur  %1  ---  %2  %3</translation>
    </message>
    <message>
        <source>  (not written to %1: %2)</source>
        <translation>  (non écrit dans %1 : %2)</translation>
    </message>
</context>
<context>
    <name>Brolant::MainWindow</name>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>live readings</source>
        <translation>mesures en direct</translation>
    </message>
    <message>
        <source>flashes on each reading received</source>
        <translation>clignote à chaque mesure reçue</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Enregistr.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>flashes on each log record</source>
        <translation>clignote à chaque enregistrement</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>logging interval in seconds</source>
        <translation>intervalle d&apos;enregistrement en secondes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Show Logs</source>
        <translation>Journaux</translation>
    </message>
    <message>
        <source>Program Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Étalonner</translation>
    </message>
    <message>
        <source>COMMs</source>
        <translation>COMMs</translation>
    </message>
    <message>
        <source>show the message lines</source>
        <translation>afficher les lignes de messages</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>received data and serial status</source>
        <translation>données reçues et état du port série</translation>
    </message>
    <message>
        <source>last error</source>
        <translation>dernière erreur</translation>
    </message>
    <message>
        <source>MQTT: </source>
        <translation>MQTT : </translation>
    </message>
</context>
<context>
    <name>Brolant::MainWindowModel</name>
    <message>
        <source>possible corrupt COMMS data</source>
        <translation>données COMMS peut-être corrompues</translation>
    </message>
    <message>
        <source>     possible COMMS problem</source>
        <translation>     problème COMMS possible</translation>
    </message>
    <message>
        <source>COMMS port back after a break: reading again</source>
        <translation>Port COMMS revenu après une coupure : lecture reprise</translation>
    </message>
    <message>
        <source>COMMS data buffer cleared</source>
        <translation>Tampon de données COMMS vidé</translation>
    </message>
    <message>
        <source>Caution Logging interval 2 short, Data Overflow may occur</source>
        <translation>Attention : intervalle d&apos;enregistrement trop court, débordement possible</translation>
    </message>
    <message>
        <source>Brolant - Waiting for Signal</source>
        <translation>Brolant - En attente du signal</translation>
    </message>
    <message>
        <source> Waiting for COMM data</source>
        <translation> En attente des données COMM</translation>
    </message>
    <message>
        <source> Error trap message  -     </source>
        <translation> Message d&apos;erreur  -     </translation>
    </message>
    <message>
        <source>There is a possible Port Number problem. Check available PORTS</source>
        <translation>Problème possible de numéro de port. Vérifiez les PORTS disponibles</translation>
    </message>
    <message>
        <source>Invalid delay period, needs to be a number between 1 and 600</source>
        <translation>Intervalle non valide : il faut un nombre entre 1 et 600</translation>
    </message>
</context>
<context>
    <name>Brolant::ProgramSetup</name>
    <message>
        <source>Brolant Setup</source>
        <translation>Réglages Brolant</translation>
    </message>
    <message>
        <source>System Voltage</source>
        <translation>Tension du système</translation>
    </message>
    <message>
        <source>Max System Amps</source>
        <translation>Courant max. (A)</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Débit (bauds)</translation>
    </message>
    <message>
        <source>serial port number, 0 for none</source>
        <translation>numéro du port série, 0 pour aucun</translation>
    </message>
    <message>
        <source>Com port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>the device the port number opens</source>
        <translation>l&apos;appareil qu&apos;ouvre ce numéro de port</translation>
    </message>
    <message>
        <source>No serial ports found on this computer.</source>
        <translation>Aucun port série trouvé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Serial ports on this computer: %1</source>
        <translation>Ports série sur cet ordinateur : %1</translation>
    </message>
    <message>
        <source>save HTML page</source>
        <translation>enregistrer la page HTML</translation>
    </message>
    <message>
        <source>Save HTML page?</source>
        <translation>Page HTML ?</translation>
    </message>
    <message>
        <source>Saved to /html folder</source>
        <translation>Dans le dossier /html</translation>
    </message>
    <message>
        <source>save Excel file</source>
        <translation>enregistrer le fichier Excel</translation>
    </message>
    <message>
        <source>Save Excel File?</source>
        <translation>Fichier Excel ?</translation>
    </message>
    <message>
        <source>Saved to /Excel folder</source>
        <translation>Dans le dossier /Excel</translation>
    </message>
    <message>
        <source>default logging interval in seconds</source>
        <translation>intervalle d&apos;enregistrement par défaut en secondes</translation>
    </message>
    <message>
        <source>Default Logging Interval</source>
        <translation>Intervalle par défaut</translation>
    </message>
    <message>
        <source>Seconds ( 1 - 600 )</source>
        <translation>Secondes ( 1 - 600 )</translation>
    </message>
    <message>
        <source>start logging automatically</source>
        <translation>démarrer l&apos;enregistrement automatiquement</translation>
    </message>
    <message>
        <source>Start Logger Automatically?</source>
        <translation>Démarrage auto. ?</translation>
    </message>
    <message>
        <source>display RPM</source>
        <translation>afficher le régime</translation>
    </message>
    <message>
        <source>Display RPM?</source>
        <translation>Afficher le régime ?</translation>
    </message>
    <message>
        <source>display messages</source>
        <translation>afficher les messages</translation>
    </message>
    <message>
        <source>Display messages</source>
        <translation>Afficher les messages</translation>
    </message>
    <message>
        <source>display wind speed</source>
        <translation>afficher la vitesse du vent</translation>
    </message>
    <message>
        <source>Display Wind Speed?</source>
        <translation>Vitesse du vent ?</translation>
    </message>
    <message>
        <source>wind speed units</source>
        <translation>unité de vitesse du vent</translation>
    </message>
    <message>
        <source>Wind Speed Units</source>
        <translation>Unité du vent</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>save with no serial port and close</source>
        <translation>enregistrer sans port série et fermer</translation>
    </message>
    <message>
        <source>Save Setings</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Publishing...</source>
        <translation>Publication...</translation>
    </message>
    <message>
        <source>where readings are published: MQTT</source>
        <translation>où les mesures sont publiées : MQTT</translation>
    </message>
    <message>
        <source>Web...</source>
        <translation>Web...</translation>
    </message>
    <message>
        <source>the live page for phones and computers on the network</source>
        <translation>la page en direct pour téléphones et ordinateurs du réseau</translation>
    </message>
    <message>
        <source>Alarms...</source>
        <translation>Alarmes...</translation>
    </message>
    <message>
        <source>when to warn of a low or high battery, a high current, an overspeeding turbine or a silent board</source>
        <translation>quand avertir d&apos;une batterie basse ou haute, d&apos;un courant élevé, d&apos;une éolienne en survitesse ou d&apos;une carte muette</translation>
    </message>
    <message>
        <source>0: no serial port</source>
        <translation>0 : aucun port série</translation>
    </message>
    <message>
        <source>not a port number</source>
        <translation>pas un numéro de port</translation>
    </message>
    <message>
        <source>port %1: no such device</source>
        <translation>port %1 : appareil introuvable</translation>
    </message>
    <message>
        <source>port %1: %2</source>
        <translation>port %1 : %2</translation>
    </message>
    <message>
        <source>port %1 opens %2</source>
        <translation>le port %1 ouvre %2</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>connecting</source>
        <translation>connexion</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Éolienne</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vent</translation>
    </message>
    <message>
        <source>no reading yet</source>
        <translation>pas encore de mesure</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volts</translation>
    </message>
    <message>
        <source>Amps</source>
        <translation>Ampères</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>today&apos;s records</source>
        <translation>enregistrements d’aujourd’hui</translation>
    </message>
    <message>
        <source>Download the day&apos;s log</source>
        <translation>Télécharger le journal du jour</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Énergie par jour</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>energy per day of the month</source>
        <translation>énergie par jour du mois</translation>
    </message>
    <message>
        <source>Download the month&apos;s energy (CSV)</source>
        <translation>Télécharger l’énergie du mois (CSV)</translation>
    </message>
    <message>
        <source>Power curve, last 30 days</source>
        <translation>Courbe de puissance, 30 derniers jours</translation>
    </message>
    <message>
        <source>mean watts against wind speed</source>
        <translation>puissance moyenne selon la vitesse du vent</translation>
    </message>
    <message>
        <source>Download the power curve (CSV)</source>
        <translation>Télécharger la courbe de puissance (CSV)</translation>
    </message>
    <message>
        <source>Charts drawn by uPlot (MIT licence,</source>
        <translation>Graphiques tracés par uPlot (licence MIT,</translation>
    </message>
    <message>
        <source>its text</source>
        <translation>son texte</translation>
    </message>
    <message>
        <source>ALARM: %1 %2</source>
        <translation>ALARME : %1 %2</translation>
    </message>
    <message>
        <source>This interval: %1</source>
        <translation>Cet intervalle : %1</translation>
    </message>
    <message>
        <source>Logging every %1&#xa0;s.</source>
        <translation>Enregistrement toutes les %1&#xa0;s.</translation>
    </message>
    <message>
        <source>Not logging.</source>
        <translation>Pas d’enregistrement.</translation>
    </message>
    <message>
        <source>Board port open</source>
        <translation>Port de la carte ouvert</translation>
    </message>
    <message>
        <source>Board port not working (%1)</source>
        <translation>Port de la carte en panne (%1)</translation>
    </message>
    <message>
        <source>Board port held by %1</source>
        <translation>Port de la carte occupé par %1</translation>
    </message>
    <message>
        <source>The logger is ending</source>
        <translation>L’enregistreur s’arrête</translation>
    </message>
    <message>
        <source>No board port set</source>
        <translation>Aucun port de carte choisi</translation>
    </message>
    <message>
        <source> Another logger publishes as site %1.</source>
        <translation> Un autre enregistreur publie sous le site %1.</translation>
    </message>
    <message>
        <source>Publishing to %1.</source>
        <translation>Publication vers %1.</translation>
    </message>
    <message>
        <source>Connecting to the broker at %1.</source>
        <translation>Connexion au broker %1.</translation>
    </message>
    <message>
        <source>The broker at %1 refuses the records: %2.</source>
        <translation>Le broker %1 refuse les enregistrements : %2.</translation>
    </message>
    <message>
        <source>Broker not available: %1.</source>
        <translation>Broker indisponible : %1.</translation>
    </message>
    <message>
        <source>No reading yet.</source>
        <translation>Pas encore de mesure.</translation>
    </message>
    <message>
        <source>Last reading just now.</source>
        <translation>Dernière mesure à l’instant.</translation>
    </message>
    <message>
        <source>Last reading %1 ago.</source>
        <translation>Dernière mesure il y a %1.</translation>
    </message>
    <message>
        <source>live</source>
        <translation>en direct</translation>
    </message>
    <message>
        <source>updated every few seconds</source>
        <translation>mis à jour toutes les quelques secondes</translation>
    </message>
    <message>
        <source>no connection</source>
        <translation>pas de connexion</translation>
    </message>
    <message>
        <source>No connection to the logger.</source>
        <translation>Pas de connexion à l’enregistreur.</translation>
    </message>
    <message>
        <source>No connection to the logger since %1: the figures below are from then, not now.</source>
        <translation>Pas de connexion à l’enregistreur depuis %1 : les valeurs ci-dessous datent de ce moment, pas de maintenant.</translation>
    </message>
    <message>
        <source>Nothing logged yet today.</source>
        <translation>Rien d’enregistré aujourd’hui pour l’instant.</translation>
    </message>
    <message>
        <source>%1 records.</source>
        <translation>%1 enregistrements.</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Vent %1</translation>
    </message>
    <message>
        <source>wind %1</source>
        <translation>vent %1</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>watts</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>volts</translation>
    </message>
    <message>
        <source>Nothing logged this month.</source>
        <translation>Rien d’enregistré ce mois-ci.</translation>
    </message>
    <message>
        <source>Total %1 Wh, a mean of %2 Wh a day</source>
        <translation>Total %1 Wh, en moyenne %2 Wh par jour</translation>
    </message>
    <message>
        <source>; the fainter bars are computed from the daily logs.</source>
        <translation> ; les barres plus pâles sont calculées à partir des journaux quotidiens.</translation>
    </message>
    <message>
        <source> %1 damaged line(s) in Whours.txt passed over.</source>
        <translation> %1 ligne(s) abîmée(s) dans Whours.txt ignorée(s).</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Wh computed</source>
        <translation>Wh calculés</translation>
    </message>
    <message>
        <source>watt-hours</source>
        <translation>wattheures</translation>
    </message>
    <message>
        <source> %1 could not be read (%2): what it holds is missing here.</source>
        <translation> %1 n’a pas pu être lu (%2) : son contenu manque ici.</translation>
    </message>
    <message>
        <source>Nothing logged from %1 to %2.</source>
        <translation>Rien d’enregistré du %1 au %2.</translation>
    </message>
    <message>
        <source>%1 records from %2 to %3; hollow points stand on fewer than 10 records.</source>
        <translation>%1 enregistrements du %2 au %3 ; les points creux reposent sur moins de 10 enregistrements.</translation>
    </message>
    <message>
        <source>Mean W</source>
        <translation>W moyens</translation>
    </message>
    <message>
        <source>Mean W, few records</source>
        <translation>W moyens, peu de mesures</translation>
    </message>
    <message>
        <source>Max W</source>
        <translation>W max.</translation>
    </message>
</context>
<context>
    <name>ProgramSetupModel</name>
    <message>
        <source>%1 does not exist yet: these are the starting values, and saving creates the file.</source>
        <translation>%1 n&apos;existe pas encore : voici les valeurs de départ, l&apos;enregistrement crée le fichier.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2): these are the starting values.</source>
        <translation>%1 n&apos;a pas pu être lu (%2) : voici les valeurs de départ.</translation>
    </message>
    <message>
        <source>%1 could not be read completely (%2). Those settings show their starting values; saving keeps all the others.</source>
        <translation>%1 n&apos;a pas pu être lu en entier (%2). Ces réglages montrent leurs valeurs de départ ; l&apos;enregistrement garde tous les autres.</translation>
    </message>
    <message>
        <source>There is a bad number for Port Number. Must be between 1 and 8 ( 1 or 2 most common )</source>
        <translation>Le numéro de port n&apos;est pas valide. Il doit être entre 1 et 8 ( le plus souvent 1 ou 2 )</translation>
    </message>
    <message>
        <source>The settings could not be saved, and %1 is unchanged.

%2</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés, %1 est inchangé.

%2</translation>
    </message>
</context>
</TS>
