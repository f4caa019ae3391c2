<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>BottomWidgetHeightfield</name>
    <message>
        <source>  RESET CAMERA</source>
        <translation>  ΕΠΑΝΑΦΟΡΑ ΚΑΜΕΡΑΣ</translation>
    </message>
    <message>
        <source>  DATASET MANAGER</source>
        <translation>  ΔΙΑΧΕΙΡΙΣΗ ΔΕΔΟΜΕΝΩΝ</translation>
    </message>
    <message>
        <source>  START NEW RECORDING</source>
        <translation>  ΝΕΑ ΚΑΤΑΓΡΑΦΗ</translation>
    </message>
</context>
<context>
    <name>Dataset</name>
    <message>
        <source>Error Loading File</source>
        <translation>Σφάλμα φόρτωσης αρχείου</translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation>Λάθος τύπος δεδομένων</translation>
    </message>
    <message>
        <source>The dataset&apos;s value file is missing or damaged.</source>
        <translation>Το αρχείο τιμών του συνόλου δεδομένων λείπει ή είναι κατεστραμμένο.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata file is missing or damaged.</source>
        <translation>Το αρχείο μεταδεδομένων του συνόλου δεδομένων λείπει ή είναι κατεστραμμένο.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata names no known probe.</source>
        <translation>Τα μεταδεδομένα του συνόλου δεδομένων δεν αναφέρουν γνωστό αισθητήρα.</translation>
    </message>
    <message>
        <source>The dataset&apos;s preview is missing or damaged.</source>
        <translation>Η προεπισκόπηση του συνόλου δεδομένων λείπει ή είναι κατεστραμμένη.</translation>
    </message>
</context>
<context>
    <name>DatasetViewer</name>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>The dataset could not be changed: </source>
        <translation>Δεν ήταν δυνατή η αλλαγή του συνόλου δεδομένων: </translation>
    </message>
    <message>
        <source>No coordinates provided</source>
        <translation>Δεν δόθηκαν συντεταγμένες</translation>
    </message>
    <message>
        <source>Dataset exportet to the download directory: </source>
        <translation>Το σύνολο δεδομένων εξήχθη στον φάκελο λήψεων: </translation>
    </message>
    <message>
        <source>Dataset could not be exportet to: </source>
        <translation>Δεν ήταν δυνατή η εξαγωγή του συνόλου δεδομένων σε: </translation>
    </message>
</context>
<context>
    <name>DatasetWidget</name>
    <message>
        <source>VIEW</source>
        <translation>ΠΡΟΒΟΛΗ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Πλάτος</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Μήκος</translation>
    </message>
</context>
<context>
    <name>DeletedDatasetsDialog</name>
    <message>
        <source>Deleted %1</source>
        <translation>Διαγράφηκε %1</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Διαγραμμένα δεδομένα</translation>
    </message>
    <message numerus="yes">
        <source>%n dataset(s) could not be restored.</source>
        <translation>
            <numerusform>Δεν ήταν δυνατή η επαναφορά %n συνόλου δεδομένων.</numerusform>
            <numerusform>Δεν ήταν δυνατή η επαναφορά %n συνόλων δεδομένων.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every dataset in the trash for good?</source>
        <translation>Οριστική διαγραφή όλων των συνόλων δεδομένων του κάδου;</translation>
    </message>
    <message>
        <source>Some deleted datasets could not be removed.</source>
        <translation>Ορισμένα διαγραμμένα σύνολα δεδομένων δεν ήταν δυνατό να αφαιρεθούν.</translation>
    </message>
    <message>
        <source>No deleted datasets.</source>
        <translation>Δεν υπάρχουν διαγραμμένα σύνολα δεδομένων.</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>ΕΠΑΝΑΦΟΡΑ</translation>
    </message>
    <message>
        <source>EMPTY TRASH</source>
        <translation>ΑΔΕΙΑΣΜΑ ΚΑΔΟΥ</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ΚΛΕΙΣΙΜΟ</translation>
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
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Όνομα: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Τοποθεσία: </translation>
    </message>
    <message>
        <source>Coordinates: </source>
        <translation>Συντεταγμένες: </translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Πλάτος</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Μήκος</translation>
    </message>
    <message>
        <source>The latitude must be a number from %1 to %2, such as %3.</source>
        <translation>Το γεωγραφικό πλάτος πρέπει να είναι αριθμός από %1 έως %2, για παράδειγμα %3.</translation>
    </message>
    <message>
        <source>The longitude must be a number from %1 to %2, such as %3.</source>
        <translation>Το γεωγραφικό μήκος πρέπει να είναι αριθμός από %1 έως %2, για παράδειγμα %3.</translation>
    </message>
    <message>
        <source>Bearing: </source>
        <translation>Αζιμούθιο: </translation>
    </message>
    <message>
        <source>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</source>
        <translation>Μοίρες δεξιόστροφα από τον βορρά προς τις οποίες περπατήθηκε το πρώτο ίχνος (%1 έως %2)· κενό αν δεν είναι γνωστό.</translation>
    </message>
    <message>
        <source>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</source>
        <translation>Το αζιμούθιο πρέπει να είναι ακέραιος αριθμός μοιρών από %1 έως %2 ή κενό αν δεν είναι γνωστό.</translation>
    </message>
