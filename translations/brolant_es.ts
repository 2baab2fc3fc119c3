<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>LivePage</name>
    <message>
        <source>connecting</source>
        <translation>conectando</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Aerogenerador</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>no reading yet</source>
        <translation>aún sin lectura</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Vatios</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Voltios</translation>
    </message>
    <message>
        <source>Amps</source>
        <translation>Amperios</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>today&apos;s records</source>
        <translation>registros de hoy</translation>
    </message>
    <message>
        <source>Download the day&apos;s log</source>
        <translation>Descargar el registro del día</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energía por día</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Anterior</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>energy per day of the month</source>
        <translation>energía por día del mes</translation>
    </message>
    <message>
        <source>Download the month&apos;s energy (CSV)</source>
        <translation>Descargar la energía del mes (CSV)</translation>
    </message>
    <message>
        <source>Power curve, last 30 days</source>
        <translation>Curva de potencia, últimos 30 días</translation>
    </message>
    <message>
        <source>mean watts against wind speed</source>
        <translation>vatios medios según la velocidad del viento</translation>
    </message>
    <message>
        <source>Download the power curve (CSV)</source>
        <translation>Descargar la curva de potencia (CSV)</translation>
    </message>
    <message>
        <source>Charts drawn by uPlot (MIT licence,</source>
        <translation>Gráficos dibujados con uPlot (licencia MIT,</translation>
    </message>
    <message>
        <source>its text</source>
        <translation>su texto</translation>
    </message>
    <message>
        <source>ALARM: %1 %2</source>
        <translation>ALARMA: %1 %2</translation>
    </message>
    <message>
        <source>This interval: %1</source>
        <translation>Este intervalo: %1</translation>
    </message>
    <message>
        <source>Logging every %1&#xa0;s.</source>
        <translation>Registro cada %1&#xa0;s.</translation>
    </message>
    <message>
        <source>Not logging.</source>
        <translation>Sin registro.</translation>
    </message>
    <message>
        <source>Board port open</source>
        <translation>Puerto de la placa abierto</translation>
    </message>
    <message>
        <source>Board port not working (%1)</source>
        <translation>Puerto de la placa sin funcionar (%1)</translation>
    </message>
    <message>
        <source>Board port held by %1</source>
        <translation>Puerto de la placa ocupado por %1</translation>
    </message>
    <message>
        <source>The logger is ending</source>
        <translation>El registrador se está cerrando</translation>
    </message>
    <message>
        <source>No board port set</source>
        <translation>Ningún puerto de placa configurado</translation>
    </message>
    <message>
        <source> Another logger publishes as site %1.</source>
        <translation> Otro registrador publica como sitio %1.</translation>
    </message>
    <message>
        <source>Publishing to %1.</source>
        <translation>Publicando en %1.</translation>
    </message>
    <message>
        <source>Connecting to the broker at %1.</source>
        <translation>Conectando con el broker en %1.</translation>
    </message>
    <message>
        <source>The broker at %1 refuses the records: %2.</source>
        <translation>El broker en %1 rechaza los registros: %2.</translation>
    </message>
    <message>
        <source>Broker not available: %1.</source>
        <translation>Broker no disponible: %1.</translation>
    </message>
    <message>
        <source>No reading yet.</source>
        <translation>Aún sin lectura.</translation>
    </message>
    <message>
        <source>Last reading just now.</source>
        <translation>Última lectura ahora mismo.</translation>
    </message>
    <message>
        <source>Last reading %1 ago.</source>
        <translation>Última lectura hace %1.</translation>
    </message>
    <message>
        <source>live</source>
        <translation>en directo</translation>
    </message>
    <message>
        <source>updated every few seconds</source>
        <translation>actualizado cada pocos segundos</translation>
    </message>
    <message>
        <source>no connection</source>
        <translation>sin conexión</translation>
    </message>
    <message>
        <source>No connection to the logger.</source>
        <translation>Sin conexión con el registrador.</translation>
    </message>
    <message>
        <source>No connection to the logger since %1: the figures below are from then, not now.</source>
        <translation>Sin conexión con el registrador desde %1: las cifras de abajo son de entonces, no de ahora.</translation>
    </message>
    <message>
        <source>Nothing logged yet today.</source>
        <translation>Hoy aún no hay nada registrado.</translation>
    </message>
    <message>
        <source>%1 records.</source>
        <translation>%1 registros.</translation>
    </message>
    <message>
        <source>Wind %1</source>
        <translation>Viento %1</translation>
    </message>
    <message>
        <source>wind %1</source>
        <translation>viento %1</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>vatios</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>voltios</translation>
    </message>
    <message>
        <source>Nothing logged this month.</source>
        <translation>Nada registrado este mes.</translation>
    </message>
    <message>
        <source>Total %1 Wh, a mean of %2 Wh a day</source>
        <translation>Total %1 Wh, una media de %2 Wh al día</translation>
    </message>
    <message>
        <source>; the fainter bars are computed from the daily logs.</source>
        <translation>; las barras más claras se calculan a partir de los registros diarios.</translation>
    </message>
    <message>
        <source> %1 damaged line(s) in Whours.txt passed over.</source>
        <translation> %1 línea(s) dañada(s) en Whours.txt omitida(s).</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Wh computed</source>
        <translation>Wh calculados</translation>
    </message>
    <message>
        <source>watt-hours</source>
        <translation>vatios-hora</translation>
    </message>
    <message>
        <source> %1 could not be read (%2): what it holds is missing here.</source>
        <translation> No se pudo leer %1 (%2): lo que contiene falta aquí.</translation>
    </message>
    <message>
        <source>Nothing logged from %1 to %2.</source>
        <translation>Nada registrado del %1 al %2.</translation>
    </message>
    <message>
        <source>%1 records from %2 to %3; hollow points stand on fewer than 10 records.</source>
        <translation>%1 registros del %2 al %3; los puntos huecos se basan en menos de 10 registros.</translation>
    </message>
    <message>
        <source>Mean W</source>
        <translation>W medios</translation>
    </message>
    <message>
        <source>Mean W, few records</source>
        <translation>W medios, pocos registros</translation>
    </message>
    <message>
        <source>Max W</source>
        <translation>W máx.</translation>
    </message>
</context>
</TS>
