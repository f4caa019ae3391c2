<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>BottomWidgetHeightfield</name>
    <message>
        <source>  RESET CAMERA</source>
        <translation>  CAMERA RESETTEN</translation>
    </message>
    <message>
        <source>  DATASET MANAGER</source>
        <translation>  DATASETBEHEER</translation>
    </message>
    <message>
        <source>  START NEW RECORDING</source>
        <translation>  NIEUWE OPNAME</translation>
    </message>
</context>
<context>
    <name>Dataset</name>
    <message>
        <source>Error Loading File</source>
        <translation>Fout bij het laden van het bestand</translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation>Verkeerd gegevenstype</translation>
    </message>
    <message>
        <source>The dataset&apos;s value file is missing or damaged.</source>
        <translation>Het waardenbestand van de dataset ontbreekt of is beschadigd.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata file is missing or damaged.</source>
        <translation>Het metadatabestand van de dataset ontbreekt of is beschadigd.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata names no known probe.</source>
        <translation>De metadata van de dataset noemen geen bekende sonde.</translation>
    </message>
    <message>
        <source>The dataset&apos;s preview is missing or damaged.</source>
        <translation>De voorbeeldafbeelding van de dataset ontbreekt of is beschadigd.</translation>
    </message>
</context>
<context>
    <name>DatasetViewer</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>The dataset could not be changed: </source>
        <translation>De dataset kon niet worden gewijzigd: </translation>
    </message>
    <message>
        <source>No coordinates provided</source>
        <translation>Geen coördinaten opgegeven</translation>
    </message>
    <message>
        <source>Dataset exportet to the download directory: </source>
        <translation>Dataset geëxporteerd naar de downloadmap: </translation>
    </message>
    <message>
        <source>Dataset could not be exportet to: </source>
        <translation>Dataset kon niet worden geëxporteerd naar: </translation>
    </message>
</context>
<context>
    <name>DatasetWidget</name>
    <message>
        <source>VIEW</source>
        <translation>BEKIJKEN</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Lengtegraad</translation>
    </message>
</context>
<context>
    <name>DeletedDatasetsDialog</name>
    <message>
        <source>Deleted %1</source>
        <translation>Verwijderd op %1</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Verwijderde datasets</translation>
    </message>
    <message numerus="yes">
        <source>%n dataset(s) could not be restored.</source>
        <translation>
            <numerusform>%n dataset kon niet worden hersteld.</numerusform>
            <numerusform>%n datasets konden niet worden hersteld.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every dataset in the trash for good?</source>
        <translation>Alle datasets in de prullenbak definitief verwijderen?</translation>
    </message>
    <message>
        <source>Some deleted datasets could not be removed.</source>
        <translation>Sommige verwijderde datasets konden niet worden gewist.</translation>
    </message>
    <message>
        <source>No deleted datasets.</source>
        <translation>Geen verwijderde datasets.</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>HERSTELLEN</translation>
    </message>
    <message>
        <source>EMPTY TRASH</source>
        <translation>PRULLENBAK LEGEN</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SLUITEN</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Naam: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Locatie: </translation>
    </message>
    <message>
        <source>Coordinates: </source>
        <translation>Coördinaten: </translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Lengtegraad</translation>
    </message>
    <message>
        <source>The latitude must be a number from %1 to %2, such as %3.</source>
        <translation>De breedtegraad moet een getal van %1 tot %2 zijn, bijvoorbeeld %3.</translation>
    </message>
    <message>
        <source>The longitude must be a number from %1 to %2, such as %3.</source>
        <translation>De lengtegraad moet een getal van %1 tot %2 zijn, bijvoorbeeld %3.</translation>
    </message>
    <message>
        <source>Bearing: </source>
        <translation>Koers: </translation>
    </message>
    <message>
        <source>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</source>
        <translation>Graden met de klok mee vanaf het noorden waarin het eerste spoor is gelopen (%1 tot %2); leeg als onbekend.</translation>
    </message>
    <message>
        <source>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</source>
        <translation>De koers moet een geheel aantal graden van %1 tot %2 zijn, of leeg als die onbekend is.</translation>
    </message>
</context>
<context>
    <name>FamilyDataset</name>
    <message>
        <source>Dataset</source>
        <translation>Dataset</translation>
    </message>
</context>
<context>
    <name>FieldDimensionWidget</name>
    <message>
        <source>WIDTH</source>
        <translation>BREEDTE</translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation>LENGTE</translation>
    </message>
