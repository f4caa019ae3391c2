<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BottomWidgetHeightfield</name>
    <message>
        <source>  RESET CAMERA</source>
        <translation>  KAMERA ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>  DATASET MANAGER</source>
        <translation>  DATENSÄTZE</translation>
    </message>
    <message>
        <source>  START NEW RECORDING</source>
        <translation>  NEUE AUFNAHME</translation>
    </message>
</context>
<context>
    <name>Dataset</name>
    <message>
        <source>Error Loading File</source>
        <translation>Fehler beim Laden der Datei</translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation>Falscher Datentyp</translation>
    </message>
    <message>
        <source>The dataset&apos;s value file is missing or damaged.</source>
        <translation>Die Wertedatei des Datensatzes fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata file is missing or damaged.</source>
        <translation>Die Metadatendatei des Datensatzes fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata names no known probe.</source>
        <translation>Die Metadaten des Datensatzes nennen keine bekannte Sonde.</translation>
    </message>
    <message>
        <source>The dataset&apos;s preview is missing or damaged.</source>
        <translation>Das Vorschaubild des Datensatzes fehlt oder ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>DatasetViewer</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The dataset could not be changed: </source>
        <translation>Der Datensatz konnte nicht geändert werden: </translation>
    </message>
    <message>
        <source>No coordinates provided</source>
        <translation>Keine Koordinaten angegeben</translation>
    </message>
    <message>
        <source>Dataset exportet to the download directory: </source>
        <translation>Datensatz in den Download-Ordner exportiert: </translation>
    </message>
    <message>
        <source>Dataset could not be exportet to: </source>
        <translation>Datensatz konnte nicht exportiert werden nach: </translation>
    </message>
</context>
<context>
    <name>DatasetWidget</name>
    <message>
        <source>VIEW</source>
        <translation>ANSEHEN</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
</context>
<context>
    <name>DeletedDatasetsDialog</name>
    <message>
        <source>Deleted %1</source>
        <translation>Gelöscht am %1</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Gelöschte Datensätze</translation>
    </message>
    <message numerus="yes">
        <source>%n dataset(s) could not be restored.</source>
        <translation>
            <numerusform>%n Datensatz konnte nicht wiederhergestellt werden.</numerusform>
            <numerusform>%n Datensätze konnten nicht wiederhergestellt werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every dataset in the trash for good?</source>
        <translation>Alle Datensätze im Papierkorb endgültig löschen?</translation>
    </message>
    <message>
        <source>Some deleted datasets could not be removed.</source>
        <translation>Einige gelöschte Datensätze konnten nicht entfernt werden.</translation>
    </message>
    <message>
        <source>No deleted datasets.</source>
        <translation>Keine gelöschten Datensätze.</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>WIEDERHERSTELLEN</translation>
    </message>
    <message>
        <source>EMPTY TRASH</source>
        <translation>PAPIERKORB LEEREN</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Ort: </translation>
    </message>
    <message>
        <source>Coordinates: </source>
        <translation>Koordinaten: </translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>The latitude must be a number from %1 to %2, such as %3.</source>
        <translation>Der Breitengrad muss eine Zahl von %1 bis %2 sein, zum Beispiel %3.</translation>
    </message>
    <message>
        <source>The longitude must be a number from %1 to %2, such as %3.</source>
        <translation>Der Längengrad muss eine Zahl von %1 bis %2 sein, zum Beispiel %3.</translation>
    </message>
    <message>
        <source>Bearing: </source>
        <translation>Peilung: </translation>
    </message>
    <message>
        <source>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</source>
        <translation>Grad im Uhrzeigersinn ab Norden, in deren Richtung die erste Spur gegangen wurde (%1 bis %2); leer, wenn unbekannt.</translation>
    </message>
    <message>
        <source>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</source>
        <translation>Die Peilung muss eine ganze Gradzahl von %1 bis %2 sein oder leer, wenn sie unbekannt ist.</translation>
    </message>
</context>
<context>
    <name>FamilyDataset</name>
    <message>
        <source>Dataset</source>
        <translation>Datensatz</translation>
    </message>
</context>
<context>
    <name>FieldDimensionWidget</name>
    <message>
        <source>WIDTH</source>
        <translation>BREITE</translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation>LÄNGE</translation>
    </message>
