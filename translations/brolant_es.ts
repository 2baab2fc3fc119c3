<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Brolant::AlarmBanner</name>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2 a las %3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>alarms</source>
        <translation>alarmas</translation>
    </message>
    <message>
        <source>silence the alarm notifications; alarms stay listed until they clear</source>
        <translation>silenciar los avisos de alarma; las alarmas siguen en la lista hasta que se despejan</translation>
    </message>
    <message>
        <source>ALARM: </source>
        <translation>ALARMA: </translation>
    </message>
    <message>
        <source> (acknowledged)</source>
        <translation> (confirmada)</translation>
    </message>
    <message>
        <source>Cleared: </source>
        <translation>Despejadas: </translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmBoard</name>
    <message>
        <source>Brolant alarm</source>
        <translation>Alarma de Brolant</translation>
    </message>
    <message>
        <source>Brolant alarm cleared</source>
        <translation>Alarma de Brolant despejada</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmChange</name>
    <message>
        <source>LowVolts</source>
        <translation>Tensión baja</translation>
    </message>
    <message>
        <source>HighVolts</source>
        <translation>Tensión alta</translation>
    </message>
    <message>
        <source>HighAmps</source>
        <translation>Corriente alta</translation>
    </message>
    <message>
        <source>HighRPM</source>
        <translation>Régimen alto</translation>
    </message>
    <message>
        <source>NoData</source>
        <translation>Sin datos</translation>
    </message>
</context>
<context>
    <name>Brolant::Board</name>
    <message>
        <source>sent %1 frames (%2 with a bad checksum, %3 bytes), dropped %4 writes</source>
        <translation>%1 tramas enviadas (%2 con suma de control errónea, %3 bytes), %4 escrituras descartadas</translation>
    </message>
    <message>
        <source>%1 linked at %2</source>
        <translation>%1 enlazado en %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
</context>
<context>
    <name>Brolant::Calibrate</name>
    <message>
        <source>battery reading from the board</source>
        <translation>lectura de batería de la placa</translation>
    </message>
    <message>
        <source>current reading from the board</source>
        <translation>lectura de corriente de la placa</translation>
    </message>
    <message>
        <source>generator pulses from the board</source>
        <translation>pulsos del generador de la placa</translation>
    </message>
    <message>
        <source>generator rpm</source>
        <translation>rpm del generador</translation>
    </message>
    <message>
        <source>wind sensor pulses from the board</source>
        <translation>pulsos del anemómetro de la placa</translation>
    </message>
    <message>
        <source>wind speed</source>
        <translation>velocidad del viento</translation>
    </message>
    <message>
        <source>battery volts</source>
        <translation>tensión de batería</translation>
    </message>
    <message>
        <source>battery amps</source>
        <translation>corriente de batería</translation>
    </message>
    <message>
        <source>current offset</source>
        <translation>desfase de corriente</translation>
    </message>
    <message>
        <source>voltage divisor</source>
        <translation>divisor de tensión</translation>
    </message>
    <message>
        <source>current divisor</source>
        <translation>divisor de corriente</translation>
    </message>
    <message>
        <source>generator pulses per revolution</source>
        <translation>pulsos del generador por vuelta</translation>
    </message>
    <message>
        <source>wind sensor pulses per unit</source>
        <translation>pulsos del anemómetro por unidad</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>%1 Volts</source>
        <translation>%1 voltios</translation>
    </message>
    <message>
        <source>Step 1. Set Voltage</source>
        <translation>Paso 1. Ajustar la tensión</translation>
    </message>
    <message>
        <source>Measure your battery voltage, and then adjust</source>
        <translation>Mida la tensión de batería y ajuste</translation>
    </message>
    <message>
        <source>this value until the correct battery voltage</source>
        <translation>este valor hasta que se muestre la tensión</translation>
    </message>
    <message>
        <source>is displayed</source>
        <translation>correcta de la batería</translation>
    </message>
    <message>
        <source>Step 3. Set RPM</source>
        <translation>Paso 3. Ajustar las RPM</translation>
    </message>
    <message>
        <source>How many pulses per revolution?</source>
        <translation>¿Cuántos pulsos por vuelta?</translation>
    </message>
    <message>
        <source>ie, for a 14 pulse generator, type in 14.</source>
        <translation>p. ej., para un generador de 14 pulsos, escriba 14.</translation>
    </message>
    <message>
        <source>Step 4. Set Wind Speed</source>
        <translation>Paso 4. Ajustar el viento</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>take the current reading as zero amps</source>
        <translation>tomar la lectura actual como cero amperios</translation>
    </message>
    <message>
        <source>Step 2. Set Current</source>
        <translation>Paso 2. Ajustar la corriente</translation>
    </message>
    <message>
        <source>With no current flowing, press the Zero button..</source>
        <translation>Sin corriente, pulse el botón Cero..</translation>
    </message>
    <message>
        <source>Apply a charging current, and adjust this</source>
        <translation>Aplique una corriente de carga y ajuste</translation>
    </message>
    <message>
        <source>value until the correct amps is displayed.</source>
        <translation>este valor hasta que se muestre la corriente correcta.</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Desfase</translation>
    </message>
    <message>
        <source>Exit ( dont save )</source>
        <translation>Salir ( sin guardar )</translation>
    </message>
    <message>
        <source>Save Calibration</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>Brolant::CalibrationModel</name>
    <message>
        <source>How many pulses per %1?</source>
        <translation>¿Cuántos pulsos por %1?</translation>
    </message>
    <message>
        <source>%1 RPM</source>
        <translation>%1 RPM</translation>
    </message>
    <message>
        <source>%1 Volts</source>
        <translation>%1 voltios</translation>
    </message>
    <message>
        <source>%1 Amps</source>
        <translation>%1 amperios</translation>
    </message>
    <message>
        <source>The calibration could not be saved, and %1 is unchanged.