</context>
<context>
    <name>FieldPlacement</name>
    <message>
        <source>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Deze dataset heeft geen positie. Voer in het bewerkvenster van de dataset de breedte- en lengtegraad in van de hoek waar de meting begon en exporteer daarna opnieuw.</translation>
    </message>
    <message>
        <source>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</source>
        <translation>De positie van de dataset ligt buiten het bereik van de kaartprojectie (80° zuid tot 84° noord). Controleer de breedte- en lengtegraad in het bewerkvenster.</translation>
    </message>
    <message>
        <source>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Deze dataset heeft geen koers. Voer in het bewerkvenster de kompasrichting in waarin het eerste spoor is gelopen, in graden vanaf het noorden, en exporteer daarna opnieuw.</translation>
    </message>
    <message>
        <source>The dataset holds no values.</source>
        <translation>De dataset bevat geen waarden.</translation>
    </message>
    <message>
        <source>The map projections are not available.</source>
        <translation>De kaartprojecties zijn niet beschikbaar.</translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation>Veldvoorbeeld</translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation>Huidige baan: </translation>
    </message>
</context>
<context>
    <name>FrequencyAnalysis</name>
    <message>
        <source>Frequency Analysis</source>
        <translation>Frequentieanalyse</translation>
    </message>
</context>
<context>
    <name>GradientAnalysis</name>
    <message>
        <source>Gradient Analysis</source>
        <translation>Gradiëntanalyse</translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>Depth Analysis</source>
        <translation>Diepteanalyse</translation>
    </message>
    <message>
        <source>Isocontour</source>
        <translation>Isolijn</translation>
    </message>
    <message>
        <source>Isovalue</source>
        <translation>Isowaarde</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Smoothing Filter</source>
        <translation>Afvlakfilter</translation>
    </message>
    <message>
        <source>Track Matching</source>
        <translation>Baanaanpassing</translation>
    </message>
    <message>
        <source>Color Quantization</source>
        <translation>Kleurkwantisering</translation>
    </message>
    <message>
        <source>Outlier Filter</source>
        <translation>Uitschieterfilter</translation>
    </message>
    <message>
        <source>Value Analysis</source>
        <translation>Waardeanalyse</translation>
    </message>
    <message>
        <source>Use Shading</source>
        <translation>Schaduw</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Draadmodel</translation>
    </message>
    <message>
        <source>Colormap</source>
        <translation>Kleurenschaal</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>Zwart lichaam</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Grijstinten</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatuur</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Momentopname</translation>
    </message>
    <message>
        <source>Could not save the snapshot of the dataset.</source>
        <translation>De momentopname van de dataset kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Destagger (zig-zag)</source>
        <translation>Verspringing corrigeren (zigzag)</translation>
    </message>
    <message>
        <source>Despike</source>
        <translation>Pieken verwijderen</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SLUITEN</translation>
    </message>
</context>
<context>
    <name>KmzExport</name>
    <message>
        <source>Colour legend</source>
        <translation>Kleurenlegenda</translation>
    </message>
    <message>
        <source>Start of the first track</source>
        <translation>Begin van het eerste spoor</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Meetwaarde</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation>INSTELLINGEN</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>OPNEMEN</translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation>DATASETS</translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation>Wilt u Sorvanel3D echt afsluiten?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation>Verbonden met </translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation>Verbinden mislukt. Controleer of u met het juiste wifi-netwerk bent verbonden en of de scanner is ingeschakeld.</translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation>Positie kon niet worden bepaald.</translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation>Positiegegevens konden niet worden opgehaald. </translation>
    </message>
    <message>
        <source>The recording so far was saved as &quot;%1&quot;.</source>
        <translation>De opname tot nu toe is opgeslagen als &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>NameWidget</name>
    <message>
        <source>NAME:</source>
        <translation>NAAM:</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>VERWIJDEREN</translation>
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
        <translation>Zwart lichaam</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Grijstinten</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatuur</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation>Scankleuren</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation>Dataset ontvangen</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Verwijderde datasets</translation>
    </message>
    <message>
        <source>Capture Scanner Stream</source>
        <translation>Scannerstroom vastleggen</translation>
    </message>
