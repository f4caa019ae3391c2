<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FamilyDataset</name>
    <message>
        <source>Dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Loading File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldDimensionWidget</name>
    <message>
        <source>WIDTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>DATASETS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorvanel3D does not have the required priviliges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameWidget</name>
    <message>
        <source>NAME:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavBar</name>
    <message>
        <source>Jet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecorderBase</name>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEXT TRACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Dataset transfer is not available in this version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