</context>
<context>
    <name>FamilyDataset</name>
    <message>
        <source>Dataset</source>
        <translation>Σύνολο δεδομένων</translation>
    </message>
</context>
<context>
    <name>FieldDimensionWidget</name>
    <message>
        <source>WIDTH</source>
        <translation>ΠΛΑΤΟΣ</translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation>ΜΗΚΟΣ</translation>
    </message>
</context>
<context>
    <name>FieldPlacement</name>
    <message>
        <source>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Αυτό το σύνολο δεδομένων δεν έχει θέση. Εισαγάγετε το γεωγραφικό πλάτος και μήκος της γωνίας όπου ξεκίνησε η διαδρομή στο παράθυρο επεξεργασίας του συνόλου δεδομένων και κάντε ξανά εξαγωγή.</translation>
    </message>
    <message>
        <source>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</source>
        <translation>Η θέση του συνόλου δεδομένων βρίσκεται εκτός της εμβέλειας της χαρτογραφικής προβολής (80° νότια έως 84° βόρεια). Ελέγξτε το γεωγραφικό πλάτος και μήκος στο παράθυρο επεξεργασίας.</translation>
    </message>
    <message>
        <source>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Αυτό το σύνολο δεδομένων δεν έχει αζιμούθιο. Εισαγάγετε την κατεύθυνση πυξίδας του πρώτου ίχνους, σε μοίρες από τον βορρά, στο παράθυρο επεξεργασίας και κάντε ξανά εξαγωγή.</translation>
    </message>
    <message>
        <source>The dataset holds no values.</source>
        <translation>Το σύνολο δεδομένων δεν περιέχει τιμές.</translation>
    </message>
    <message>
        <source>The map projections are not available.</source>
        <translation>Οι χαρτογραφικές προβολές δεν είναι διαθέσιμες.</translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation>Προεπισκόπηση πεδίου</translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation>Τρέχουσα διαδρομή: </translation>
    </message>
</context>
<context>
    <name>FrequencyAnalysis</name>
    <message>
        <source>Frequency Analysis</source>
        <translation>Ανάλυση συχνοτήτων</translation>
    </message>
</context>
<context>
    <name>GradientAnalysis</name>
    <message>
        <source>Gradient Analysis</source>
        <translation>Ανάλυση κλίσης</translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>Depth Analysis</source>
        <translation>Ανάλυση βάθους</translation>
    </message>
    <message>
        <source>Isocontour</source>
        <translation>Ισοϋψής</translation>
    </message>
    <message>
        <source>Isovalue</source>
        <translation>Ισοτιμή</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Φίλτρο</translation>
    </message>
    <message>
        <source>Smoothing Filter</source>
        <translation>Φίλτρο εξομάλυνσης</translation>
    </message>
    <message>
        <source>Track Matching</source>
        <translation>Ταίριασμα διαδρομών</translation>
    </message>
    <message>
        <source>Color Quantization</source>
        <translation>Κβαντισμός χρωμάτων</translation>
    </message>
    <message>
        <source>Outlier Filter</source>
        <translation>Φίλτρο ακραίων τιμών</translation>
    </message>
    <message>
        <source>Value Analysis</source>
        <translation>Ανάλυση τιμών</translation>
    </message>
    <message>
        <source>Use Shading</source>
        <translation>Σκίαση</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Συρματόπλεγμα</translation>
    </message>
    <message>
        <source>Colormap</source>
        <translation>Χρωματικός χάρτης</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>Μέλαν σώμα</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Κλίμακα του γκρι</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Θερμοκρασία</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Στιγμιότυπο</translation>
    </message>
    <message>
        <source>Could not save the snapshot of the dataset.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του στιγμιότυπου του συνόλου δεδομένων.</translation>
    </message>
    <message>
        <source>Destagger (zig-zag)</source>
        <translation>Διόρθωση μετατόπισης (ζιγκ-ζαγκ)</translation>
    </message>
    <message>
        <source>Despike</source>
        <translation>Αφαίρεση αιχμών</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ΚΛΕΙΣΙΜΟ</translation>
    </message>
