<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BottomWidgetHeightfield</name>
    <message>
        <source>  RESET CAMERA</source>
        <translation>  RIPRISTINA CAMERA</translation>
    </message>
    <message>
        <source>  DATASET MANAGER</source>
        <translation>  GESTIONE DATI</translation>
    </message>
    <message>
        <source>  START NEW RECORDING</source>
        <translation>  NUOVA REGISTRAZIONE</translation>
    </message>
</context>
<context>
    <name>Dataset</name>
    <message>
        <source>Error Loading File</source>
        <translation>Errore durante il caricamento del file</translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation>Tipo di dati errato</translation>
    </message>
    <message>
        <source>The dataset&apos;s value file is missing or damaged.</source>
        <translation>Il file dei valori del set di dati manca o è danneggiato.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata file is missing or damaged.</source>
        <translation>Il file dei metadati del set di dati manca o è danneggiato.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata names no known probe.</source>
        <translation>I metadati del set di dati non indicano alcuna sonda nota.</translation>
    </message>
    <message>
        <source>The dataset&apos;s preview is missing or damaged.</source>
        <translation>L&apos;anteprima del set di dati manca o è danneggiata.</translation>
    </message>
</context>
<context>
    <name>DatasetViewer</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The dataset could not be changed: </source>
        <translation>Impossibile modificare il set di dati: </translation>
    </message>
    <message>
        <source>No coordinates provided</source>
        <translation>Nessuna coordinata disponibile</translation>
    </message>
    <message>
        <source>Dataset exportet to the download directory: </source>
        <translation>Set di dati esportato nella cartella download: </translation>
    </message>
    <message>
        <source>Dataset could not be exportet to: </source>
        <translation>Impossibile esportare il set di dati in: </translation>
    </message>
</context>
<context>
    <name>DatasetWidget</name>
    <message>
        <source>VIEW</source>
        <translation>APRI</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
</context>
<context>
    <name>DeletedDatasetsDialog</name>
    <message>
        <source>Deleted %1</source>
        <translation>Eliminato il %1</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Dati eliminati</translation>
    </message>
    <message numerus="yes">
        <source>%n dataset(s) could not be restored.</source>
        <translation>
            <numerusform>Impossibile ripristinare %n set di dati.</numerusform>
            <numerusform>Impossibile ripristinare %n set di dati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every dataset in the trash for good?</source>
        <translation>Eliminare definitivamente tutti i set di dati nel cestino?</translation>
    </message>
    <message>
        <source>Some deleted datasets could not be removed.</source>
        <translation>Non è stato possibile rimuovere alcuni set di dati eliminati.</translation>
    </message>
    <message>
        <source>No deleted datasets.</source>
        <translation>Nessun set di dati eliminato.</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>RIPRISTINA</translation>
    </message>
    <message>
        <source>EMPTY TRASH</source>
        <translation>SVUOTA CESTINO</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CHIUDI</translation>
    </message>
</context>
<context>
    <name>EditWidget</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nome: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Luogo: </translation>
    </message>
    <message>
        <source>Coordinates: </source>
        <translation>Coordinate: </translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>The latitude must be a number from %1 to %2, such as %3.</source>
        <translation>La latitudine deve essere un numero da %1 a %2, ad esempio %3.</translation>
    </message>
    <message>
        <source>The longitude must be a number from %1 to %2, such as %3.</source>
        <translation>La longitudine deve essere un numero da %1 a %2, ad esempio %3.</translation>
    </message>
    <message>
        <source>Bearing: </source>
        <translation>Direzione: </translation>
    </message>
    <message>
        <source>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</source>
        <translation>Gradi in senso orario dal nord in cui è stata percorsa la prima traccia (da %1 a %2); vuoto se non noto.</translation>
    </message>
    <message>
        <source>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</source>
        <translation>La direzione deve essere un numero intero di gradi da %1 a %2, oppure vuota se non è nota.</translation>
    </message>
</context>
<context>
    <name>FamilyDataset</name>
    <message>
        <source>Dataset</source>
        <translation>Set di dati</translation>
    </message>
</context>
<context>
    <name>FieldDimensionWidget</name>
    <message>
        <source>WIDTH</source>
        <translation>LARGHEZZA</translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation>LUNGHEZZA</translation>
    </message>
