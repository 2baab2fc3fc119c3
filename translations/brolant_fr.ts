<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
</TS>
