<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BottomWidgetHeightfield</name>
    <message>
        <source>  RESET CAMERA</source>
        <translation>  RESTABLECER CÁMARA</translation>
    </message>
    <message>
        <source>  DATASET MANAGER</source>
        <translation>  GESTOR DE DATOS</translation>
    </message>
    <message>
        <source>  START NEW RECORDING</source>
        <translation>  NUEVA GRABACIÓN</translation>
    </message>
</context>
<context>
    <name>Dataset</name>
    <message>
        <source>Error Loading File</source>
        <translation>Error al cargar el archivo</translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation>Tipo de datos incorrecto</translation>
    </message>
    <message>
        <source>The dataset&apos;s value file is missing or damaged.</source>
        <translation>Falta el archivo de valores del conjunto de datos o está dañado.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata file is missing or damaged.</source>
        <translation>Falta el archivo de metadatos del conjunto de datos o está dañado.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata names no known probe.</source>
        <translation>Los metadatos del conjunto de datos no indican ninguna sonda conocida.</translation>
    </message>
    <message>
        <source>The dataset&apos;s preview is missing or damaged.</source>
        <translation>Falta la vista previa del conjunto de datos o está dañada.</translation>
    </message>
</context>
<context>
    <name>DatasetViewer</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The dataset could not be changed: </source>
        <translation>No se pudo modificar el conjunto de datos: </translation>
    </message>
    <message>
        <source>No coordinates provided</source>
        <translation>No hay coordenadas</translation>
    </message>
    <message>
        <source>Dataset exportet to the download directory: </source>
        <translation>Conjunto de datos exportado a la carpeta de descargas: </translation>
    </message>
    <message>
        <source>Dataset could not be exportet to: </source>
        <translation>No se pudo exportar el conjunto de datos a: </translation>
    </message>
</context>
<context>
    <name>DatasetWidget</name>
    <message>
        <source>VIEW</source>
        <translation>VER</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
</context>
<context>
    <name>DeletedDatasetsDialog</name>
    <message>
        <source>Deleted %1</source>
        <translation>Eliminado el %1</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Datos eliminados</translation>
    </message>
    <message numerus="yes">
        <source>%n dataset(s) could not be restored.</source>
        <translation>
            <numerusform>No se pudo restaurar %n conjunto de datos.</numerusform>
            <numerusform>No se pudieron restaurar %n conjuntos de datos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every dataset in the trash for good?</source>
        <translation>¿Eliminar definitivamente todos los conjuntos de datos de la papelera?</translation>
    </message>
    <message>
        <source>Some deleted datasets could not be removed.</source>
        <translation>Algunos conjuntos de datos eliminados no se pudieron borrar.</translation>
    </message>
    <message>
        <source>No deleted datasets.</source>
        <translation>No hay conjuntos de datos eliminados.</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>RESTAURAR</translation>
    </message>
    <message>
        <source>EMPTY TRASH</source>
        <translation>VACIAR PAPELERA</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CERRAR</translation>
    </message>
</context>
<context>
    <name>EditWidget</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Ubicación: </translation>
    </message>
    <message>
        <source>Coordinates: </source>
        <translation>Coordenadas: </translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>The latitude must be a number from %1 to %2, such as %3.</source>
        <translation>La latitud debe ser un número de %1 a %2, por ejemplo %3.</translation>
    </message>
    <message>
        <source>The longitude must be a number from %1 to %2, such as %3.</source>
        <translation>La longitud debe ser un número de %1 a %2, por ejemplo %3.</translation>
    </message>
    <message>
        <source>Bearing: </source>
        <translation>Rumbo: </translation>
    </message>
    <message>
        <source>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</source>
        <translation>Grados en sentido horario desde el norte en que se recorrió la primera pasada (%1 a %2); vacío si no se conoce.</translation>
    </message>
    <message>
        <source>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</source>
        <translation>El rumbo debe ser un número entero de grados de %1 a %2, o estar vacío si no se conoce.</translation>
    </message>
</context>
<context>
    <name>FamilyDataset</name>
    <message>
        <source>Dataset</source>
        <translation>Conjunto de datos</translation>
    </message>
</context>
<context>
    <name>FieldDimensionWidget</name>
    <message>
        <source>WIDTH</source>
        <translation>ANCHO</translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation>LARGO</translation>
    </message>