</context>
<context>
    <name>FieldPlacement</name>
    <message>
        <source>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Dieser Datensatz hat keine Position. Geben Sie im Bearbeitungsdialog des Datensatzes Breiten- und Längengrad der Ecke ein, an der die Begehung begann, und exportieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</source>
        <translation>Die Position des Datensatzes liegt außerhalb der Kartenprojektion (80° Süd bis 84° Nord). Prüfen Sie Breiten- und Längengrad im Bearbeitungsdialog des Datensatzes.</translation>
    </message>
    <message>
        <source>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Dieser Datensatz hat keine Peilung. Geben Sie im Bearbeitungsdialog des Datensatzes die Kompassrichtung der ersten Spur in Grad ab Norden ein und exportieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>The dataset holds no values.</source>
        <translation>Der Datensatz enthält keine Werte.</translation>
    </message>
    <message>
        <source>The map projections are not available.</source>
        <translation>Die Kartenprojektionen sind nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation>Feldvorschau</translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation>Aktuelle Bahn: </translation>
    </message>
</context>
<context>
    <name>FrequencyAnalysis</name>
    <message>
        <source>Frequency Analysis</source>
        <translation>Frequenzanalyse</translation>
    </message>
</context>
<context>
    <name>GradientAnalysis</name>
    <message>
        <source>Gradient Analysis</source>
        <translation>Gradientenanalyse</translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>Depth Analysis</source>
        <translation>Tiefenanalyse</translation>
    </message>
    <message>
        <source>Isocontour</source>
        <translation>Isolinie</translation>
    </message>
    <message>
        <source>Isovalue</source>
        <translation>Isowert</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Smoothing Filter</source>
        <translation>Glättungsfilter</translation>
    </message>
    <message>
        <source>Track Matching</source>
        <translation>Bahnangleichung</translation>
    </message>
    <message>
        <source>Color Quantization</source>
        <translation>Farbquantisierung</translation>
    </message>
    <message>
        <source>Outlier Filter</source>
        <translation>Ausreißerfilter</translation>
    </message>
    <message>
        <source>Value Analysis</source>
        <translation>Werteanalyse</translation>
    </message>
    <message>
        <source>Use Shading</source>
        <translation>Schattierung</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Drahtgitter</translation>
    </message>
    <message>
        <source>Colormap</source>
        <translation>Farbskala</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>Schwarzkörper</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Could not save the snapshot of the dataset.</source>
        <translation>Der Schnappschuss des Datensatzes konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Destagger (zig-zag)</source>
        <translation>Versatz ausgleichen (Zickzack)</translation>
    </message>
    <message>
        <source>Despike</source>
        <translation>Ausreißer glätten</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
</context>
<context>
    <name>KmzExport</name>
    <message>
        <source>Colour legend</source>
        <translation>Farblegende</translation>
    </message>
    <message>
        <source>Start of the first track</source>
        <translation>Beginn der ersten Spur</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Messwert</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>AUFNAHME</translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation>DATENSÄTZE</translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation>Möchten Sie Sorvanel3D wirklich beenden?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation>Verbunden mit </translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation>Verbindung fehlgeschlagen. Bitte prüfen Sie, ob Sie mit dem richtigen WLAN verbunden sind und der Scanner eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation>Position konnte nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation>Positionsdaten konnten nicht abgerufen werden. </translation>
    </message>
    <message>
        <source>The recording so far was saved as &quot;%1&quot;.</source>
        <translation>Die bisherige Aufnahme wurde als „%1“ gespeichert.</translation>
    </message>
</context>
<context>
    <name>NameWidget</name>
    <message>
        <source>NAME:</source>
        <translation>NAME:</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
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
        <translation>Schwarzkörper</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Ton einschalten</translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation>Farbskala</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation>Datensatz empfangen</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Gelöschte Datensätze</translation>
    </message>
    <message>
        <source>Capture Scanner Stream</source>
        <translation>Scannerdaten mitschneiden</translation>
    </message>
</context>
<context>
    <name>PickReadout</name>
    <message>
        <source>PICKED POINT</source>
        <translation>GEWÄHLTER PUNKT</translation>
    </message>
    <message>
        <source>Along the track</source>
        <translation>Entlang der Spur</translation>
    </message>
    <message>
        <source>Across the field</source>
        <translation>Quer über das Feld</translation>
    </message>
    <message>
        <source>Track %1, row %2</source>
        <translation>Spur %1, Zeile %2</translation>
    </message>
    <message>
        <source>Recorded: %1</source>
        <translation>Aufgezeichnet: %1</translation>
    </message>
    <message>
        <source>Filtered: %1</source>
        <translation>Gefiltert: %1</translation>
    </message>
    <message>
        <source>%1 m along, %2 m across</source>
        <translation>%1 m längs, %2 m quer</translation>
    </message>
    <message>
        <source>Latitude %1, longitude %2</source>
        <translation>Breite %1, Länge %2</translation>
    </message>