%2</source>
        <translation>No se pudo guardar la calibración; %1 no ha cambiado.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::ConsoleStatus</name>
    <message>
        <source>%1  %2 V  %3 A  %4 W  %5 rpm  %6 wind  %7 Wh  (%8)</source>
        <translation>%1  %2 V  %3 A  %4 W  %5 rpm  %6 viento  %7 Wh  (%8)</translation>
    </message>
    <message>
        <source>  MQTT: </source>
        <translation>  MQTT: </translation>
    </message>
    <message>
        <source>connecting to %1</source>
        <translation>conectando con %1</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>conectado a %1</translation>
    </message>
    <message>
        <source>connected to %1, which refuses records: %2</source>
        <translation>conectado a %1, que rechaza los registros: %2</translation>
    </message>
    <message>
        <source>broker not available: %1</source>
        <translation>bróker no disponible: %1</translation>
    </message>
    <message>
        <source>; another logger publishes as site </source>
        <translation>; otro registrador publica como sitio </translation>
    </message>
    <message>
        <source>alarm: </source>
        <translation>alarma: </translation>
    </message>
    <message>
        <source>brolant-logger: program folder </source>
        <translation>brolant-logger: carpeta del programa </translation>
    </message>
    <message>
        <source>brolant-logger: the live page is at </source>
        <translation>brolant-logger: la página en directo está en </translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>brolant-logger: ended in order</source>
        <translation>brolant-logger: terminado en orden</translation>
    </message>
</context>
<context>
    <name>Brolant::ErrorReporter</name>
    <message>
        <source>  Last Error trapped  %1  ---  %2  %3</source>
        <translation>  Último error  %1  ---  %2  %3</translation>
    </message>
    <message>
        <source>  (not written to %1: %2)</source>
        <translation>  (no escrito en %1: %2)</translation>
    </message>