</context>
<context>
    <name>FieldPlacement</name>
    <message>
        <source>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Este conjunto de datos no tiene posición. Introduzca la latitud y la longitud de la esquina donde empezó el recorrido en el diálogo de edición del conjunto de datos y vuelva a exportar.</translation>
    </message>
    <message>
        <source>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</source>
        <translation>La posición del conjunto de datos queda fuera del alcance de la proyección del mapa (80° sur a 84° norte). Compruebe su latitud y longitud en el diálogo de edición.</translation>
    </message>
    <message>
        <source>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Este conjunto de datos no tiene rumbo. Introduzca la dirección de brújula en que se recorrió la primera pasada, en grados desde el norte, en el diálogo de edición y vuelva a exportar.</translation>
    </message>
    <message>
        <source>The dataset holds no values.</source>
        <translation>El conjunto de datos no contiene valores.</translation>
    </message>
    <message>
        <source>The map projections are not available.</source>
        <translation>Las proyecciones cartográficas no están disponibles.</translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation>Vista del campo</translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation>Línea actual: </translation>
    </message>
</context>
<context>
    <name>FrequencyAnalysis</name>
    <message>
        <source>Frequency Analysis</source>
        <translation>Análisis de frecuencia</translation>
    </message>
</context>
<context>
    <name>GradientAnalysis</name>
    <message>
        <source>Gradient Analysis</source>
        <translation>Análisis de gradiente</translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>Depth Analysis</source>
        <translation>Análisis de profundidad</translation>
    </message>
    <message>
        <source>Isocontour</source>
        <translation>Isolínea</translation>
    </message>
    <message>
        <source>Isovalue</source>
        <translation>Isovalor</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Smoothing Filter</source>
        <translation>Filtro de suavizado</translation>
    </message>
    <message>
        <source>Track Matching</source>
        <translation>Ajuste de líneas</translation>
    </message>
    <message>
        <source>Color Quantization</source>
        <translation>Cuantización de color</translation>
    </message>
    <message>
        <source>Outlier Filter</source>
        <translation>Filtro de valores atípicos</translation>
    </message>
    <message>
        <source>Value Analysis</source>
        <translation>Análisis de valores</translation>
    </message>
    <message>
        <source>Use Shading</source>
        <translation>Sombreado</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Malla</translation>
    </message>
    <message>
        <source>Colormap</source>
        <translation>Mapa de colores</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>Cuerpo negro</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Could not save the snapshot of the dataset.</source>
        <translation>No se pudo guardar la captura del conjunto de datos.</translation>
    </message>
    <message>
        <source>Destagger (zig-zag)</source>
        <translation>Corregir desfase (zigzag)</translation>
    </message>
    <message>
        <source>Despike</source>
        <translation>Eliminar picos</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CERRAR</translation>
    </message>
</context>
<context>
    <name>KmzExport</name>
    <message>
        <source>Colour legend</source>
        <translation>Leyenda de colores</translation>
    </message>
    <message>
        <source>Start of the first track</source>
        <translation>Inicio de la primera pasada</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation>AJUSTES</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>GRABAR</translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation>DATOS</translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation>¿Realmente desea salir de Sorvanel3D?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation>Conectado a </translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation>No se pudo conectar. Asegúrese de estar conectado a la red Wi-Fi correcta y de que el escáner esté encendido.</translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation>No se pudo obtener la posición.</translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation>No se pudo obtener la información de posición. </translation>
    </message>
    <message>
        <source>The recording so far was saved as &quot;%1&quot;.</source>
        <translation>La grabación realizada hasta ahora se guardó como «%1».</translation>
    </message>
</context>
<context>
    <name>NameWidget</name>
    <message>
        <source>NAME:</source>
        <translation>NOMBRE:</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>BORRAR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>NavBar</name>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>Cuerpo negro</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation>Colores del escaneo</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation>Recibir datos</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Datos eliminados</translation>
    </message>
    <message>
        <source>Capture Scanner Stream</source>
        <translation>Capturar datos del escáner</translation>
    </message>
</context>
<context>
    <name>PickReadout</name>
    <message>
        <source>PICKED POINT</source>
        <translation>PUNTO ELEGIDO</translation>
    </message>
    <message>
        <source>Along the track</source>
        <translation>A lo largo de la pasada</translation>
    </message>
    <message>
        <source>Across the field</source>
        <translation>A través del campo</translation>
    </message>
    <message>
        <source>Track %1, row %2</source>
        <translation>Pasada %1, fila %2</translation>
    </message>
    <message>
        <source>Recorded: %1</source>
        <translation>Registrado: %1</translation>
    </message>
    <message>
        <source>Filtered: %1</source>
        <translation>Filtrado: %1</translation>
    </message>
    <message>
        <source>%1 m along, %2 m across</source>
        <translation>%1 m a lo largo, %2 m a través</translation>
    </message>
    <message>
        <source>Latitude %1, longitude %2</source>
        <translation>Latitud %1, longitud %2</translation>
    </message>
