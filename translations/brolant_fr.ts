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
    <message>
        <source>switched off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>déclenchée</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>levée</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmSettings</name>
    <message>
        <source>%1 must be a number with a decimal point, not a comma: &quot;%2&quot;</source>
        <translation>%1 doit être un nombre avec un point décimal, pas une virgule : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a number or empty, not &quot;%2&quot;</source>
        <translation>%1 doit être un nombre ou vide, pas &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Delay must be a number of seconds, not empty</source>
        <translation>Delay doit être un nombre de secondes, pas vide</translation>
    </message>
    <message>
        <source>the file holds no alarm settings (no tag such as &lt;%1&gt;)</source>
        <translation>le fichier ne contient aucun réglage d&apos;alarme (aucune balise comme &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>%1 is set but %2 is empty: set both, or empty both to switch the alarm off</source>
        <translation>%1 est renseigné mais %2 est vide : renseignez les deux, ou videz les deux pour désactiver l&apos;alarme</translation>
    </message>
    <message>
        <source>%1 (%2) must be at or above %3 (%4), or the alarm could never clear</source>
        <translation>%1 (%2) doit être supérieur ou égal à %3 (%4), sinon l&apos;alarme ne pourrait jamais être levée</translation>
    </message>
    <message>
        <source>%1 (%2) must be at or below %3 (%4), or the alarm could never clear</source>
        <translation>%1 (%2) doit être inférieur ou égal à %3 (%4), sinon l&apos;alarme ne pourrait jamais être levée</translation>
    </message>
    <message>
        <source>NoData must be at least 1 second, or empty to switch the alarm off</source>
        <translation>NoData doit valoir au moins 1 seconde, ou être vide pour désactiver l&apos;alarme</translation>
    </message>
    <message>
        <source>Delay must be from 0 to %1 seconds</source>
        <translation>Delay doit être compris entre 0 et %1 secondes</translation>
    </message>
    <message>
        <source>Command must be one line of at most %1 characters</source>
        <translation>Command doit tenir sur une ligne d&apos;au plus %1 caractères</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmsDialog</name>
    <message>
        <source>Battery low: below</source>
        <translation>Batterie faible : sous</translation>
    </message>
    <message>
        <source>Battery high: above</source>
        <translation>Batterie haute : au-dessus de</translation>
    </message>
    <message>
        <source>Current high: above</source>
        <translation>Courant élevé : au-dessus de</translation>
    </message>
    <message>
        <source>Turbine speed high: above</source>
        <translation>Vitesse éolienne élevée : au-dessus de</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Leave a threshold empty to switch its alarm off.</source>
        <translation>Laissez un seuil vide pour désactiver son alarme.</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Déclencher</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>%1 raise threshold in %2</source>
        <translation>%1 : seuil de déclenchement en %2</translation>
    </message>
    <message>
        <source>%1 clear threshold in %2</source>
        <translation>%1 : seuil de levée en %2</translation>
    </message>
    <message>
        <source>cleared at or above</source>
        <translation>levée à ou au-dessus de</translation>
    </message>
    <message>
        <source>cleared at or below</source>
        <translation>levée à ou en dessous de</translation>
    </message>
    <message>
        <source>No data from the board for</source>
        <translation>Aucune donnée de la carte pendant</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Raise and clear after</source>
        <translation>Déclencher et lever après</translation>
    </message>
    <message>
        <source>Command to run on a change</source>
        <translation>Commande à lancer à chaque changement</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 could not be used (%2): these are the default values.</source>
        <translation>%1 n&apos;a pas pu être utilisé (%2) : voici les valeurs par défaut.</translation>
    </message>
    <message>
        <source>The alarms were not saved, and %1 is unchanged.

%2</source>
        <translation>Les alarmes n&apos;ont pas été enregistrées, et %1 est inchangé.

%2</translation>
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
        <translation>Sans courant, appuyez sur le bouton Zéro.</translation>
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
    <name>Brolant::ConfigFile</name>
    <message>
        <source>%1: no value for %2</source>
        <translation>%1 : aucune valeur pour %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: %3</source>
        <translation>%1 : %2 n&apos;est pas un nombre : %3</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number: %3</source>
        <translation>%1 : %2 n&apos;est pas un nombre entier : %3</translation>
    </message>
</context>
<context>
    <name>Brolant::ConnectionTest</name>
    <message>
        <source>connected</source>
        <translation>connecté</translation>
    </message>
    <message>
        <source>no answer from %1:%2 within %3 seconds</source>
        <translation>pas de réponse de %1:%2 en %3 secondes</translation>
    </message>
</context>
<context>
    <name>Brolant::ConsoleStatus</name>
    <message>
        <source>%1  %2 V  %3 A  %4 W  %5 rpm  %6 wind  %7 Wh  (%8)</source>
        <translation>%1  %2 V  %3 A  %4 W  %5 tr/min  %6 vent  %7 Wh  (%8)</translation>
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
    <name>Brolant::DayLoader</name>
    <message>
        <source>Over 10,000 records, too many to display. Please use a smaller time range. If you set you logging interval to 10 seconds or more, you wont have this problem in the future. </source>
        <translation>Plus de 10 000 enregistrements, trop pour l&apos;affichage. Choisissez une plage horaire plus courte. Avec un intervalle d&apos;enregistrement de 10 secondes ou plus, ce problème ne se posera plus. </translation>
    </message>
</context>
<context>
    <name>Brolant::DayRangeBar</name>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>read the daily logs from the first date to the second</source>
        <translation>lire les journaux quotidiens de la première date à la seconde</translation>
    </message>
</context>
<context>
    <name>Brolant::EnergyTab</name>
    <message>
        <source>no data</source>
        <translation>pas de données</translation>
    </message>
    <message>
        <source>Whours.txt and the daily log after its last line</source>
        <translation>Whours.txt puis le journal quotidien après sa dernière ligne</translation>
    </message>
    <message>
        <source>computed from the daily log</source>
        <translation>calculé depuis le journal quotidien</translation>
    </message>
    <message>
        <source>the daily log could not be read</source>
        <translation>le journal quotidien n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>Energy chart</source>
        <translation>Graphique de l&apos;énergie</translation>
    </message>
    <message>
        <source>energy per day or month as bars, each beside the same period a year before; the same values are in the table below</source>
        <translation>énergie par jour ou par mois en barres, chacune à côté de la même période un an plus tôt ; les mêmes valeurs sont dans le tableau ci-dessous</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Énergie par jour</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>A year before</source>
        <translation>Un an avant</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Précédent</translation>
    </message>
    <message>
        <source>the week, month or year before</source>
        <translation>la semaine, le mois ou l&apos;année d&apos;avant</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>the week, month or year after</source>
        <translation>la semaine, le mois ou l&apos;année d&apos;après</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>the days of a week, Monday to Sunday</source>
        <translation>les jours d&apos;une semaine, du lundi au dimanche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>the days of a month</source>
        <translation>les jours d&apos;un mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>the months of a year</source>
        <translation>les mois d&apos;une année</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter CSV</translation>
    </message>
    <message>
        <source>write the month&apos;s days to the excel folder</source>
        <translation>écrire les jours du mois dans le dossier excel</translation>
    </message>
    <message>
        <source> to </source>
        <translation> au </translation>
    </message>
    <message>
        <source>%1 damaged line(s) in Whours.txt passed over.</source>
        <translation>%1 ligne(s) endommagée(s) de Whours.txt ignorée(s).</translation>
    </message>
    <message>
        <source>%1 line(s) in Whours.txt dated after today left out of every total.</source>
        <translation>%1 ligne(s) de Whours.txt datée(s) après aujourd&apos;hui exclue(s) de tous les totaux.</translation>
    </message>
    <message>
        <source>%1 total %2, mean %3 a day; a year before %4. Light bars are computed from the daily logs.</source>
        <translation>%1 : total %2, moyenne %3 par jour ; un an avant %4. Les barres claires sont calculées depuis les journaux quotidiens.</translation>
    </message>
    <message>
        <source>%1: no data.</source>
        <translation>%1 : pas de données.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Jour du mois</translation>
    </message>
    <message>
        <source>Year total %1; the year before %2.</source>
        <translation>Total de l&apos;année %1 ; l&apos;année d&apos;avant %2.</translation>
    </message>
    <message>
        <source>Year: no data.</source>
        <translation>Année : pas de données.</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Écrit : %1</translation>
    </message>
    <message>
        <source>The CSV file could not be written: %1</source>
        <translation>Le fichier CSV n&apos;a pas pu être écrit : %1</translation>
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
    <name>Brolant::FrameCounts</name>
    <message>
        <source>%1 frames, %2 rejected, %3 checksum errors, %4 characters dropped</source>
        <translation>%1 trames, %2 rejetées, %3 erreurs de somme de contrôle, %4 caractères perdus</translation>
    </message>
    <message>
        <source>This interval: %1
Since start-up: %2</source>
        <translation>Cet intervalle : %1
Depuis le démarrage : %2</translation>
    </message>
</context>
<context>
    <name>Brolant::Graph</name>
    <message>
        <source>Volts</source>
        <translation>Volts</translation>
    </message>
    <message>
        <source>Amps</source>
        <translation>Ampères</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>WS</source>
        <translation>VV</translation>
    </message>
    <message>
        <source>Scaled</source>
        <translation>Mis à l&apos;échelle</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>volts</translation>
    </message>
    <message>
        <source>amps</source>
        <translation>ampères</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>watts</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>wind speed</source>
        <translation>vitesse du vent</translation>
    </message>
    <message>
        <source>time under the pointer</source>
        <translation>heure sous le pointeur</translation>
    </message>
    <message>
        <source>volts under the pointer</source>
        <translation>volts sous le pointeur</translation>
    </message>
    <message>
        <source>amps under the pointer</source>
        <translation>ampères sous le pointeur</translation>
    </message>
    <message>
        <source>watts under the pointer</source>
        <translation>watts sous le pointeur</translation>
    </message>
    <message>
        <source>rpm under the pointer</source>
        <translation>rpm sous le pointeur</translation>
    </message>
    <message>
        <source>wind speed under the pointer</source>
        <translation>vitesse du vent sous le pointeur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>time of the first plotted record</source>
        <translation>heure du premier enregistrement tracé</translation>
    </message>
    <message>
        <source>time of the last plotted record</source>
        <translation>heure du dernier enregistrement tracé</translation>
    </message>
    <message>
        <source>watt-hours of the plotted range</source>
        <translation>wattheures de la plage tracée</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Historique des journaux</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>the day being viewed</source>
        <translation>le jour affiché</translation>
    </message>
    <message>
        <source>the folder whose files are listed, first, then the folders in it; click one to open it</source>
        <translation>d&apos;abord le dossier dont les fichiers sont listés, puis ses sous-dossiers ; cliquez sur l&apos;un pour l&apos;ouvrir</translation>
    </message>
    <message>
        <source>log files; click one to load that day</source>
        <translation>fichiers journaux ; cliquez sur l&apos;un pour charger ce jour</translation>
    </message>
    <message>
        <source>start hour</source>
        <translation>heure de début</translation>
    </message>
    <message>
        <source>start minute</source>
        <translation>minute de début</translation>
    </message>
    <message>
        <source>finish hour</source>
        <translation>heure de fin</translation>
    </message>
    <message>
        <source>finish minute</source>
        <translation>minute de fin</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation>AFFICHER</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>energy per day, the power curve and the trend of many days</source>
        <translation>énergie par jour, courbe de puissance et tendance sur plusieurs jours</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>top of the %1 scale</source>
        <translation>haut de l&apos;échelle : %1</translation>
    </message>
    <message>
        <source>bottom of the %1 scale</source>
        <translation>bas de l&apos;échelle : %1</translation>
    </message>
</context>
<context>
    <name>Brolant::GraphModel</name>
    <message>
        <source>No data for that date</source>
        <translation>Pas de données pour cette date</translation>
    </message>
    <message>
        <source>Scaled</source>
        <translation>Mis à l&apos;échelle</translation>
    </message>
    <message>
        <source>&quot;%1:%2&quot; to &quot;%3:%4&quot; is not a range of times of day. Use hours 00 to 23 and minutes 00 to 59.</source>
        <translation>&quot;%1:%2&quot; à &quot;%3:%4&quot; n&apos;est pas une plage d&apos;heures du jour. Utilisez les heures 00 à 23 et les minutes 00 à 59.</translation>
    </message>
    <message>
        <source>The day could not be read: %1</source>
        <translation>Le jour n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>Unscaled</source>
        <translation>Non mis à l&apos;échelle</translation>
    </message>
    <message>
        <source>Choose a day&apos;s log file before exporting.</source>
        <translation>Choisissez le journal d&apos;un jour avant d&apos;exporter.</translation>
    </message>
    <message>
        <source>The export could not be written: %1</source>
        <translation>L&apos;export n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Brolant::HistoryWidgets</name>
    <message>
        <source>%1 could not be read (%2): %3.</source>
        <translation>%1 n&apos;a pas pu être lu (%2) : %3.</translation>
    </message>
    <message>
        <source>every day is computed from its daily log, and days known only from it are missing</source>
        <translation>chaque jour est calculé depuis son journal quotidien, et les jours connus seulement par ce fichier manquent</translation>
    </message>
    <message>
        <source>its day has no records here</source>
        <translation>son jour n&apos;a pas d&apos;enregistrements ici</translation>
    </message>
</context>
<context>
    <name>Brolant::HistoryWindow</name>
    <message>
        <source>Energy History</source>
        <translation>Historique de l&apos;énergie</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>É&amp;nergie</translation>
    </message>
    <message>
        <source>&amp;Power curve</source>
        <translation>&amp;Courbe de puissance</translation>
    </message>
    <message>
        <source>&amp;Trend</source>
        <translation>&amp;Tendance</translation>
    </message>
</context>
<context>
    <name>Brolant::LiveList</name>
    <message>
        <source>Volts</source>
        <translation>Volts</translation>
    </message>
    <message>
        <source>Amps</source>
        <translation>Ampères</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>WattHours</source>
        <translation>Wattheures</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>tr/min</translation>
    </message>
</context>
<context>
    <name>Brolant::LoadStatus</name>
    <message>
        <source>Reading the daily logs...</source>
        <translation>Lecture des journaux quotidiens...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Days read</source>
        <translation>Jours lus</translation>
    </message>
    <message>
        <source>stop reading the daily logs</source>
        <translation>arrêter la lecture des journaux quotidiens</translation>
    </message>
    <message>
        <source>Reading cancelled; what is shown is from before.</source>
        <translation>Lecture annulée ; l&apos;affichage date d&apos;avant.</translation>
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
    <name>Brolant::MqttDialog</name>
    <message>
        <source>MQTT Publishing</source>
        <translation>Publication MQTT</translation>
    </message>
    <message>
        <source>Publish readings to a broker</source>
        <translation>Publier les mesures vers un broker</translation>
    </message>
    <message>
        <source>Broker</source>
        <translation>Broker</translation>
    </message>
    <message>
        <source>host name or address of the broker</source>
        <translation>nom d&apos;hôte ou adresse du broker</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>broker port, usually 1883, or 8883 with TLS</source>
        <translation>port du broker, en général 1883, ou 8883 avec TLS</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>user name at the broker, empty for none</source>
        <translation>nom d&apos;utilisateur sur le broker, vide pour aucun</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>password at the broker</source>
        <translation>mot de passe sur le broker</translation>
    </message>
    <message>
        <source>Encrypt the connection (TLS)</source>
        <translation>Chiffrer la connexion (TLS)</translation>
    </message>
    <message>
        <source>Certificate authority file</source>
        <translation>Fichier de l&apos;autorité de certification</translation>
    </message>
    <message>
        <source>certificate authority file; empty uses the system&apos;s certificates</source>
        <translation>fichier de l&apos;autorité de certification ; vide utilise les certificats du système</translation>
    </message>
    <message>
        <source>Client certificate file</source>
        <translation>Fichier du certificat client</translation>
    </message>
    <message>
        <source>this logger&apos;s certificate, for a broker that wants one; empty for none</source>
        <translation>certificat de cet enregistreur, pour un broker qui en demande un ; vide pour aucun</translation>
    </message>
    <message>
        <source>Client key file</source>
        <translation>Fichier de la clé client</translation>
    </message>
    <message>
        <source>the private key of the client certificate, not protected by a password</source>
        <translation>la clé privée du certificat client, non protégée par un mot de passe</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Topic</translation>
    </message>
    <message>
        <source>first level of every topic</source>
        <translation>premier niveau de chaque topic</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>this logger&apos;s name, a-z, 0-9, _ and -</source>
        <translation>nom de cet enregistreur, a-z, 0-9, _ et -</translation>
    </message>
    <message>
        <source>Discovery prefix</source>
        <translation>Préfixe de découverte</translation>
    </message>
    <message>
        <source>Home Assistant discovery prefix; empty turns discovery off</source>
        <translation>préfixe de découverte de Home Assistant ; vide désactive la découverte</translation>
    </message>
    <message>
        <source>Live reading every (s)</source>
        <translation>Mesure en direct toutes les (s)</translation>
    </message>
    <message>
        <source>seconds between live readings at most; 0 for none</source>
        <translation>secondes au plus entre deux mesures en direct ; 0 pour aucune</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>try to connect with the values as typed</source>
        <translation>essayer de se connecter avec les valeurs saisies</translation>
    </message>
    <message>
        <source>what the test found</source>
        <translation>résultat du test</translation>
    </message>
    <message>
        <source>testing...</source>
        <translation>test en cours...</translation>
    </message>
    <message>
        <source>The publishing settings were not saved, and %1 is unchanged.

%2</source>
        <translation>Les réglages de publication n&apos;ont pas été enregistrés, et %1 est inchangé.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::MqttSettings</name>
    <message>
        <source>%1 must not be empty</source>
        <translation>%1 ne doit pas être vide</translation>
    </message>
    <message>
        <source>%1 must not contain # or +</source>
        <translation>%1 ne doit contenir ni # ni +</translation>
    </message>
    <message>
        <source>%1 must not start with $: the broker keeps those topics for itself</source>
        <translation>%1 ne doit pas commencer par $ : le broker se réserve ces topics</translation>
    </message>
    <message>
        <source>%1 must not start or end with / or hold an empty level</source>
        <translation>%1 ne doit ni commencer ni finir par / ni contenir de niveau vide</translation>
    </message>
    <message>
        <source>Host must name the broker (a host name or an address)</source>
        <translation>Host (Broker) doit désigner le broker (un nom d&apos;hôte ou une adresse)</translation>
    </message>
    <message>
        <source>Host must not contain blanks</source>
        <translation>Host (Broker) ne doit pas contenir d&apos;espaces</translation>
    </message>
    <message>
        <source>Site must hold at least one of a-z, 0-9, _ and -</source>
        <translation>Site doit contenir au moins un caractère parmi a-z, 0-9, _ et -</translation>
    </message>
    <message>
        <source>CertFile and KeyFile go together: give both or neither</source>
        <translation>CertFile et KeyFile vont ensemble : donnez les deux ou aucun</translation>
    </message>
    <message>
        <source>a client certificate needs TLS 1 and a CAFile, the authority that signed the broker&apos;s certificate</source>
        <translation>un certificat client exige TLS 1 et un CAFile, l&apos;autorité qui a signé le certificat du broker</translation>
    </message>
</context>
<context>
    <name>Brolant::PlotWidget</name>
    <message>
        <source>the day&apos;s readings; drag from left to right to zoom</source>
        <translation>les mesures du jour ; glisser de gauche à droite pour zoomer</translation>
    </message>
</context>
<context>
    <name>Brolant::PowerCurveTab</name>
    <message>
        <source>Export CSV</source>
        <translation>Exporter CSV</translation>
    </message>
    <message>
        <source>write the bin tables to the excel folder</source>
        <translation>écrire les tableaux des classes dans le dossier excel</translation>
    </message>
    <message>
        <source>Power curve chart</source>
        <translation>Graphique de la courbe de puissance</translation>
    </message>
    <message>
        <source>watts against wind speed for every record, the mean watts per bin, the method of bins and the rated curve; the bins are in the tables below</source>
        <translation>watts selon la vitesse du vent pour chaque enregistrement, les watts moyens par classe, la méthode des classes et la courbe nominale ; les classes sont dans les tableaux ci-dessous</translation>
    </message>
    <message>
        <source>Rated curve...</source>
        <translation>Courbe nominale...</translation>
    </message>
    <message>
        <source>type, paste or import the turbine&apos;s rated power curve</source>
        <translation>saisir, coller ou importer la courbe de puissance nominale de l&apos;éolienne</translation>
    </message>
    <message>
        <source>Wind unit &quot;%1&quot; is:</source>
        <translation>L&apos;unité de vent &quot;%1&quot; est :</translation>
    </message>
    <message>
        <source>(not known)</source>
        <translation>(inconnue)</translation>
    </message>
    <message>
        <source>Power curve bins</source>
        <translation>Classes de la courbe de puissance</translation>
    </message>
    <message>
        <source>Wind from</source>
        <translation>Vent dès</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Mean watts</source>
        <translation>W moyens</translation>
    </message>
    <message>
        <source>Max watts</source>
        <translation>W max</translation>
    </message>
    <message>
        <source>Bins of 1 unit</source>
        <translation>Classes d&apos;1 unité</translation>
    </message>
    <message>
        <source>Method of bins</source>
        <translation>Méthode des classes</translation>
    </message>
    <message>
        <source>Bin (m/s)</source>
        <translation>Classe (m/s)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Mean wind (m/s)</source>
        <translation>Vent moyen (m/s)</translation>
    </message>
    <message>
        <source>SD watts</source>
        <translation>ÉT W</translation>
    </message>
    <message>
        <source>Rated watts</source>
        <translation>W nominaux</translation>
    </message>
    <message>
        <source>% of rated</source>
        <translation>% du nominal</translation>
    </message>
    <message>
        <source>Annual energy</source>
        <translation>Énergie annuelle</translation>
    </message>
    <message>
        <source>Measured (kWh)</source>
        <translation>Mesurée (kWh)</translation>
    </message>
    <message>
        <source>Rated (kWh)</source>
        <translation>Nominale (kWh)</translation>
    </message>
    <message>
        <source>The wind unit could not be kept: </source>
        <translation>L&apos;unité du vent n&apos;a pas pu être conservée : </translation>
    </message>
    <message>
        <source>turbine.cfg could not be used (%1).</source>
        <translation>turbine.cfg n&apos;a pas pu être utilisé (%1).</translation>
    </message>
    <message>
        <source>Choose which unit the wind speed is logged in to see the method of bins.</source>
        <translation>Choisissez l&apos;unité dans laquelle la vitesse du vent est enregistrée pour voir la méthode des classes.</translation>
    </message>
    <message>
        <source>Method of bins (IEC 61400-12-1): 1-minute means in bins 0.5 m/s wide; bins of fewer than %1 minutes are drawn faint.</source>
        <translation>Méthode des classes (CEI 61400-12-1) : moyennes sur 1 minute dans des classes de 0.5 m/s ; les classes de moins de %1 minutes sont pâles.</translation>
    </message>
    <message>
        <source>Logged less often than once a minute: each record is used as it is.</source>
        <translation>Enregistré moins d&apos;une fois par minute : chaque enregistrement est utilisé tel quel.</translation>
    </message>
    <message>
        <source>Site&apos;s wind: Weibull k %1, c %2 m/s; a year of it gives %3 kWh measured</source>
        <translation>Vent du site : Weibull k %1, c %2 m/s ; une année de ce vent donne %3 kWh mesurés</translation>
    </message>
    <message>
        <source>, %1 kWh rated</source>
        <translation>, %1 kWh nominaux</translation>
    </message>
    <message>
        <source>%1 kWh in %2 hours logged</source>
        <translation>%1 kWh en %2 heures enregistrées</translation>
    </message>
    <message>
        <source>; capacity factor %1 at %2 W rated</source>
        <translation>; facteur de charge %1 pour %2 W nominaux</translation>
    </message>
    <message>
        <source>; enter the rated curve to hold them against it</source>
        <translation>; saisissez la courbe nominale pour les comparer</translation>
    </message>
    <message>
        <source>Method of bins (0.5 m/s)</source>
        <translation>Classes de 0.5 m/s</translation>
    </message>
    <message>
        <source>Bin of fewer than %1 minutes</source>
        <translation>Classe, moins de %1 min</translation>
    </message>
    <message>
        <source>Rated curve</source>
        <translation>Courbe nominale</translation>
    </message>
    <message>
        <source>%1 records; bins with fewer than %2 are drawn faint.</source>
        <translation>%1 enregistrements ; les classes de moins de %2 sont pâles.</translation>
    </message>
    <message>
        <source>Mean watts per bin</source>
        <translation>Watts moyens par classe</translation>
    </message>
    <message>
        <source>Mean of fewer than %1 records</source>
        <translation>Moyenne, moins de %1 enreg.</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Vitesse du vent</translation>
    </message>
    <message>
        <source>Wind speed (%1)</source>
        <translation>Vitesse du vent (%1)</translation>
    </message>
    <message>
        <source>Watts (W)</source>
        <translation>Watts (W)</translation>
    </message>
    <message>
        <source>The CSV file could not be written: %1</source>
        <translation>Le fichier CSV n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>Written: %1 and %2</source>
        <translation>Écrits : %1 et %2</translation>
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
        <translation>Sans port</translation>
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
    <name>Brolant::RatedCurveDialog</name>
    <message>
        <source>Rated curve</source>
        <translation>Courbe nominale</translation>
    </message>
    <message>
        <source>Wind speed (m/s) and power (W), a pair a line, as the turbine&apos;s certificate gives them:</source>
        <translation>Vitesse du vent (m/s) et puissance (W), une paire par ligne, comme le certificat de l&apos;éolienne les donne :</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importer CSV...</translation>
    </message>
    <message>
        <source>read the pairs from a file of two columns</source>
        <translation>lire les paires depuis un fichier à deux colonnes</translation>
    </message>
    <message>
        <source>Rated power (W):</source>
        <translation>Puissance nominale (W) :</translation>
    </message>
    <message>
        <source>empty: the curve&apos;s highest watts</source>
        <translation>vide : les watts les plus hauts de la courbe</translation>
    </message>
    <message>
        <source>Import a rated curve</source>
        <translation>Importer une courbe nominale</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>Fichiers CSV (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 is no file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 n&apos;a pas pu être lu (%2).</translation>
    </message>
    <message>
        <source>%1 is too large for a rated curve.</source>
        <translation>%1 est trop grand pour une courbe nominale.</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>Non enregistré : %1.</translation>
    </message>
</context>
<context>
    <name>Brolant::SettingsValue</name>
    <message>
        <source>%1 holds control characters or is longer than %2 characters</source>
        <translation>%1 contient des caractères de contrôle ou dépasse %2 caractères</translation>
    </message>
    <message>
        <source>%1 must be 0 or 1, not &quot;%2&quot;</source>
        <translation>%1 doit valoir 0 ou 1, pas &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 doit être un nombre entier de %2 à %3, pas &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 must be a whole number of seconds from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 doit être un nombre entier de secondes de %2 à %3, pas &quot;%4&quot;</translation>
    </message>
</context>
<context>
    <name>Brolant::SetupForm</name>
    <message>
        <source>%1 must be 0, 1 or 2, not %2</source>
        <translation>%1 doit valoir 0, 1 ou 2, pas %2</translation>
    </message>
</context>
<context>
    <name>Brolant::TrendTab</name>
    <message>
        <source>Point at the plot to read a record.</source>
        <translation>Pointez le graphique pour lire un enregistrement.</translation>
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
        <source>Watts</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vent</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Dézoomer</translation>
    </message>
    <message>
        <source>step back to the span before the last zoom</source>
        <translation>revenir à la période d&apos;avant le dernier zoom</translation>
    </message>
    <message>
        <source>draw this series in a lane of its own</source>
        <translation>tracer cette série dans sa propre bande</translation>
    </message>
    <message>
        <source>the record nearest the pointer</source>
        <translation>l&apos;enregistrement le plus proche du pointeur</translation>
    </message>
    <message>
        <source>No records in these days.</source>
        <translation>Aucun enregistrement ces jours-là.</translation>
    </message>
</context>
<context>
    <name>Brolant::TrendWidget</name>
    <message>
        <source>Tick a series to draw it.</source>
        <translation>Cochez une série pour la tracer.</translation>
    </message>
    <message>
        <source>  (%1 to %2)</source>
        <translation>  (%1 à %2)</translation>
    </message>
    <message>
        <source>Trend plot</source>
        <translation>Graphique de tendance</translation>
    </message>
    <message>
        <source>each series ticked in a lane of its own over the chosen days; the readout below names the record under the pointer; drag from left to right to zoom</source>
        <translation>chaque série cochée dans sa propre bande sur les jours choisis ; la lecture en dessous donne l&apos;enregistrement sous le pointeur ; glisser de gauche à droite pour zoomer</translation>
    </message>
</context>
<context>
    <name>Brolant::TurbineSettings</name>
    <message>
        <source>the rated power must be a number of watts above 0, not &quot;%1&quot;</source>
        <translation>la puissance nominale doit être un nombre de watts supérieur à 0, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>UnitsMean must be one of m/s, km/h, mph, knots or ft/s, not &quot;%1&quot;</source>
        <translation>UnitsMean doit être m/s, km/h, mph, knots ou ft/s, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line %1 is not a wind speed in m/s and a power in W: &quot;%2&quot;</source>
        <translation>la ligne %1 n&apos;est pas une vitesse de vent en m/s suivie d&apos;une puissance en W : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>line %1: a wind speed and a power are never below 0</source>
        <translation>ligne %1 : une vitesse de vent et une puissance ne sont jamais inférieures à 0</translation>
    </message>
    <message>
        <source>line %1: the wind speeds must rise from line to line</source>
        <translation>ligne %1 : les vitesses de vent doivent croître d&apos;une ligne à l&apos;autre</translation>
    </message>
    <message>
        <source>a rated curve needs at least two pairs of wind speed and power</source>
        <translation>une courbe nominale demande au moins deux paires de vitesse de vent et de puissance</translation>
    </message>
    <message>
        <source>a rated curve has at most %1 pairs</source>
        <translation>une courbe nominale compte au plus %1 paires</translation>
    </message>
    <message>
        <source>a rated curve of 0 W everywhere is no curve</source>
        <translation>une courbe nominale à 0 W partout n&apos;est pas une courbe</translation>
    </message>
</context>
<context>
    <name>Brolant::ViewerSettings</name>
    <message>
        <source>the logging interval is not a number: &quot;%1&quot;</source>
        <translation>l&apos;intervalle d&apos;enregistrement n&apos;est pas un nombre : &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The viewer needs the logging interval, system voltage and maximum current from prog.cfg, and could not use them (%1). Correct them in Program Setup.</source>
        <translation>L&apos;affichage a besoin de l&apos;intervalle d&apos;enregistrement, de la tension du système et du courant maximal de prog.cfg, et n&apos;a pas pu les utiliser (%1). Corrigez-les dans la configuration du programme.</translation>
    </message>
</context>
<context>
    <name>Brolant::WebDialog</name>
    <message>
        <source>Web Dashboard</source>
        <translation>Tableau de bord web</translation>
    </message>
    <message>
        <source>Serve the live page to phones and computers on the network</source>
        <translation>Servir la page en direct aux téléphones et ordinateurs du réseau</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>port the page is served on, usually 8080</source>
        <translation>port sur lequel la page est servie, en général 8080</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>Écouter sur</translation>
    </message>
    <message>
        <source>address of this computer to serve on; empty for every network</source>
        <translation>adresse de cet ordinateur où servir la page ; vide pour tous les réseaux</translation>
    </message>
    <message>
        <source>Other names</source>
        <translation>Autres noms</translation>
    </message>
    <message>
        <source>names a router or a dynamic DNS gives this computer, separated by commas: the page answers to them too</source>
        <translation>noms qu&apos;un routeur ou un DNS dynamique donne à cet ordinateur, séparés par des virgules : la page y répond aussi</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>password the page asks for, any user name; empty for none</source>
        <translation>mot de passe demandé par la page, avec n&apos;importe quel nom d&apos;utilisateur ; vide pour aucun</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Fichier du certificat</translation>
    </message>
    <message>
        <source>certificate for HTTPS, in PEM form; empty for plain HTTP</source>
        <translation>certificat pour HTTPS, au format PEM ; vide pour du HTTP simple</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Fichier de clé</translation>
    </message>
    <message>
        <source>private key of the certificate, in PEM form</source>
        <translation>clé privée du certificat, au format PEM</translation>
    </message>
    <message>
        <source>Open the page at:</source>
        <translation>Ouvrir la page à :</translation>
    </message>
    <message>
        <source>the page&apos;s address, opens a browser</source>
        <translation>adresse de la page, ouvre un navigateur</translation>
    </message>
    <message>
        <source>the page&apos;s address, to copy</source>
        <translation>adresse de la page, à copier</translation>
    </message>
    <message>
        <source>With a password on a network you do not trust, use HTTPS: without it the password crosses the network readable.</source>
        <translation>Avec un mot de passe sur un réseau auquel vous ne faites pas confiance, utilisez HTTPS : sans lui, le mot de passe traverse le réseau en clair.</translation>
    </message>
    <message>
        <source>(not served until the box above is ticked and saved)</source>
        <translation>(non servie tant que la case ci-dessus n&apos;est pas cochée et enregistrée)</translation>
    </message>
    <message>
        <source>The web page settings were not saved, and %1 is unchanged.

%2</source>
        <translation>Les réglages de la page web n&apos;ont pas été enregistrés, et %1 est inchangé.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::WebSettings</name>
    <message>
        <source>%1 %2 is not a file</source>
        <translation>%1 %2 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>Hosts must be names separated by commas, such as shed.example.org, not %1</source>
        <translation>Hosts (Autres noms) doit contenir des noms séparés par des virgules, comme shed.example.org, pas %1</translation>
    </message>
    <message>
        <source>Listen must be an address of this computer such as 192.168.1.20, or empty for every network, not %1</source>
        <translation>Listen doit être une adresse de cet ordinateur, comme 192.168.1.20, ou vide pour tous les réseaux, pas %1</translation>
    </message>
    <message>
        <source>CertFile and KeyFile go together: set both for HTTPS, or neither</source>
        <translation>CertFile et KeyFile vont ensemble : renseignez les deux pour HTTPS, ou aucun</translation>
    </message>
</context>
<context>
    <name>Brolant::WidgetHelpers</name>
    <message>
        <source>%1 could not be used (%2): these are the starting values.</source>
        <translation>%1 n&apos;a pas pu être utilisé (%2) : voici les valeurs de départ.</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>close without saving</source>
        <translation>fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
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
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Program Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
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