</context>
<context>
    <name>KmzExport</name>
    <message>
        <source>Colour legend</source>
        <translation>Υπόμνημα χρωμάτων</translation>
    </message>
    <message>
        <source>Start of the first track</source>
        <translation>Αρχή του πρώτου ίχνους</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Μέτρηση</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation>ΡΥΘΜΙΣΕΙΣ</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>ΚΑΤΑΓΡΑΦΗ</translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation>ΔΕΔΟΜΕΝΑ</translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation>Θέλετε σίγουρα να κλείσετε το Sorvanel3D;</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation>Συνδέθηκε με </translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation>Αδυναμία σύνδεσης. Βεβαιωθείτε ότι είστε συνδεδεμένοι στο σωστό Wi-Fi και ότι ο σαρωτής είναι ενεργοποιημένος.</translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation>Δεν ήταν δυνατός ο προσδιορισμός της θέσης.</translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation>Δεν ήταν δυνατή η λήψη πληροφοριών θέσης. </translation>
    </message>
    <message>
        <source>The recording so far was saved as &quot;%1&quot;.</source>
        <translation>Η καταγραφή έως τώρα αποθηκεύτηκε ως «%1».</translation>
    </message>
</context>
<context>
    <name>NameWidget</name>
    <message>
        <source>NAME:</source>
        <translation>ΟΝΟΜΑ:</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>ΔΙΑΓΡΑΦΗ</translation>
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
        <translation>Μέλαν σώμα</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Κλίμακα του γκρι</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Θερμοκρασία</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Ενεργοποίηση ήχου</translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation>Χρώματα σάρωσης</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation>Λήψη δεδομένων</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Διαγραμμένα δεδομένα</translation>
    </message>
    <message>
        <source>Capture Scanner Stream</source>
        <translation>Καταγραφή ροής σαρωτή</translation>
    </message>
</context>
<context>
    <name>PickReadout</name>
    <message>
        <source>PICKED POINT</source>
        <translation>ΕΠΙΛΕΓΜΕΝΟ ΣΗΜΕΙΟ</translation>
    </message>
    <message>
        <source>Along the track</source>
        <translation>Κατά μήκος της διαδρομής</translation>
    </message>
    <message>
        <source>Across the field</source>
        <translation>Εγκάρσια στο πεδίο</translation>
    </message>
    <message>
        <source>Track %1, row %2</source>
        <translation>Διαδρομή %1, γραμμή %2</translation>
    </message>
    <message>
        <source>Recorded: %1</source>
        <translation>Καταγεγραμμένη: %1</translation>
    </message>
    <message>
        <source>Filtered: %1</source>
        <translation>Φιλτραρισμένη: %1</translation>
    </message>
    <message>
        <source>%1 m along, %2 m across</source>
        <translation>%1 m κατά μήκος, %2 m εγκάρσια</translation>
    </message>
    <message>
        <source>Latitude %1, longitude %2</source>
        <translation>Πλάτος %1, μήκος %2</translation>
    </message>
</context>
<context>
    <name>PositionTracker</name>
    <message>
        <source>Sorvanel3D does not have the required priviliges</source>
        <translation>Το Sorvanel3D δεν έχει τα απαιτούμενα δικαιώματα</translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation>Η υπηρεσία εντοπισμού έκλεισε τη σύνδεση</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Άγνωστο σφάλμα</translation>
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
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Όχι</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Απόρριψη</translation>
    </message>
</context>
<context>
    <name>RecorderBase</name>
    <message>
        <source>START</source>
        <translation>ΕΝΑΡΞΗ</translation>
    </message>
    <message>
        <source>NEXT TRACK</source>
        <translation>ΝΕΑ ΔΙΑΔΡΟΜΗ</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>ΣΥΝΕΧΕΙΑ</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>ΠΑΥΣΗ</translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Τιμή: </translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation>Χωρίς προεπισκόπηση</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>ΚΑΤΑΓΡΑΦΗ</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ΔΙΑΚΟΠΗ</translation>
    </message>
    <message>
        <source>Dataset</source>
        <translation>Σύνολο δεδομένων</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του συνόλου δεδομένων. Νέα προσπάθεια;</translation>
    </message>
    <message>
        <source> (interrupted)</source>
        <translation> (διακόπηκε)</translation>
    </message>