</context>
<context>
    <name>PositionTracker</name>
    <message>
        <source>Sorvanel3D does not have the required priviliges</source>
        <translation>Sorvanel3D no tiene los permisos necesarios</translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation>El servicio de posicionamiento cerró la conexión</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>ProfilePlot</name>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>RecorderBase</name>
    <message>
        <source>START</source>
        <translation>INICIAR</translation>
    </message>
    <message>
        <source>NEXT TRACK</source>
        <translation>NUEVA LÍNEA</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>REANUDAR</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Valor: </translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation>Sin vista previa</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>GRABAR</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>DETENER</translation>
    </message>
    <message>
        <source>Dataset</source>
        <translation>Conjunto de datos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation>No se pudo guardar el conjunto de datos. ¿Intentarlo de nuevo?</translation>
    </message>
    <message>
        <source> (interrupted)</source>
        <translation> (interrumpido)</translation>
    </message>
</context>
<context>
    <name>SoilButtonWidget</name>
    <message>
        <source>Concrete</source>
        <translation>Hormigón</translation>
    </message>
    <message>
        <source>Soil Type: </source>
        <translation>Tipo de suelo: </translation>
    </message>
</context>
<context>
    <name>SurveyFormat</name>
    <message>
        <source>XYZ / CSV</source>
        <translation>XYZ / CSV</translation>
    </message>
    <message>
        <source>Surfer 6 text grid (DSAA)</source>
        <translation>Cuadrícula de texto Surfer 6 (DSAA)</translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation>Cuadrícula ESRI ASCII</translation>
    </message>
    <message>
        <source>GeoTIFF, readings (UTM)</source>
        <translation>GeoTIFF, lecturas (UTM)</translation>
    </message>
    <message>
        <source>GeoTIFF, colours (UTM)</source>
        <translation>GeoTIFF, colores (UTM)</translation>
    </message>
    <message>
        <source>KMZ for Google Earth</source>
        <translation>KMZ para Google Earth</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation>Creación de la visualización</translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation>Se produjo un error interno. No se pudieron crear los datos a partir del origen.
</translation>
    </message>
    <message>
        <source>Clip 2–98 %</source>
        <translation>Recorte 2–98 %</translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation>No se encontró ningún dispositivo de audio. El sonido no estará disponible.</translation>
    </message>
</context>
<context>
    <name>TopWidget</name>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>FECHA</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>UBICACIÓN</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The received dataset could not be stored.</source>
        <translation>No se pudo guardar el conjunto de datos recibido.</translation>
    </message>
    <message>
        <source>The received data is not a valid dataset. Nothing was stored.</source>
        <translation>Los datos recibidos no son un conjunto de datos válido. No se guardó nada.</translation>
    </message>
</context>
<context>
    <name>TransferReceiveDialog</name>
    <message>
        <source>Enter Address</source>
        <translation>Introducir dirección</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Dataset Received: </source>
        <translation>Conjunto de datos recibido: </translation>
    </message>
</context>
<context>
    <name>TransferSendDialog</name>
    <message>
        <source>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</source>
        <translation>Seleccione «Recibir datos» en el menú de ajustes del otro dispositivo e introduzca esta dirección:</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Unable to start Server</source>
        <translation>No se pudo iniciar el servidor</translation>
    </message>
    <message>
        <source>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</source>
        <translation>Este conjunto de datos no se puede enviar: sus archivos no llevan como nombre un identificador de conjunto de datos, por lo que el otro dispositivo lo rechazaría.</translation>
    </message>
</context>
<context>
    <name>ViewControlWindow</name>
    <message>
        <source>DATA ZOOM</source>
        <translation>ZOOM DE DATOS</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>ESCALA</translation>
    </message>
    <message>
        <source>DEPTH: </source>
        <translation>PROFUNDIDAD: </translation>
    </message>
    <message>
        <source>SHOW GRID</source>
        <translation>CUADRÍCULA</translation>
    </message>
    <message>
        <source>SNAPSHOT</source>
        <translation>CAPTURA</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>IMPRIMIR</translation>
    </message>
    <message>
        <source>DESTAGGER (ROWS)</source>
        <translation>DESFASE (FILAS)</translation>
    </message>
    <message>
        <source>AUTOMATIC</source>
        <translation>AUTOMÁTICO</translation>
    </message>
    <message>
        <source>%1, by hand</source>
        <translation>%1, a mano</translation>
    </message>
    <message>
        <source>%1, estimated</source>
        <translation>%1, estimado</translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation>ATRÁS</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>SIGUIENTE</translation>
    </message>
</context>
</TS>