</context>
<context>
    <name>Brolant::MainWindow</name>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>live readings</source>
        <translation>lecturas en directo</translation>
    </message>
    <message>
        <source>flashes on each reading received</source>
        <translation>parpadea con cada lectura recibida</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>flashes on each log record</source>
        <translation>parpadea con cada registro</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>logging interval in seconds</source>
        <translation>intervalo de registro en segundos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Show Logs</source>
        <translation>Ver registros</translation>
    </message>
    <message>
        <source>Program Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>COMMs</source>
        <translation>COMMs</translation>
    </message>
    <message>
        <source>show the message lines</source>
        <translation>mostrar las líneas de mensajes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>received data and serial status</source>
        <translation>datos recibidos y estado del puerto serie</translation>
    </message>
    <message>
        <source>last error</source>
        <translation>último error</translation>
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
        <translation>posibles datos COMMS dañados</translation>
    </message>
    <message>
        <source>     possible COMMS problem</source>
        <translation>     posible problema de COMMS</translation>
    </message>
    <message>
        <source>COMMS port back after a break: reading again</source>
        <translation>Puerto COMMS de vuelta tras un corte: leyendo de nuevo</translation>
    </message>
    <message>
        <source>COMMS data buffer cleared</source>
        <translation>Búfer de datos COMMS vaciado</translation>
    </message>
    <message>
        <source>Caution Logging interval 2 short, Data Overflow may occur</source>
        <translation>Atención: intervalo de registro demasiado corto, puede haber desbordamiento</translation>
    </message>
    <message>
        <source>Brolant - Waiting for Signal</source>
        <translation>Brolant - Esperando señal</translation>
    </message>
    <message>
        <source> Waiting for COMM data</source>
        <translation> Esperando datos COMM</translation>
    </message>
    <message>
        <source> Error trap message  -     </source>
        <translation> Mensaje de error  -     </translation>
    </message>
    <message>
        <source>There is a possible Port Number problem. Check available PORTS</source>
        <translation>Posible problema con el número de puerto. Compruebe los PUERTOS disponibles</translation>
    </message>
    <message>
        <source>Invalid delay period, needs to be a number between 1 and 600</source>
        <translation>Intervalo no válido: debe ser un número entre 1 y 600</translation>
    </message>