</context>
<context>
    <name>FieldPlacement</name>
    <message>
        <source>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Questo set di dati non ha una posizione. Inserisci la latitudine e la longitudine dell’angolo da cui è iniziato il percorso nella finestra di modifica del set di dati, poi esporta di nuovo.</translation>
    </message>
    <message>
        <source>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</source>
        <translation>La posizione del set di dati è fuori dalla portata della proiezione cartografica (da 80° sud a 84° nord). Controlla latitudine e longitudine nella finestra di modifica.</translation>
    </message>
    <message>
        <source>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Questo set di dati non ha una direzione. Inserisci la direzione della bussola in cui è stata percorsa la prima traccia, in gradi dal nord, nella finestra di modifica, poi esporta di nuovo.</translation>
    </message>
    <message>
        <source>The dataset holds no values.</source>
        <translation>Il set di dati non contiene valori.</translation>
    </message>
    <message>
        <source>The map projections are not available.</source>
        <translation>Le proiezioni cartografiche non sono disponibili.</translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation>Anteprima campo</translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation>Traccia attuale: </translation>
    </message>
</context>
<context>
    <name>FrequencyAnalysis</name>
    <message>
        <source>Frequency Analysis</source>
        <translation>Analisi di frequenza</translation>
    </message>
</context>
<context>
    <name>GradientAnalysis</name>
    <message>
        <source>Gradient Analysis</source>
        <translation>Analisi del gradiente</translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>Depth Analysis</source>
        <translation>Analisi di profondità</translation>
    </message>
    <message>
        <source>Isocontour</source>
        <translation>Isolinea</translation>
    </message>
    <message>
        <source>Isovalue</source>
        <translation>Isovalore</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Smoothing Filter</source>
        <translation>Filtro di livellamento</translation>
    </message>
    <message>
        <source>Track Matching</source>
        <translation>Allineamento tracce</translation>
    </message>
    <message>
        <source>Color Quantization</source>
        <translation>Quantizzazione colori</translation>
    </message>
    <message>
        <source>Outlier Filter</source>
        <translation>Filtro valori anomali</translation>
    </message>
    <message>
        <source>Value Analysis</source>
        <translation>Analisi dei valori</translation>
    </message>
    <message>
        <source>Use Shading</source>
        <translation>Ombreggiatura</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Wireframe</translation>
    </message>
    <message>
        <source>Colormap</source>
        <translation>Mappa colori</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>Corpo nero</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Scala di grigi</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>Could not save the snapshot of the dataset.</source>
        <translation>Impossibile salvare l&apos;istantanea del set di dati.</translation>
    </message>
    <message>
        <source>Destagger (zig-zag)</source>
        <translation>Correggi sfasamento (zig-zag)</translation>
    </message>
    <message>
        <source>Despike</source>
        <translation>Rimuovi picchi</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CHIUDI</translation>
    </message>
</context>
<context>
    <name>KmzExport</name>
    <message>
        <source>Colour legend</source>
        <translation>Legenda dei colori</translation>
    </message>
    <message>
        <source>Start of the first track</source>
        <translation>Inizio della prima traccia</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lettura</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation>IMPOSTAZIONI</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>REGISTRA</translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation>DATASET</translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation>Vuoi davvero uscire da Sorvanel3D?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation>Connesso a </translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation>Connessione non riuscita. Assicurati di essere connesso alla rete Wi-Fi corretta e che lo scanner sia acceso.</translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation>Impossibile rilevare la posizione.</translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation>Impossibile ottenere le informazioni sulla posizione. </translation>
    </message>
    <message>
        <source>The recording so far was saved as &quot;%1&quot;.</source>
        <translation>La registrazione finora eseguita è stata salvata come &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>NameWidget</name>
    <message>
        <source>NAME:</source>
        <translation>NOME:</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>ELIMINA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Corpo nero</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Scala di grigi</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Attiva suono</translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation>Colori scansione</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation>Ricevi dati</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Dati eliminati</translation>
    </message>
    <message>
        <source>Capture Scanner Stream</source>
        <translation>Registra flusso scanner</translation>
    </message>
</context>
<context>
    <name>PickReadout</name>
    <message>
        <source>PICKED POINT</source>
        <translation>PUNTO SCELTO</translation>
    </message>
    <message>
        <source>Along the track</source>
        <translation>Lungo la traccia</translation>
    </message>
    <message>
        <source>Across the field</source>
        <translation>Attraverso il campo</translation>
    </message>
    <message>
        <source>Track %1, row %2</source>
        <translation>Traccia %1, riga %2</translation>
    </message>
    <message>
        <source>Recorded: %1</source>
        <translation>Registrato: %1</translation>
    </message>
    <message>
        <source>Filtered: %1</source>
        <translation>Filtrato: %1</translation>
    </message>
    <message>
        <source>%1 m along, %2 m across</source>
        <translation>%1 m in lunghezza, %2 m in larghezza</translation>
    </message>
    <message>
        <source>Latitude %1, longitude %2</source>
        <translation>Latitudine %1, longitudine %2</translation>
    </message>