</context>
<context>
    <name>PositionTracker</name>
    <message>
        <source>Sorvanel3D does not have the required priviliges</source>
        <translation>Sorvanel3D fehlen die nötigen Berechtigungen</translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation>Der Ortungsdienst hat die Verbindung beendet</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>RecorderBase</name>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>NEXT TRACK</source>
        <translation>NÄCHSTE BAHN</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>FORTSETZEN</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Wert: </translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation>Keine Vorschau</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>AUFNAHME</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Dataset</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation>Der Datensatz konnte nicht gespeichert werden. Erneut versuchen?</translation>
    </message>
    <message>
        <source> (interrupted)</source>
        <translation> (unterbrochen)</translation>
    </message>
</context>
<context>
    <name>SoilButtonWidget</name>
    <message>
        <source>Concrete</source>
        <translation>Beton</translation>
    </message>
    <message>
        <source>Soil Type: </source>
        <translation>Bodenart: </translation>
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
        <translation>Surfer-6-Textraster (DSAA)</translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation>ESRI-ASCII-Raster</translation>
    </message>
    <message>
        <source>GeoTIFF, readings (UTM)</source>
        <translation>GeoTIFF, Messwerte (UTM)</translation>
    </message>
    <message>
        <source>GeoTIFF, colours (UTM)</source>
        <translation>GeoTIFF, Farben (UTM)</translation>
    </message>
    <message>
        <source>KMZ for Google Earth</source>
        <translation>KMZ für Google Earth</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation>Darstellung erstellen</translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation>Ein interner Fehler ist aufgetreten. Aus der Quelle konnten keine Daten erzeugt werden.
</translation>
    </message>
    <message>
        <source>Clip 2–98 %</source>
        <translation>Kappen 2–98 %</translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation>Kein Audiogerät gefunden. Ton ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>TopWidget</name>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>ORT</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The received dataset could not be stored.</source>
        <translation>Der empfangene Datensatz konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The received data is not a valid dataset. Nothing was stored.</source>
        <translation>Die empfangenen Daten sind kein gültiger Datensatz. Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>TransferReceiveDialog</name>
    <message>
        <source>Enter Address</source>
        <translation>Adresse eingeben</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>Keine Verbindung</translation>
    </message>
    <message>
        <source>Dataset Received: </source>
        <translation>Datensatz empfangen: </translation>
    </message>
</context>
<context>
    <name>TransferSendDialog</name>
    <message>
        <source>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</source>
        <translation>Wählen Sie auf dem anderen Gerät im Einstellungsmenü „Datensatz empfangen“ und geben Sie diese Adresse ein:</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to start Server</source>
        <translation>Server konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</source>
        <translation>Dieser Datensatz kann nicht gesendet werden: Seine Dateien sind nicht nach einer Datensatzkennung benannt, daher würde das andere Gerät ihn ablehnen.</translation>
    </message>
</context>
<context>
    <name>ViewControlWindow</name>
    <message>
        <source>DATA ZOOM</source>
        <translation>DATENZOOM</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>SKALIERUNG</translation>
    </message>
    <message>
        <source>DEPTH: </source>
        <translation>TIEFE: </translation>
    </message>
    <message>
        <source>SHOW GRID</source>
        <translation>RASTER ZEIGEN</translation>
    </message>
    <message>
        <source>SNAPSHOT</source>
        <translation>SCHNAPPSCHUSS</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <source>DESTAGGER (ROWS)</source>
        <translation>VERSATZ (ZEILEN)</translation>
    </message>
    <message>
        <source>AUTOMATIC</source>
        <translation>AUTOMATISCH</translation>
    </message>
    <message>
        <source>%1, by hand</source>
        <translation>%1, von Hand</translation>
    </message>
    <message>
        <source>%1, estimated</source>
        <translation>%1, geschätzt</translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>WEITER</translation>
    </message>
</context>
</TS>