</context>
<context>
    <name>Brolant::ProgramSetup</name>
    <message>
        <source>Brolant Setup</source>
        <translation>Configuración de Brolant</translation>
    </message>
    <message>
        <source>System Voltage</source>
        <translation>Tensión del sistema</translation>
    </message>
    <message>
        <source>Max System Amps</source>
        <translation>Corriente máx. (A)</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Velocidad (baudios)</translation>
    </message>
    <message>
        <source>serial port number, 0 for none</source>
        <translation>número de puerto serie, 0 para ninguno</translation>
    </message>
    <message>
        <source>Com port</source>
        <translation>Puerto COM</translation>
    </message>
    <message>
        <source>the device the port number opens</source>
        <translation>el dispositivo que abre el número de puerto</translation>
    </message>
    <message>
        <source>No serial ports found on this computer.</source>
        <translation>No se encontraron puertos serie en este equipo.</translation>
    </message>
    <message>
        <source>Serial ports on this computer: %1</source>
        <translation>Puertos serie en este equipo: %1</translation>
    </message>
    <message>
        <source>save HTML page</source>
        <translation>guardar la página HTML</translation>
    </message>
    <message>
        <source>Save HTML page?</source>
        <translation>¿Guardar página HTML?</translation>
    </message>
    <message>
        <source>Saved to /html folder</source>
        <translation>En la carpeta /html</translation>
    </message>
    <message>
        <source>save Excel file</source>
        <translation>guardar el archivo Excel</translation>
    </message>
    <message>
        <source>Save Excel File?</source>
        <translation>¿Guardar archivo Excel?</translation>
    </message>
    <message>
        <source>Saved to /Excel folder</source>
        <translation>En la carpeta /Excel</translation>
    </message>
    <message>
        <source>default logging interval in seconds</source>
        <translation>intervalo de registro predeterminado en segundos</translation>
    </message>
    <message>
        <source>Default Logging Interval</source>
        <translation>Intervalo predeterminado</translation>
    </message>
    <message>
        <source>Seconds ( 1 - 600 )</source>
        <translation>Segundos ( 1 - 600 )</translation>
    </message>
    <message>
        <source>start logging automatically</source>
        <translation>iniciar el registro automáticamente</translation>
    </message>
    <message>
        <source>Start Logger Automatically?</source>
        <translation>¿Iniciar automáticamente?</translation>
    </message>
    <message>
        <source>display RPM</source>
        <translation>mostrar las RPM</translation>
    </message>
    <message>
        <source>Display RPM?</source>
        <translation>¿Mostrar RPM?</translation>
    </message>
    <message>
        <source>display messages</source>
        <translation>mostrar los mensajes</translation>
    </message>
    <message>
        <source>Display messages</source>
        <translation>Mostrar mensajes</translation>
    </message>
    <message>
        <source>display wind speed</source>
        <translation>mostrar la velocidad del viento</translation>
    </message>
    <message>
        <source>Display Wind Speed?</source>
        <translation>¿Mostrar viento?</translation>
    </message>
    <message>
        <source>wind speed units</source>
        <translation>unidad de velocidad del viento</translation>
    </message>
    <message>
        <source>Wind Speed Units</source>
        <translation>Unidad del viento</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>save with no serial port and close</source>
        <translation>guardar sin puerto serie y cerrar</translation>
    </message>
    <message>
        <source>Save Setings</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Publishing...</source>
        <translation>Publicación...</translation>
    </message>
    <message>
        <source>where readings are published: MQTT</source>
        <translation>dónde se publican las lecturas: MQTT</translation>
    </message>
    <message>
        <source>Web...</source>
        <translation>Web...</translation>
    </message>
    <message>
        <source>the live page for phones and computers on the network</source>
        <translation>la página en directo para móviles y equipos de la red</translation>
    </message>
    <message>
        <source>Alarms...</source>
        <translation>Alarmas...</translation>
    </message>
    <message>
        <source>when to warn of a low or high battery, a high current, an overspeeding turbine or a silent board</source>
        <translation>cuándo avisar de batería baja o alta, corriente alta, aerogenerador embalado o placa en silencio</translation>
    </message>
    <message>
        <source>0: no serial port</source>
        <translation>0: sin puerto serie</translation>
    </message>
    <message>
        <source>not a port number</source>
        <translation>no es un número de puerto</translation>
    </message>
    <message>
        <source>port %1: no such device</source>
        <translation>puerto %1: no existe el dispositivo</translation>
    </message>
    <message>
        <source>port %1: %2</source>
        <translation>puerto %1: %2</translation>
    </message>
    <message>
        <source>port %1 opens %2</source>
        <translation>el puerto %1 abre %2</translation>
    </message>
</context>
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
<context>
    <name>ProgramSetupModel</name>
    <message>
        <source>%1 does not exist yet: these are the starting values, and saving creates the file.</source>
        <translation>%1 aún no existe: estos son los valores iniciales y al guardar se crea el archivo.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2): these are the starting values.</source>
        <translation>No se pudo leer %1 (%2): estos son los valores iniciales.</translation>
    </message>
    <message>
        <source>%1 could not be read completely (%2). Those settings show their starting values; saving keeps all the others.</source>
        <translation>No se pudo leer %1 por completo (%2). Esos ajustes muestran sus valores iniciales; al guardar se conservan todos los demás.</translation>
    </message>
    <message>
        <source>There is a bad number for Port Number. Must be between 1 and 8 ( 1 or 2 most common )</source>
        <translation>El número de puerto no es válido. Debe estar entre 1 y 8 ( lo más habitual 1 o 2 )</translation>
    </message>
    <message>
        <source>The settings could not be saved, and %1 is unchanged.

%2</source>
        <translation>No se pudieron guardar los ajustes; %1 no ha cambiado.

%2</translation>
    </message>
</context>
</TS>
