<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BottomWidgetHeightfield</name>
    <message>
        <source>  RESET CAMERA</source>
        <translation>  RESET CAMERA</translation>
    </message>
    <message>
        <source>  DATASET MANAGER</source>
        <translation>  DATASET MANAGER</translation>
    </message>
    <message>
        <source>  START NEW RECORDING</source>
        <translation>  START NEW RECORDING</translation>
    </message>
</context>
<context>
    <name>Dataset</name>
    <message>
        <source>Error Loading File</source>
        <translation>Error Loading File</translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation>Wrong data type</translation>
    </message>
    <message>
        <source>The dataset&apos;s value file is missing or damaged.</source>
        <translation>The dataset&apos;s value file is missing or damaged.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata file is missing or damaged.</source>
        <translation>The dataset&apos;s metadata file is missing or damaged.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata names no known probe.</source>
        <translation>The dataset&apos;s metadata names no known probe.</translation>
    </message>
    <message>
        <source>The dataset&apos;s preview is missing or damaged.</source>
        <translation>The dataset&apos;s preview is missing or damaged.</translation>
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
        <translation>The dataset could not be changed: </translation>
    </message>
    <message>
        <source>No coordinates provided</source>
        <translation>No coordinates provided</translation>
    </message>
    <message>
        <source>Dataset exportet to the download directory: </source>
        <translation>Dataset exportet to the download directory: </translation>
    </message>
    <message>
        <source>Dataset could not be exportet to: </source>
        <translation>Dataset could not be exportet to: </translation>
    </message>
</context>
<context>
    <name>DatasetWidget</name>
    <message>
        <source>VIEW</source>
        <translation>VIEW</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
</context>
<context>
    <name>DeletedDatasetsDialog</name>
    <message>
        <source>Deleted %1</source>
        <translation>Deleted %1</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Deleted Datasets</translation>
    </message>
    <message numerus="yes">
        <source>%n dataset(s) could not be restored.</source>
        <translation>
            <numerusform>%n dataset could not be restored.</numerusform>
            <numerusform>%n datasets could not be restored.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every dataset in the trash for good?</source>
        <translation>Delete every dataset in the trash for good?</translation>
    </message>
    <message>
        <source>Some deleted datasets could not be removed.</source>
        <translation>Some deleted datasets could not be removed.</translation>
    </message>
    <message>
        <source>No deleted datasets.</source>
        <translation>No deleted datasets.</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>RESTORE</translation>
    </message>
    <message>
        <source>EMPTY TRASH</source>
        <translation>EMPTY TRASH</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CLOSE</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Location: </translation>
    </message>
    <message>
        <source>Coordinates: </source>
        <translation>Coordinates: </translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>The latitude must be a number from %1 to %2, such as %3.</source>
        <translation>The latitude must be a number from %1 to %2, such as %3.</translation>
    </message>
    <message>
        <source>The longitude must be a number from %1 to %2, such as %3.</source>
        <translation>The longitude must be a number from %1 to %2, such as %3.</translation>
    </message>
    <message>
        <source>Bearing: </source>
        <translation>Bearing: </translation>
    </message>
    <message>
        <source>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</source>
        <translation>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</translation>
    </message>
    <message>
        <source>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</source>
        <translation>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</translation>
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
        <translation>WIDTH</translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation>LENGTH</translation>
    </message>
</context>
<context>
    <name>FieldPlacement</name>
    <message>
        <source>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</source>
        <translation>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</translation>
    </message>
    <message>
        <source>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</source>
        <translation>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</translation>
    </message>
    <message>
        <source>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</source>
        <translation>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</translation>
    </message>
    <message>
        <source>The dataset holds no values.</source>
        <translation>The dataset holds no values.</translation>
    </message>
    <message>
        <source>The map projections are not available.</source>
        <translation>The map projections are not available.</translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation>Field Preview</translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation>Current Track: </translation>
    </message>
</context>
<context>
    <name>FrequencyAnalysis</name>
    <message>
        <source>Frequency Analysis</source>
        <translation>Frequency Analysis</translation>
    </message>
</context>
<context>
    <name>GradientAnalysis</name>
    <message>
        <source>Gradient Analysis</source>
        <translation>Gradient Analysis</translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>Depth Analysis</source>
        <translation>Depth Analysis</translation>
    </message>
    <message>
        <source>Isocontour</source>
        <translation>Isocontour</translation>
    </message>
    <message>
        <source>Isovalue</source>
        <translation>Isovalue</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Smoothing Filter</source>
        <translation>Smoothing Filter</translation>
    </message>
    <message>
        <source>Track Matching</source>
        <translation>Track Matching</translation>
    </message>
    <message>
        <source>Color Quantization</source>
        <translation>Color Quantization</translation>
    </message>
    <message>
        <source>Outlier Filter</source>
        <translation>Outlier Filter</translation>
    </message>
    <message>
        <source>Value Analysis</source>
        <translation>Value Analysis</translation>
    </message>
    <message>
        <source>Use Shading</source>
        <translation>Use Shading</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Wireframe</translation>
    </message>
    <message>
        <source>Colormap</source>
        <translation>Colormap</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>Black Body</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Grey Scale</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>Could not save the snapshot of the dataset.</source>
        <translation>Could not save the snapshot of the dataset.</translation>
    </message>
    <message>
        <source>Destagger (zig-zag)</source>
        <translation>Destagger (zig-zag)</translation>
    </message>
    <message>
        <source>Despike</source>
        <translation>Despike</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CLOSE</translation>
    </message>