</context>
<context>
    <name>SoilButtonWidget</name>
    <message>
        <source>Concrete</source>
        <translation>Σκυρόδεμα</translation>
    </message>
    <message>
        <source>Soil Type: </source>
        <translation>Τύπος εδάφους: </translation>
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
        <translation>Πλέγμα κειμένου Surfer 6 (DSAA)</translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation>Πλέγμα ESRI ASCII</translation>
    </message>
    <message>
        <source>GeoTIFF, readings (UTM)</source>
        <translation>GeoTIFF, μετρήσεις (UTM)</translation>
    </message>
    <message>
        <source>GeoTIFF, colours (UTM)</source>
        <translation>GeoTIFF, χρώματα (UTM)</translation>
    </message>
    <message>
        <source>KMZ for Google Earth</source>
        <translation>KMZ για το Google Earth</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation>Δημιουργία απεικόνισης</translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation>Παρουσιάστηκε εσωτερικό σφάλμα. Δεν ήταν δυνατή η δημιουργία δεδομένων από την πηγή.
</translation>
    </message>
    <message>
        <source>Clip 2–98 %</source>
        <translation>Αποκοπή 2–98 %</translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation>Δεν βρέθηκε συσκευή ήχου. Ο ήχος δεν θα είναι διαθέσιμος.</translation>
    </message>
</context>
<context>
    <name>TopWidget</name>
    <message>
        <source>NAME</source>
        <translation>ΟΝΟΜΑ</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>ΗΜΕΡΟΜΗΝΙΑ</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>ΤΟΠΟΘΕΣΙΑ</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The received dataset could not be stored.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του συνόλου δεδομένων που λήφθηκε.</translation>
    </message>
    <message>
        <source>The received data is not a valid dataset. Nothing was stored.</source>
        <translation>Τα δεδομένα που λήφθηκαν δεν είναι έγκυρο σύνολο δεδομένων. Δεν αποθηκεύτηκε τίποτα.</translation>
    </message>
</context>
<context>
    <name>TransferReceiveDialog</name>
    <message>
        <source>Enter Address</source>
        <translation>Εισαγωγή διεύθυνσης</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>Χωρίς σύνδεση</translation>
    </message>
    <message>
        <source>Dataset Received: </source>
        <translation>Λήφθηκε σύνολο δεδομένων: </translation>
    </message>
</context>
<context>
    <name>TransferSendDialog</name>
    <message>
        <source>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</source>
        <translation>Στην άλλη συσκευή επιλέξτε «Λήψη δεδομένων» στο μενού ρυθμίσεων και εισαγάγετε αυτή τη διεύθυνση:</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>Unable to start Server</source>
        <translation>Αδυναμία εκκίνησης διακομιστή</translation>
    </message>
    <message>
        <source>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</source>
        <translation>Αυτό το σύνολο δεδομένων δεν μπορεί να σταλεί: τα αρχεία του δεν έχουν όνομα αναγνωριστικού συνόλου δεδομένων, οπότε η άλλη συσκευή θα το απέρριπτε.</translation>
    </message>
</context>
<context>
    <name>ViewControlWindow</name>
    <message>
        <source>DATA ZOOM</source>
        <translation>ΖΟΥΜ ΔΕΔΟΜΕΝΩΝ</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>ΚΛΙΜΑΚΑ</translation>
    </message>
    <message>
        <source>DEPTH: </source>
        <translation>ΒΑΘΟΣ: </translation>
    </message>
    <message>
        <source>SHOW GRID</source>
        <translation>ΠΛΕΓΜΑ</translation>
    </message>
    <message>
        <source>SNAPSHOT</source>
        <translation>ΣΤΙΓΜΙΟΤΥΠΟ</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>ΕΚΤΥΠΩΣΗ</translation>
    </message>
    <message>
        <source>DESTAGGER (ROWS)</source>
        <translation>ΜΕΤΑΤΟΠΙΣΗ (ΓΡΑΜΜΕΣ)</translation>
    </message>
    <message>
        <source>AUTOMATIC</source>
        <translation>ΑΥΤΟΜΑΤΑ</translation>
    </message>
    <message>
        <source>%1, by hand</source>
        <translation>%1, χειροκίνητα</translation>
    </message>
    <message>
        <source>%1, estimated</source>
        <translation>%1, εκτιμώμενη</translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation>ΠΙΣΩ</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>ΕΠΟΜΕΝΟ</translation>
    </message>
</context>
</TS>