</context>
<context>
    <name>PositionTracker</name>
    <message>
        <source>Sorvanel3D does not have the required priviliges</source>
        <translation>Sorvanel3D non dispone delle autorizzazioni necessarie</translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation>Il servizio di posizionamento ha chiuso la connessione</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
</context>
<context>
    <name>RecorderBase</name>
    <message>
        <source>START</source>
        <translation>AVVIA</translation>
    </message>
    <message>
        <source>NEXT TRACK</source>
        <translation>NUOVA TRACCIA</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>RIPRENDI</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Valore: </translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation>Nessuna anteprima</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>REGISTRA</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Dataset</source>
        <translation>Set di dati</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation>Impossibile salvare il set di dati. Riprovare?</translation>
    </message>
    <message>
        <source> (interrupted)</source>
        <translation> (interrotto)</translation>
    </message>
</context>
<context>
    <name>SoilButtonWidget</name>
    <message>
        <source>Concrete</source>
        <translation>Calcestruzzo</translation>
    </message>
    <message>
        <source>Soil Type: </source>
        <translation>Tipo di terreno: </translation>
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
        <translation>Griglia di testo Surfer 6 (DSAA)</translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation>Griglia ESRI ASCII</translation>
    </message>
    <message>
        <source>GeoTIFF, readings (UTM)</source>
        <translation>GeoTIFF, letture (UTM)</translation>
    </message>
    <message>
        <source>GeoTIFF, colours (UTM)</source>
        <translation>GeoTIFF, colori (UTM)</translation>
    </message>
    <message>
        <source>KMZ for Google Earth</source>
        <translation>KMZ per Google Earth</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation>Creazione della visualizzazione</translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation>Si è verificato un errore interno. Impossibile creare i dati dalla sorgente.
</translation>
    </message>
    <message>
        <source>Clip 2–98 %</source>
        <translation>Taglio 2–98 %</translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation>Nessun dispositivo audio trovato. Il suono non sarà disponibile.</translation>
    </message>
</context>
<context>
    <name>TopWidget</name>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATA</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>LUOGO</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The received dataset could not be stored.</source>
        <translation>Impossibile salvare il set di dati ricevuto.</translation>
    </message>
    <message>
        <source>The received data is not a valid dataset. Nothing was stored.</source>
        <translation>I dati ricevuti non sono un set di dati valido. Non è stato salvato nulla.</translation>
    </message>
</context>
<context>
    <name>TransferReceiveDialog</name>
    <message>
        <source>Enter Address</source>
        <translation>Inserisci indirizzo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>Nessuna connessione</translation>
    </message>
    <message>
        <source>Dataset Received: </source>
        <translation>Set di dati ricevuto: </translation>
    </message>
</context>
<context>
    <name>TransferSendDialog</name>
    <message>
        <source>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</source>
        <translation>Sull&apos;altro dispositivo seleziona &quot;Ricevi dati&quot; nel menu delle impostazioni e inserisci questo indirizzo:</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Unable to start Server</source>
        <translation>Impossibile avviare il server</translation>
    </message>
    <message>
        <source>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</source>
        <translation>Questo set di dati non può essere inviato: i suoi file non sono denominati con un identificatore di set di dati, quindi l&apos;altro dispositivo lo rifiuterebbe.</translation>
    </message>
</context>
<context>
    <name>ViewControlWindow</name>
    <message>
        <source>DATA ZOOM</source>
        <translation>ZOOM DATI</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>SCALA</translation>
    </message>
    <message>
        <source>DEPTH: </source>
        <translation>PROFONDITÀ: </translation>
    </message>
    <message>
        <source>SHOW GRID</source>
        <translation>GRIGLIA</translation>
    </message>
    <message>
        <source>SNAPSHOT</source>
        <translation>ISTANTANEA</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>STAMPA</translation>
    </message>
    <message>
        <source>DESTAGGER (ROWS)</source>
        <translation>SFASAMENTO (RIGHE)</translation>
    </message>
    <message>
        <source>AUTOMATIC</source>
        <translation>AUTOMATICO</translation>
    </message>
    <message>
        <source>%1, by hand</source>
        <translation>%1, a mano</translation>
    </message>
    <message>
        <source>%1, estimated</source>
        <translation>%1, stimato</translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation>INDIETRO</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>AVANTI</translation>
    </message>
</context>
</TS>