</context>
<context>
    <name>KmzExport</name>
    <message>
        <source>Colour legend</source>
        <translation>Colour legend</translation>
    </message>
    <message>
        <source>Start of the first track</source>
        <translation>Start of the first track</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Reading</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation>RECORD SETTINGS</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>RECORD</translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation>DATASETS</translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation>Do you really want to quit Sorvanel3D?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation>Connected to </translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation>Could not position retrieval.</translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation>Could not retrieve position information. </translation>
    </message>
    <message>
        <source>The recording so far was saved as &quot;%1&quot;.</source>
        <translation>The recording so far was saved as &quot;%1&quot;.</translation>
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
        <translation>DELETE</translation>
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
        <translation>Black Body</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Grey Scale</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Enable Sound</translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation>Scan Color</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation>Receive Dataset</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Deleted Datasets</translation>
    </message>
    <message>
        <source>Capture Scanner Stream</source>
        <translation>Capture Scanner Stream</translation>
    </message>
</context>
<context>
    <name>PickReadout</name>
    <message>
        <source>PICKED POINT</source>
        <translation>PICKED POINT</translation>
    </message>
    <message>
        <source>Along the track</source>
        <translation>Along the track</translation>
    </message>
    <message>
        <source>Across the field</source>
        <translation>Across the field</translation>
    </message>
    <message>
        <source>Track %1, row %2</source>
        <translation>Track %1, row %2</translation>
    </message>
    <message>
        <source>Recorded: %1</source>
        <translation>Recorded: %1</translation>
    </message>
    <message>
        <source>Filtered: %1</source>
        <translation>Filtered: %1</translation>
    </message>
    <message>
        <source>%1 m along, %2 m across</source>
        <translation>%1 m along, %2 m across</translation>
    </message>
    <message>
        <source>Latitude %1, longitude %2</source>
        <translation>Latitude %1, longitude %2</translation>
    </message>
</context>
<context>
    <name>PositionTracker</name>
    <message>
        <source>Sorvanel3D does not have the required priviliges</source>
        <translation>Sorvanel3D does not have the required priviliges</translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation>Positioning backend closed connection</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
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
        <translation>NEXT TRACK</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>RESUME</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Value: </translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation>No Preview</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>RECORD</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation>The dataset could not be saved. Try again?</translation>
    </message>
    <message>
        <source> (interrupted)</source>
        <translation> (interrupted)</translation>
    </message>
</context>
<context>
    <name>SoilButtonWidget</name>
    <message>
        <source>Concrete</source>
        <translation>Concrete</translation>
    </message>
    <message>
        <source>Soil Type: </source>
        <translation>Soil Type: </translation>
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
        <translation>Surfer 6 text grid (DSAA)</translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation>ESRI ASCII grid</translation>
    </message>
    <message>
        <source>GeoTIFF, readings (UTM)</source>
        <translation>GeoTIFF, readings (UTM)</translation>
    </message>
    <message>
        <source>GeoTIFF, colours (UTM)</source>
        <translation>GeoTIFF, colours (UTM)</translation>
    </message>
    <message>
        <source>KMZ for Google Earth</source>
        <translation>KMZ for Google Earth</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation>Creating Visualization</translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation>An internal error occured. Couldn&apos;t create Data from source.
</translation>
    </message>
    <message>
        <source>Clip 2–98 %</source>
        <translation>Clip 2–98 %</translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation>No audio device found. Sound will not be available.</translation>
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
        <translation>DATE</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>LOCATION</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The received dataset could not be stored.</source>
        <translation>The received dataset could not be stored.</translation>
    </message>
    <message>
        <source>The received data is not a valid dataset. Nothing was stored.</source>
        <translation>The received data is not a valid dataset. Nothing was stored.</translation>
    </message>
</context>
<context>
    <name>TransferReceiveDialog</name>
    <message>
        <source>Enter Address</source>
        <translation>Enter Address</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>No Connection</translation>
    </message>
    <message>
        <source>Dataset Received: </source>
        <translation>Dataset Received: </translation>
    </message>
</context>
<context>
    <name>TransferSendDialog</name>
    <message>
        <source>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</source>
        <translation>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Unable to start Server</source>
        <translation>Unable to start Server</translation>
    </message>
    <message>
        <source>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</source>
        <translation>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</translation>
    </message>
</context>
<context>
    <name>ViewControlWindow</name>
    <message>
        <source>DATA ZOOM</source>
        <translation>DATA ZOOM</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>SCALE</translation>
    </message>
    <message>
        <source>DEPTH: </source>
        <translation>DEPTH: </translation>
    </message>
    <message>
        <source>SHOW GRID</source>
        <translation>SHOW GRID</translation>
    </message>
    <message>
        <source>SNAPSHOT</source>
        <translation>SNAPSHOT</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>PRINT</translation>
    </message>
    <message>
        <source>DESTAGGER (ROWS)</source>
        <translation>DESTAGGER (ROWS)</translation>
    </message>
    <message>
        <source>AUTOMATIC</source>
        <translation>AUTOMATIC</translation>
    </message>
    <message>
        <source>%1, by hand</source>
        <translation>%1, by hand</translation>
    </message>
    <message>
        <source>%1, estimated</source>
        <translation>%1, estimated</translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation>BACK</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>NEXT</translation>
    </message>
</context>
</TS>
