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
    <message>
        <source>switched off</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>activada</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>restablecida</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmSettings</name>
    <message>
        <source>%1 must be a number with a decimal point, not a comma: &quot;%2&quot;</source>
        <translation>%1 debe ser un número con punto decimal, no con coma: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a number or empty, not &quot;%2&quot;</source>
        <translation>%1 debe ser un número o estar vacío, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Delay must be a number of seconds, not empty</source>
        <translation>Delay debe ser un número de segundos, no vacío</translation>
    </message>
    <message>
        <source>the file holds no alarm settings (no tag such as &lt;%1&gt;)</source>
        <translation>el archivo no contiene ajustes de alarma (ninguna etiqueta como &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>%1 is set but %2 is empty: set both, or empty both to switch the alarm off</source>
        <translation>%1 tiene valor pero %2 está vacío: rellene ambos, o vacíe ambos para desactivar la alarma</translation>
    </message>
    <message>
        <source>%1 (%2) must be at or above %3 (%4), or the alarm could never clear</source>
        <translation>%1 (%2) debe ser igual o mayor que %3 (%4), o la alarma nunca podría restablecerse</translation>
    </message>
    <message>
        <source>%1 (%2) must be at or below %3 (%4), or the alarm could never clear</source>
        <translation>%1 (%2) debe ser igual o menor que %3 (%4), o la alarma nunca podría restablecerse</translation>
    </message>
    <message>
        <source>NoData must be at least 1 second, or empty to switch the alarm off</source>
        <translation>NoData debe ser de al menos 1 segundo, o estar vacío para desactivar la alarma</translation>
    </message>
    <message>
        <source>Delay must be from 0 to %1 seconds</source>
        <translation>Delay debe estar entre 0 y %1 segundos</translation>
    </message>
    <message>
        <source>Command must be one line of at most %1 characters</source>
        <translation>Command debe ser una línea de %1 caracteres como máximo</translation>
    </message>
</context>
<context>
    <name>Brolant::AlarmsDialog</name>
    <message>
        <source>Battery low: below</source>
        <translation>Batería baja: por debajo de</translation>
    </message>
    <message>
        <source>Battery high: above</source>
        <translation>Batería alta: por encima de</translation>
    </message>
    <message>
        <source>Current high: above</source>
        <translation>Corriente alta: por encima de</translation>
    </message>
    <message>
        <source>Turbine speed high: above</source>
        <translation>Velocidad del aerogenerador alta: por encima de</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>Leave a threshold empty to switch its alarm off.</source>
        <translation>Deje un umbral vacío para desactivar su alarma.</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>%1 raise threshold in %2</source>
        <translation>%1: umbral de activación en %2</translation>
    </message>
    <message>
        <source>%1 clear threshold in %2</source>
        <translation>%1: umbral de restablecimiento en %2</translation>
    </message>
    <message>
        <source>cleared at or above</source>
        <translation>restablecida en o por encima de</translation>
    </message>
    <message>
        <source>cleared at or below</source>
        <translation>restablecida en o por debajo de</translation>
    </message>
    <message>
        <source>No data from the board for</source>
        <translation>Sin datos de la placa durante</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Raise and clear after</source>
        <translation>Activar y restablecer tras</translation>
    </message>
    <message>
        <source>Command to run on a change</source>
        <translation>Comando a ejecutar en cada cambio</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 could not be used (%2): these are the default values.</source>
        <translation>No se pudo usar %1 (%2): estos son los valores predeterminados.</translation>
    </message>
    <message>
        <source>The alarms were not saved, and %1 is unchanged.

%2</source>
        <translation>Las alarmas no se guardaron y %1 no ha cambiado.

%2</translation>
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
        <translation>Sin corriente, pulse el botón Cero.</translation>
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
    <name>Brolant::ConfigFile</name>
    <message>
        <source>%1: no value for %2</source>
        <translation>%1: sin valor para %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number: %3</source>
        <translation>%1: %2 no es un número: %3</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number: %3</source>
        <translation>%1: %2 no es un número entero: %3</translation>
    </message>
</context>
<context>
    <name>Brolant::ConnectionTest</name>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>no answer from %1:%2 within %3 seconds</source>
        <translation>sin respuesta de %1:%2 en %3 segundos</translation>
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
    <name>Brolant::DayLoader</name>
    <message>
        <source>Over 10,000 records, too many to display. Please use a smaller time range. If you set you logging interval to 10 seconds or more, you wont have this problem in the future. </source>
        <translation>Más de 10.000 registros, demasiados para mostrar. Use un intervalo de tiempo menor. Con un intervalo de registro de 10 segundos o más, no tendrá este problema en el futuro. </translation>
    </message>
</context>
<context>
    <name>Brolant::DayRangeBar</name>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>read the daily logs from the first date to the second</source>
        <translation>leer los registros diarios de la primera fecha a la segunda</translation>
    </message>
</context>
<context>
    <name>Brolant::EnergyTab</name>
    <message>
        <source>no data</source>
        <translation>sin datos</translation>
    </message>
    <message>
        <source>Whours.txt and the daily log after its last line</source>
        <translation>Whours.txt y el registro diario tras su última línea</translation>
    </message>
    <message>
        <source>computed from the daily log</source>
        <translation>calculado del registro diario</translation>
    </message>
    <message>
        <source>the daily log could not be read</source>
        <translation>no se pudo leer el registro diario</translation>
    </message>
    <message>
        <source>Energy chart</source>
        <translation>Gráfico de energía</translation>
    </message>
    <message>
        <source>energy per day or month as bars, each beside the same period a year before; the same values are in the table below</source>
        <translation>energía por día o por mes en barras, cada una junto al mismo periodo un año antes; los mismos valores están en la tabla de abajo</translation>
    </message>
    <message>
        <source>Energy per day</source>
        <translation>Energía por día</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>A year before</source>
        <translation>Un año antes</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Anterior</translation>
    </message>
    <message>
        <source>the week, month or year before</source>
        <translation>la semana, el mes o el año anterior</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>the week, month or year after</source>
        <translation>la semana, el mes o el año siguiente</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>the days of a week, Monday to Sunday</source>
        <translation>los días de una semana, de lunes a domingo</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>the days of a month</source>
        <translation>los días de un mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>the months of a year</source>
        <translation>los meses de un año</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>write the month&apos;s days to the excel folder</source>
        <translation>escribir los días del mes en la carpeta excel</translation>
    </message>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>%1 damaged line(s) in Whours.txt passed over.</source>
        <translation>%1 línea(s) dañada(s) de Whours.txt omitida(s).</translation>
    </message>
    <message>
        <source>%1 line(s) in Whours.txt dated after today left out of every total.</source>
        <translation>%1 línea(s) de Whours.txt con fecha posterior a hoy excluida(s) de todos los totales.</translation>
    </message>
    <message>
        <source>%1 total %2, mean %3 a day; a year before %4. Light bars are computed from the daily logs.</source>
        <translation>%1: total %2, media %3 al día; un año antes %4. Las barras claras se calculan de los registros diarios.</translation>
    </message>
    <message>
        <source>%1: no data.</source>
        <translation>%1: sin datos.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Día del mes</translation>
    </message>
    <message>
        <source>Year total %1; the year before %2.</source>
        <translation>Total del año %1; el año anterior %2.</translation>
    </message>
    <message>
        <source>Year: no data.</source>
        <translation>Año: sin datos.</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <source>The CSV file could not be written: %1</source>
        <translation>No se pudo escribir el archivo CSV: %1</translation>
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
    <name>Brolant::FrameCounts</name>
    <message>
        <source>%1 frames, %2 rejected, %3 checksum errors, %4 characters dropped</source>
        <translation>%1 tramas, %2 rechazadas, %3 errores de suma de comprobación, %4 caracteres descartados</translation>
    </message>
    <message>
        <source>This interval: %1
Since start-up: %2</source>
        <translation>Este intervalo: %1
Desde el arranque: %2</translation>
    </message>
</context>
<context>
    <name>Brolant::Graph</name>
    <message>
        <source>Volts</source>
        <translation>Voltios</translation>
    </message>
    <message>
        <source>Amps</source>
        <translation>Amperios</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Vatios</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>WS</source>
        <translation>VV</translation>
    </message>
    <message>
        <source>Scaled</source>
        <translation>Escalado</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>voltios</translation>
    </message>
    <message>
        <source>amps</source>
        <translation>amperios</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>vatios</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>wind speed</source>
        <translation>velocidad del viento</translation>
    </message>
    <message>
        <source>time under the pointer</source>
        <translation>hora bajo el puntero</translation>
    </message>
    <message>
        <source>volts under the pointer</source>
        <translation>voltios bajo el puntero</translation>
    </message>
    <message>
        <source>amps under the pointer</source>
        <translation>amperios bajo el puntero</translation>
    </message>
    <message>
        <source>watts under the pointer</source>
        <translation>vatios bajo el puntero</translation>
    </message>
    <message>
        <source>rpm under the pointer</source>
        <translation>rpm bajo el puntero</translation>
    </message>
    <message>
        <source>wind speed under the pointer</source>
        <translation>velocidad del viento bajo el puntero</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>time of the first plotted record</source>
        <translation>hora del primer registro dibujado</translation>
    </message>
    <message>
        <source>time of the last plotted record</source>
        <translation>hora del último registro dibujado</translation>
    </message>
    <message>
        <source>watt-hours of the plotted range</source>
        <translation>vatios hora del intervalo dibujado</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Historial de registros</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>the day being viewed</source>
        <translation>el día que se ve</translation>
    </message>
    <message>
        <source>the folder whose files are listed, first, then the folders in it; click one to open it</source>
        <translation>primero la carpeta cuyos archivos se listan, luego sus carpetas; haga clic en una para abrirla</translation>
    </message>
    <message>
        <source>log files; click one to load that day</source>
        <translation>archivos de registro; haga clic en uno para cargar ese día</translation>
    </message>
    <message>
        <source>start hour</source>
        <translation>hora de inicio</translation>
    </message>
    <message>
        <source>start minute</source>
        <translation>minuto de inicio</translation>
    </message>
    <message>
        <source>finish hour</source>
        <translation>hora de fin</translation>
    </message>
    <message>
        <source>finish minute</source>
        <translation>minuto de fin</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation>MOSTRAR</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>energy per day, the power curve and the trend of many days</source>
        <translation>energía por día, la curva de potencia y la tendencia de muchos días</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>top of the %1 scale</source>
        <translation>parte alta de la escala de %1</translation>
    </message>
    <message>
        <source>bottom of the %1 scale</source>
        <translation>parte baja de la escala de %1</translation>
    </message>
</context>
<context>
    <name>Brolant::GraphModel</name>
    <message>
        <source>No data for that date</source>
        <translation>No hay datos para esa fecha</translation>
    </message>
    <message>
        <source>Scaled</source>
        <translation>Escalado</translation>
    </message>
    <message>
        <source>&quot;%1:%2&quot; to &quot;%3:%4&quot; is not a range of times of day. Use hours 00 to 23 and minutes 00 to 59.</source>
        <translation>&quot;%1:%2&quot; a &quot;%3:%4&quot; no es un intervalo de horas del día. Use horas de 00 a 23 y minutos de 00 a 59.</translation>
    </message>
    <message>
        <source>The day could not be read: %1</source>
        <translation>No se pudo leer el día: %1</translation>
    </message>
    <message>
        <source>Unscaled</source>
        <translation>Sin escalar</translation>
    </message>
    <message>
        <source>Choose a day&apos;s log file before exporting.</source>
        <translation>Elija el registro de un día antes de exportar.</translation>
    </message>
    <message>
        <source>The export could not be written: %1</source>
        <translation>No se pudo escribir la exportación: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>Brolant::HistoryWidgets</name>
    <message>
        <source>%1 could not be read (%2): %3.</source>
        <translation>No se pudo leer %1 (%2): %3.</translation>
    </message>
    <message>
        <source>every day is computed from its daily log, and days known only from it are missing</source>
        <translation>cada día se calcula a partir de su registro diario, y faltan los días que solo constan en él</translation>
    </message>
    <message>
        <source>its day has no records here</source>
        <translation>su día no tiene registros aquí</translation>
    </message>
</context>
<context>
    <name>Brolant::HistoryWindow</name>
    <message>
        <source>Energy History</source>
        <translation>Historial de energía</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energía</translation>
    </message>
    <message>
        <source>&amp;Power curve</source>
        <translation>Curva de &amp;potencia</translation>
    </message>
    <message>
        <source>&amp;Trend</source>
        <translation>&amp;Tendencia</translation>
    </message>
</context>
<context>
    <name>Brolant::LiveList</name>
    <message>
        <source>Volts</source>
        <translation>Voltios</translation>
    </message>
    <message>
        <source>Amps</source>
        <translation>Amperios</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Vatios</translation>
    </message>
    <message>
        <source>WattHours</source>
        <translation>Vatios-hora</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
</context>
<context>
    <name>Brolant::LoadStatus</name>
    <message>
        <source>Reading the daily logs...</source>
        <translation>Leyendo los registros diarios...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Days read</source>
        <translation>Días leídos</translation>
    </message>
    <message>
        <source>stop reading the daily logs</source>
        <translation>dejar de leer los registros diarios</translation>
    </message>
    <message>
        <source>Reading cancelled; what is shown is from before.</source>
        <translation>Lectura cancelada; lo que se muestra es de antes.</translation>
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
    <name>Brolant::MqttDialog</name>
    <message>
        <source>MQTT Publishing</source>
        <translation>Publicación MQTT</translation>
    </message>
    <message>
        <source>Publish readings to a broker</source>
        <translation>Publicar las lecturas en un broker</translation>
    </message>
    <message>
        <source>Broker</source>
        <translation>Broker</translation>
    </message>
    <message>
        <source>host name or address of the broker</source>
        <translation>nombre de host o dirección del broker</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>broker port, usually 1883, or 8883 with TLS</source>
        <translation>puerto del broker, normalmente 1883, o 8883 con TLS</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>user name at the broker, empty for none</source>
        <translation>usuario en el broker, vacío para ninguno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>password at the broker</source>
        <translation>contraseña en el broker</translation>
    </message>
    <message>
        <source>Encrypt the connection (TLS)</source>
        <translation>Cifrar la conexión (TLS)</translation>
    </message>
    <message>
        <source>Certificate authority file</source>
        <translation>Archivo de la autoridad de certificación</translation>
    </message>
    <message>
        <source>certificate authority file; empty uses the system&apos;s certificates</source>
        <translation>archivo de la autoridad de certificación; vacío usa los certificados del sistema</translation>
    </message>
    <message>
        <source>Client certificate file</source>
        <translation>Archivo del certificado de cliente</translation>
    </message>
    <message>
        <source>this logger&apos;s certificate, for a broker that wants one; empty for none</source>
        <translation>certificado de este registrador, para un broker que lo pida; vacío para ninguno</translation>
    </message>
    <message>
        <source>Client key file</source>
        <translation>Archivo de la clave de cliente</translation>
    </message>
    <message>
        <source>the private key of the client certificate, not protected by a password</source>
        <translation>la clave privada del certificado de cliente, sin contraseña</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>first level of every topic</source>
        <translation>primer nivel de cada tema</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sitio</translation>
    </message>
    <message>
        <source>this logger&apos;s name, a-z, 0-9, _ and -</source>
        <translation>nombre de este registrador, a-z, 0-9, _ y -</translation>
    </message>
    <message>
        <source>Discovery prefix</source>
        <translation>Prefijo de descubrimiento</translation>
    </message>
    <message>
        <source>Home Assistant discovery prefix; empty turns discovery off</source>
        <translation>prefijo de descubrimiento de Home Assistant; vacío lo desactiva</translation>
    </message>
    <message>
        <source>Live reading every (s)</source>
        <translation>Lectura en vivo cada (s)</translation>
    </message>
    <message>
        <source>seconds between live readings at most; 0 for none</source>
        <translation>segundos como máximo entre lecturas en vivo; 0 para ninguna</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>try to connect with the values as typed</source>
        <translation>intentar conectar con los valores escritos</translation>
    </message>
    <message>
        <source>what the test found</source>
        <translation>resultado de la prueba</translation>
    </message>
    <message>
        <source>testing...</source>
        <translation>probando...</translation>
    </message>
    <message>
        <source>The publishing settings were not saved, and %1 is unchanged.

%2</source>
        <translation>Los ajustes de publicación no se guardaron y %1 no ha cambiado.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::MqttSettings</name>
    <message>
        <source>%1 must not be empty</source>
        <translation>%1 no debe estar vacío</translation>
    </message>
    <message>
        <source>%1 must not contain # or +</source>
        <translation>%1 no debe contener # ni +</translation>
    </message>
    <message>
        <source>%1 must not start with $: the broker keeps those topics for itself</source>
        <translation>%1 no debe empezar por $: el broker reserva esos temas para sí</translation>
    </message>
    <message>
        <source>%1 must not start or end with / or hold an empty level</source>
        <translation>%1 no debe empezar ni terminar con / ni contener un nivel vacío</translation>
    </message>
    <message>
        <source>Host must name the broker (a host name or an address)</source>
        <translation>Host (Broker) debe indicar el broker (un nombre de host o una dirección)</translation>
    </message>
    <message>
        <source>Host must not contain blanks</source>
        <translation>Host (Broker) no debe contener espacios</translation>
    </message>
    <message>
        <source>Site must hold at least one of a-z, 0-9, _ and -</source>
        <translation>Site (Sitio) debe contener al menos uno de a-z, 0-9, _ y -</translation>
    </message>
    <message>
        <source>CertFile and KeyFile go together: give both or neither</source>
        <translation>CertFile y KeyFile van juntos: indique ambos o ninguno</translation>
    </message>
    <message>
        <source>a client certificate needs TLS 1 and a CAFile, the authority that signed the broker&apos;s certificate</source>
        <translation>un certificado de cliente necesita TLS 1 y un CAFile, la autoridad que firmó el certificado del broker</translation>
    </message>
</context>
<context>
    <name>Brolant::PlotWidget</name>
    <message>
        <source>the day&apos;s readings; drag from left to right to zoom</source>
        <translation>las lecturas del día; arrastre de izquierda a derecha para ampliar</translation>
    </message>
</context>
<context>
    <name>Brolant::PowerCurveTab</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>write the bin tables to the excel folder</source>
        <translation>escribir las tablas de intervalos en la carpeta excel</translation>
    </message>
    <message>
        <source>Power curve chart</source>
        <translation>Gráfico de la curva de potencia</translation>
    </message>
    <message>
        <source>watts against wind speed for every record, the mean watts per bin, the method of bins and the rated curve; the bins are in the tables below</source>
        <translation>vatios frente a velocidad del viento para cada registro, los vatios medios por intervalo, el método de intervalos y la curva nominal; los intervalos están en las tablas de abajo</translation>
    </message>
    <message>
        <source>Rated curve...</source>
        <translation>Curva nominal...</translation>
    </message>
    <message>
        <source>type, paste or import the turbine&apos;s rated power curve</source>
        <translation>escribir, pegar o importar la curva de potencia nominal del aerogenerador</translation>
    </message>
    <message>
        <source>Wind unit &quot;%1&quot; is:</source>
        <translation>La unidad de viento &quot;%1&quot; es:</translation>
    </message>
    <message>
        <source>(not known)</source>
        <translation>(desconocida)</translation>
    </message>
    <message>
        <source>Power curve bins</source>
        <translation>Intervalos de la curva de potencia</translation>
    </message>
    <message>
        <source>Wind from</source>
        <translation>Viento desde</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Mean watts</source>
        <translation>W medios</translation>
    </message>
    <message>
        <source>Max watts</source>
        <translation>W máx.</translation>
    </message>
    <message>
        <source>Bins of 1 unit</source>
        <translation>Intervalos de 1 unidad</translation>
    </message>
    <message>
        <source>Method of bins</source>
        <translation>Método de intervalos</translation>
    </message>
    <message>
        <source>Bin (m/s)</source>
        <translation>Intervalo (m/s)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Mean wind (m/s)</source>
        <translation>Viento medio (m/s)</translation>
    </message>
    <message>
        <source>SD watts</source>
        <translation>DE W</translation>
    </message>
    <message>
        <source>Rated watts</source>
        <translation>W nominales</translation>
    </message>
    <message>
        <source>% of rated</source>
        <translation>% del nominal</translation>
    </message>
    <message>
        <source>Annual energy</source>
        <translation>Energía anual</translation>
    </message>
    <message>
        <source>Measured (kWh)</source>
        <translation>Medida (kWh)</translation>
    </message>
    <message>
        <source>Rated (kWh)</source>
        <translation>Nominal (kWh)</translation>
    </message>
    <message>
        <source>The wind unit could not be kept: </source>
        <translation>No se pudo guardar la unidad del viento: </translation>
    </message>
    <message>
        <source>turbine.cfg could not be used (%1).</source>
        <translation>No se pudo usar turbine.cfg (%1).</translation>
    </message>
    <message>
        <source>Choose which unit the wind speed is logged in to see the method of bins.</source>
        <translation>Elija en qué unidad se registra la velocidad del viento para ver el método de intervalos.</translation>
    </message>
    <message>
        <source>Method of bins (IEC 61400-12-1): 1-minute means in bins 0.5 m/s wide; bins of fewer than %1 minutes are drawn faint.</source>
        <translation>Método de intervalos (IEC 61400-12-1): medias de 1 minuto en intervalos de 0.5 m/s; los intervalos de menos de %1 minutos se dibujan tenues.</translation>
    </message>
    <message>
        <source>Logged less often than once a minute: each record is used as it is.</source>
        <translation>Registrado menos de una vez por minuto: cada registro se usa tal cual.</translation>
    </message>
    <message>
        <source>Site&apos;s wind: Weibull k %1, c %2 m/s; a year of it gives %3 kWh measured</source>
        <translation>Viento del lugar: Weibull k %1, c %2 m/s; un año de él da %3 kWh medidos</translation>
    </message>
    <message>
        <source>, %1 kWh rated</source>
        <translation>, %1 kWh nominales</translation>
    </message>
    <message>
        <source>%1 kWh in %2 hours logged</source>
        <translation>%1 kWh en %2 horas registradas</translation>
    </message>
    <message>
        <source>; capacity factor %1 at %2 W rated</source>
        <translation>; factor de capacidad %1 con %2 W nominales</translation>
    </message>
    <message>
        <source>; enter the rated curve to hold them against it</source>
        <translation>; introduzca la curva nominal para compararlos con ella</translation>
    </message>
    <message>
        <source>Method of bins (0.5 m/s)</source>
        <translation>Intervalos de 0.5 m/s</translation>
    </message>
    <message>
        <source>Bin of fewer than %1 minutes</source>
        <translation>Intervalo, menos de %1 min</translation>
    </message>
    <message>
        <source>Rated curve</source>
        <translation>Curva nominal</translation>
    </message>
    <message>
        <source>%1 records; bins with fewer than %2 are drawn faint.</source>
        <translation>%1 registros; los intervalos con menos de %2 se dibujan tenues.</translation>
    </message>
    <message>
        <source>Mean watts per bin</source>
        <translation>Vatios medios por intervalo</translation>
    </message>
    <message>
        <source>Mean of fewer than %1 records</source>
        <translation>Media, menos de %1 registros</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Velocidad del viento</translation>
    </message>
    <message>
        <source>Wind speed (%1)</source>
        <translation>Velocidad del viento (%1)</translation>
    </message>
    <message>
        <source>Watts (W)</source>
        <translation>Vatios (W)</translation>
    </message>
    <message>
        <source>The CSV file could not be written: %1</source>
        <translation>No se pudo escribir el archivo CSV: %1</translation>
    </message>
    <message>
        <source>Written: %1 and %2</source>
        <translation>Escritos: %1 y %2</translation>
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
        <translation>Sin puerto</translation>
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
    <name>Brolant::RatedCurveDialog</name>
    <message>
        <source>Rated curve</source>
        <translation>Curva nominal</translation>
    </message>
    <message>
        <source>Wind speed (m/s) and power (W), a pair a line, as the turbine&apos;s certificate gives them:</source>
        <translation>Velocidad del viento (m/s) y potencia (W), un par por línea, como los da el certificado del aerogenerador:</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importar CSV...</translation>
    </message>
    <message>
        <source>read the pairs from a file of two columns</source>
        <translation>leer los pares de un archivo de dos columnas</translation>
    </message>
    <message>
        <source>Rated power (W):</source>
        <translation>Potencia nominal (W):</translation>
    </message>
    <message>
        <source>empty: the curve&apos;s highest watts</source>
        <translation>vacío: los vatios más altos de la curva</translation>
    </message>
    <message>
        <source>Import a rated curve</source>
        <translation>Importar una curva nominal</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>Archivos CSV (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 is no file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>No se pudo leer %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is too large for a rated curve.</source>
        <translation>%1 es demasiado grande para una curva nominal.</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>No guardado: %1.</translation>
    </message>
</context>
<context>
    <name>Brolant::SettingsValue</name>
    <message>
        <source>%1 holds control characters or is longer than %2 characters</source>
        <translation>%1 contiene caracteres de control o supera los %2 caracteres</translation>
    </message>
    <message>
        <source>%1 must be 0 or 1, not &quot;%2&quot;</source>
        <translation>%1 debe ser 0 o 1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 debe ser un número entero de %2 a %3, no &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 must be a whole number of seconds from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 debe ser un número entero de segundos de %2 a %3, no &quot;%4&quot;</translation>
    </message>
</context>
<context>
    <name>Brolant::SetupForm</name>
    <message>
        <source>%1 must be 0, 1 or 2, not %2</source>
        <translation>%1 debe ser 0, 1 o 2, no %2</translation>
    </message>
</context>
<context>
    <name>Brolant::TrendTab</name>
    <message>
        <source>Point at the plot to read a record.</source>
        <translation>Señale el gráfico para leer un registro.</translation>
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
        <source>Watts</source>
        <translation>Vatios</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>step back to the span before the last zoom</source>
        <translation>volver al periodo anterior al último zoom</translation>
    </message>
    <message>
        <source>draw this series in a lane of its own</source>
        <translation>dibujar esta serie en una franja propia</translation>
    </message>
    <message>
        <source>the record nearest the pointer</source>
        <translation>el registro más cercano al puntero</translation>
    </message>
    <message>
        <source>No records in these days.</source>
        <translation>No hay registros en estos días.</translation>
    </message>
</context>
<context>
    <name>Brolant::TrendWidget</name>
    <message>
        <source>Tick a series to draw it.</source>
        <translation>Marque una serie para dibujarla.</translation>
    </message>
    <message>
        <source>  (%1 to %2)</source>
        <translation>  (%1 a %2)</translation>
    </message>
    <message>
        <source>Trend plot</source>
        <translation>Gráfico de tendencia</translation>
    </message>
    <message>
        <source>each series ticked in a lane of its own over the chosen days; the readout below names the record under the pointer; drag from left to right to zoom</source>
        <translation>cada serie marcada en una franja propia durante los días elegidos; la lectura de abajo indica el registro bajo el puntero; arrastre de izquierda a derecha para ampliar</translation>
    </message>
</context>
<context>
    <name>Brolant::TurbineSettings</name>
    <message>
        <source>the rated power must be a number of watts above 0, not &quot;%1&quot;</source>
        <translation>la potencia nominal debe ser un número de vatios mayor que 0, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>UnitsMean must be one of m/s, km/h, mph, knots or ft/s, not &quot;%1&quot;</source>
        <translation>UnitsMean debe ser m/s, km/h, mph, knots o ft/s, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line %1 is not a wind speed in m/s and a power in W: &quot;%2&quot;</source>
        <translation>la línea %1 no es una velocidad de viento en m/s y una potencia en W: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>line %1: a wind speed and a power are never below 0</source>
        <translation>línea %1: una velocidad de viento y una potencia nunca son menores que 0</translation>
    </message>
    <message>
        <source>line %1: the wind speeds must rise from line to line</source>
        <translation>línea %1: las velocidades de viento deben subir de línea en línea</translation>
    </message>
    <message>
        <source>a rated curve needs at least two pairs of wind speed and power</source>
        <translation>una curva nominal necesita al menos dos pares de velocidad de viento y potencia</translation>
    </message>
    <message>
        <source>a rated curve has at most %1 pairs</source>
        <translation>una curva nominal tiene como máximo %1 pares</translation>
    </message>
    <message>
        <source>a rated curve of 0 W everywhere is no curve</source>
        <translation>una curva nominal de 0 W en todas partes no es una curva</translation>
    </message>
</context>
<context>
    <name>Brolant::ViewerSettings</name>
    <message>
        <source>the logging interval is not a number: &quot;%1&quot;</source>
        <translation>el intervalo de registro no es un número: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The viewer needs the logging interval, system voltage and maximum current from prog.cfg, and could not use them (%1). Correct them in Program Setup.</source>
        <translation>El visor necesita el intervalo de registro, la tensión del sistema y la corriente máxima de prog.cfg, y no pudo usarlos (%1). Corríjalos en la configuración del programa.</translation>
    </message>
</context>
<context>
    <name>Brolant::WebDialog</name>
    <message>
        <source>Web Dashboard</source>
        <translation>Panel web</translation>
    </message>
    <message>
        <source>Serve the live page to phones and computers on the network</source>
        <translation>Servir la página en vivo a teléfonos y ordenadores de la red</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>port the page is served on, usually 8080</source>
        <translation>puerto en el que se sirve la página, normalmente 8080</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>Escuchar en</translation>
    </message>
    <message>
        <source>address of this computer to serve on; empty for every network</source>
        <translation>dirección de este ordenador en la que servir; vacío para todas las redes</translation>
    </message>
    <message>
        <source>Other names</source>
        <translation>Otros nombres</translation>
    </message>
    <message>
        <source>names a router or a dynamic DNS gives this computer, separated by commas: the page answers to them too</source>
        <translation>nombres que un router o un DNS dinámico dan a este ordenador, separados por comas: la página también responde a ellos</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>password the page asks for, any user name; empty for none</source>
        <translation>contraseña que pide la página, con cualquier usuario; vacío para ninguna</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Archivo del certificado</translation>
    </message>
    <message>
        <source>certificate for HTTPS, in PEM form; empty for plain HTTP</source>
        <translation>certificado para HTTPS, en formato PEM; vacío para HTTP simple</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Archivo de clave</translation>
    </message>
    <message>
        <source>private key of the certificate, in PEM form</source>
        <translation>clave privada del certificado, en formato PEM</translation>
    </message>
    <message>
        <source>Open the page at:</source>
        <translation>Abra la página en:</translation>
    </message>
    <message>
        <source>the page&apos;s address, opens a browser</source>
        <translation>dirección de la página, abre un navegador</translation>
    </message>
    <message>
        <source>the page&apos;s address, to copy</source>
        <translation>dirección de la página, para copiar</translation>
    </message>
    <message>
        <source>With a password on a network you do not trust, use HTTPS: without it the password crosses the network readable.</source>
        <translation>Con contraseña en una red de la que no se fía, use HTTPS: sin él, la contraseña cruza la red legible.</translation>
    </message>
    <message>
        <source>(not served until the box above is ticked and saved)</source>
        <translation>(no se sirve hasta marcar la casilla de arriba y guardar)</translation>
    </message>
    <message>
        <source>The web page settings were not saved, and %1 is unchanged.

%2</source>
        <translation>Los ajustes de la página web no se guardaron y %1 no ha cambiado.

%2</translation>
    </message>
</context>
<context>
    <name>Brolant::WebSettings</name>
    <message>
        <source>%1 %2 is not a file</source>
        <translation>%1 %2 no es un archivo</translation>
    </message>
    <message>
        <source>Hosts must be names separated by commas, such as shed.example.org, not %1</source>
        <translation>Hosts (Otros nombres) deben ser nombres separados por comas, como shed.example.org, no %1</translation>
    </message>
    <message>
        <source>Listen must be an address of this computer such as 192.168.1.20, or empty for every network, not %1</source>
        <translation>Listen debe ser una dirección de este ordenador, como 192.168.1.20, o vacío para todas las redes, no %1</translation>
    </message>
    <message>
        <source>CertFile and KeyFile go together: set both for HTTPS, or neither</source>
        <translation>CertFile y KeyFile van juntos: indique ambos para HTTPS, o ninguno</translation>
    </message>
</context>
<context>
    <name>Brolant::WidgetHelpers</name>
    <message>
        <source>%1 could not be used (%2): these are the starting values.</source>
        <translation>No se pudo usar %1 (%2): estos son los valores iniciales.</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>close without saving</source>
        <translation>cerrar sin guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Program Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
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