</context>
<context>
    <name>PickReadout</name>
    <message>
        <source>PICKED POINT</source>
        <translation>GEKOZEN PUNT</translation>
    </message>
    <message>
        <source>Along the track</source>
        <translation>Langs het spoor</translation>
    </message>
    <message>
        <source>Across the field</source>
        <translation>Dwars over het veld</translation>
    </message>
    <message>
        <source>Track %1, row %2</source>
        <translation>Spoor %1, rij %2</translation>
    </message>
    <message>
        <source>Recorded: %1</source>
        <translation>Opgenomen: %1</translation>
    </message>
    <message>
        <source>Filtered: %1</source>
        <translation>Gefilterd: %1</translation>
    </message>
    <message>
        <source>%1 m along, %2 m across</source>
        <translation>%1 m langs, %2 m dwars</translation>
    </message>
    <message>
        <source>Latitude %1, longitude %2</source>
        <translation>Breedte %1, lengte %2</translation>
    </message>
</context>
<context>
    <name>PositionTracker</name>
    <message>
        <source>Sorvanel3D does not have the required priviliges</source>
        <translation>Sorvanel3D heeft niet de vereiste rechten</translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation>De positiebepaling heeft de verbinding verbroken</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerpen</translation>
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
        <translation>VOLGENDE BAAN</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>HERVATTEN</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>PAUZE</translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Waarde: </translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation>Geen voorbeeld</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>OPNEMEN</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Dataset</source>
        <translation>Dataset</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation>De dataset kon niet worden opgeslagen. Opnieuw proberen?</translation>
    </message>
    <message>
        <source> (interrupted)</source>
        <translation> (onderbroken)</translation>
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
        <translation>Bodemsoort: </translation>
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
        <translation>Surfer 6-tekstraster (DSAA)</translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation>ESRI ASCII-raster</translation>
    </message>
    <message>
        <source>GeoTIFF, readings (UTM)</source>
        <translation>GeoTIFF, meetwaarden (UTM)</translation>
    </message>
    <message>
        <source>GeoTIFF, colours (UTM)</source>
        <translation>GeoTIFF, kleuren (UTM)</translation>
    </message>
    <message>
        <source>KMZ for Google Earth</source>
        <translation>KMZ voor Google Earth</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation>Visualisatie maken</translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation>Er is een interne fout opgetreden. Er konden geen gegevens uit de bron worden gemaakt.
</translation>
    </message>
    <message>
        <source>Clip 2–98 %</source>
        <translation>Afkappen 2–98 %</translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation>Geen audioapparaat gevonden. Geluid is niet beschikbaar.</translation>
    </message>
</context>
<context>
    <name>TopWidget</name>
    <message>
        <source>NAME</source>
        <translation>NAAM</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>LOCATIE</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The received dataset could not be stored.</source>
        <translation>De ontvangen dataset kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>The received data is not a valid dataset. Nothing was stored.</source>
        <translation>De ontvangen gegevens zijn geen geldige dataset. Er is niets opgeslagen.</translation>
    </message>
</context>
<context>
    <name>TransferReceiveDialog</name>
    <message>
        <source>Enter Address</source>
        <translation>Adres invoeren</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>Geen verbinding</translation>
    </message>
    <message>
        <source>Dataset Received: </source>
        <translation>Dataset ontvangen: </translation>
    </message>
</context>
<context>
    <name>TransferSendDialog</name>
    <message>
        <source>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</source>
        <translation>Kies op het andere apparaat &apos;Dataset ontvangen&apos; in het instellingenmenu en voer dit adres in:</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Unable to start Server</source>
        <translation>Server kon niet worden gestart</translation>
    </message>
    <message>
        <source>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</source>
        <translation>Deze dataset kan niet worden verzonden: de bestanden zijn niet naar een dataset-ID genoemd, dus het andere apparaat zou hem weigeren.</translation>
    </message>
</context>
<context>
    <name>ViewControlWindow</name>
    <message>
        <source>DATA ZOOM</source>
        <translation>DATAZOOM</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>SCHAAL</translation>
    </message>
    <message>
        <source>DEPTH: </source>
        <translation>DIEPTE: </translation>
    </message>
    <message>
        <source>SHOW GRID</source>
        <translation>RASTER TONEN</translation>
    </message>
    <message>
        <source>SNAPSHOT</source>
        <translation>MOMENTOPNAME</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>AFDRUKKEN</translation>
    </message>
    <message>
        <source>DESTAGGER (ROWS)</source>
        <translation>VERSPRINGING (RIJEN)</translation>
    </message>
    <message>
        <source>AUTOMATIC</source>
        <translation>AUTOMATISCH</translation>
    </message>
    <message>
        <source>%1, by hand</source>
        <translation>%1, handmatig</translation>
    </message>
    <message>
        <source>%1, estimated</source>
        <translation>%1, geschat</translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation>TERUG</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>VOLGENDE</translation>
    </message>
</context>
</TS>
