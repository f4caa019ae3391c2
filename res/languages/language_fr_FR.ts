<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BottomWidgetHeightfield</name>
    <message>
        <source>  RESET CAMERA</source>
        <translation>  RÉINITIALISER CAMÉRA</translation>
    </message>
    <message>
        <source>  DATASET MANAGER</source>
        <translation>  GESTION DES DONNÉES</translation>
    </message>
    <message>
        <source>  START NEW RECORDING</source>
        <translation>  ENREGISTRER</translation>
    </message>
</context>
<context>
    <name>Dataset</name>
    <message>
        <source>Error Loading File</source>
        <translation>Erreur de chargement du fichier</translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation>Type de données incorrect</translation>
    </message>
    <message>
        <source>The dataset&apos;s value file is missing or damaged.</source>
        <translation>Le fichier de valeurs du jeu de données est manquant ou endommagé.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata file is missing or damaged.</source>
        <translation>Le fichier de métadonnées du jeu de données est manquant ou endommagé.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata names no known probe.</source>
        <translation>Les métadonnées du jeu de données ne désignent aucune sonde connue.</translation>
    </message>
    <message>
        <source>The dataset&apos;s preview is missing or damaged.</source>
        <translation>L&apos;aperçu du jeu de données est manquant ou endommagé.</translation>
    </message>
</context>
<context>
    <name>DatasetViewer</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The dataset could not be changed: </source>
        <translation>Impossible de modifier le jeu de données : </translation>
    </message>
    <message>
        <source>No coordinates provided</source>
        <translation>Aucune coordonnée fournie</translation>
    </message>
    <message>
        <source>Dataset exportet to the download directory: </source>
        <translation>Jeu de données exporté dans le dossier de téléchargement : </translation>
    </message>
    <message>
        <source>Dataset could not be exportet to: </source>
        <translation>Impossible d&apos;exporter le jeu de données vers : </translation>
    </message>
</context>
<context>
    <name>DatasetWidget</name>
    <message>
        <source>VIEW</source>
        <translation>VOIR</translation>
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
        <translation>Supprimé le %1</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Données supprimées</translation>
    </message>
    <message numerus="yes">
        <source>%n dataset(s) could not be restored.</source>
        <translation>
            <numerusform>%n jeu de données n&apos;a pas pu être restauré.</numerusform>
            <numerusform>%n jeux de données n&apos;ont pas pu être restaurés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every dataset in the trash for good?</source>
        <translation>Supprimer définitivement tous les jeux de données de la corbeille ?</translation>
    </message>
    <message>
        <source>Some deleted datasets could not be removed.</source>
        <translation>Certains jeux de données supprimés n&apos;ont pas pu être effacés.</translation>
    </message>
    <message>
        <source>No deleted datasets.</source>
        <translation>Aucun jeu de données supprimé.</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>RESTAURER</translation>
    </message>
    <message>
        <source>EMPTY TRASH</source>
        <translation>VIDER LA CORBEILLE</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nom : </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Lieu : </translation>
    </message>
    <message>
        <source>Coordinates: </source>
        <translation>Coordonnées : </translation>
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
        <translation>La latitude doit être un nombre de %1 à %2, par exemple %3.</translation>
    </message>
    <message>
        <source>The longitude must be a number from %1 to %2, such as %3.</source>
        <translation>La longitude doit être un nombre de %1 à %2, par exemple %3.</translation>
    </message>
    <message>
        <source>Bearing: </source>
        <translation>Cap : </translation>
    </message>
    <message>
        <source>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</source>
        <translation>Degrés dans le sens horaire depuis le nord dans lesquels la première trace a été parcourue (%1 à %2) ; vide s’il est inconnu.</translation>
    </message>
    <message>
        <source>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</source>
        <translation>Le cap doit être un nombre entier de degrés de %1 à %2, ou vide s’il est inconnu.</translation>
    </message>
</context>
<context>
    <name>FamilyDataset</name>
    <message>
        <source>Dataset</source>
        <translation>Jeu de données</translation>
    </message>
</context>
<context>
    <name>FieldDimensionWidget</name>
    <message>
        <source>WIDTH</source>
        <translation>LARGEUR</translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation>LONGUEUR</translation>
    </message>
</context>
<context>
    <name>FieldPlacement</name>
    <message>
        <source>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Ce jeu de données n’a pas de position. Saisissez la latitude et la longitude du coin où le parcours a commencé dans la fenêtre de modification du jeu de données, puis exportez à nouveau.</translation>
    </message>
    <message>
        <source>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</source>
        <translation>La position du jeu de données est hors de portée de la projection cartographique (80° sud à 84° nord). Vérifiez sa latitude et sa longitude dans la fenêtre de modification.</translation>
    </message>
    <message>
        <source>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Ce jeu de données n’a pas de cap. Saisissez la direction au compas dans laquelle la première trace a été parcourue, en degrés depuis le nord, dans la fenêtre de modification, puis exportez à nouveau.</translation>
    </message>
    <message>
        <source>The dataset holds no values.</source>
        <translation>Le jeu de données ne contient aucune valeur.</translation>
    </message>
    <message>
        <source>The map projections are not available.</source>
        <translation>Les projections cartographiques ne sont pas disponibles.</translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation>Aperçu du terrain</translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation>Ligne actuelle : </translation>
    </message>
</context>
<context>
    <name>FrequencyAnalysis</name>
    <message>
        <source>Frequency Analysis</source>
        <translation>Analyse fréquentielle</translation>
    </message>
</context>
<context>
    <name>GradientAnalysis</name>
    <message>
        <source>Gradient Analysis</source>
        <translation>Analyse du gradient</translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>Depth Analysis</source>
        <translation>Analyse de profondeur</translation>
    </message>
    <message>
        <source>Isocontour</source>
        <translation>Isoligne</translation>
    </message>
    <message>
        <source>Isovalue</source>
        <translation>Isovaleur</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Smoothing Filter</source>
        <translation>Filtre de lissage</translation>
    </message>
    <message>
        <source>Track Matching</source>
        <translation>Ajustement des lignes</translation>
    </message>
    <message>
        <source>Color Quantization</source>
        <translation>Quantification des couleurs</translation>
    </message>
    <message>
        <source>Outlier Filter</source>
        <translation>Filtre des valeurs aberrantes</translation>
    </message>
    <message>
        <source>Value Analysis</source>
        <translation>Analyse des valeurs</translation>
    </message>
    <message>
        <source>Use Shading</source>
        <translation>Ombrage</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Fil de fer</translation>
    </message>
    <message>
        <source>Colormap</source>
        <translation>Palette de couleurs</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>Corps noir</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Could not save the snapshot of the dataset.</source>
        <translation>Impossible d&apos;enregistrer la capture du jeu de données.</translation>
    </message>
    <message>
        <source>Destagger (zig-zag)</source>
        <translation>Corriger le décalage (zigzag)</translation>
    </message>
    <message>
        <source>Despike</source>
        <translation>Supprimer les pics</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
    </message>
</context>
<context>
    <name>KmzExport</name>
    <message>
        <source>Colour legend</source>
        <translation>Légende des couleurs</translation>
    </message>
    <message>
        <source>Start of the first track</source>
        <translation>Début de la première trace</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Mesure</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation>PARAMÈTRES</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation>DONNÉES</translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation>Voulez-vous vraiment quitter Sorvanel3D ?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation>Connecté à </translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation>Connexion impossible. Vérifiez que vous êtes connecté au bon réseau Wi-Fi et que le scanner est allumé.</translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation>Impossible d&apos;obtenir la position.</translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation>Impossible de récupérer les informations de position. </translation>
    </message>
    <message>
        <source>The recording so far was saved as &quot;%1&quot;.</source>
        <translation>L&apos;enregistrement effectué jusqu&apos;ici a été sauvegardé sous « %1 ».</translation>
    </message>
</context>
<context>
    <name>NameWidget</name>
    <message>
        <source>NAME:</source>
        <translation>NOM :</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
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
        <translation>Corps noir</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Activer le son</translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation>Couleurs du scan</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation>Recevoir des données</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Données supprimées</translation>
    </message>
    <message>
        <source>Capture Scanner Stream</source>
        <translation>Capturer le flux du scanner</translation>
    </message>
</context>
<context>
    <name>PickReadout</name>
    <message>
        <source>PICKED POINT</source>
        <translation>POINT CHOISI</translation>
    </message>
    <message>
        <source>Along the track</source>
        <translation>Le long de la trace</translation>
    </message>
    <message>
        <source>Across the field</source>
        <translation>À travers le champ</translation>
    </message>
    <message>
        <source>Track %1, row %2</source>
        <translation>Trace %1, ligne %2</translation>
    </message>
    <message>
        <source>Recorded: %1</source>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>Filtered: %1</source>
        <translation>Filtré : %1</translation>
    </message>
    <message>
        <source>%1 m along, %2 m across</source>
        <translation>%1 m en long, %2 m en travers</translation>
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
        <translation>Sorvanel3D n&apos;a pas les autorisations nécessaires</translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation>Le service de localisation a fermé la connexion</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ne pas tenir compte</translation>
    </message>
</context>
<context>
    <name>RecorderBase</name>
    <message>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <source>NEXT TRACK</source>
        <translation>LIGNE SUIVANTE</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>REPRENDRE</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Valeur : </translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation>Aucun aperçu</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>Dataset</source>
        <translation>Jeu de données</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation>Impossible d&apos;enregistrer le jeu de données. Réessayer ?</translation>
    </message>
    <message>
        <source> (interrupted)</source>
        <translation> (interrompu)</translation>
    </message>
</context>
<context>
    <name>SoilButtonWidget</name>
    <message>
        <source>Concrete</source>
        <translation>Béton</translation>
    </message>
    <message>
        <source>Soil Type: </source>
        <translation>Type de sol : </translation>
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
        <translation>Grille texte Surfer 6 (DSAA)</translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation>Grille ESRI ASCII</translation>
    </message>
    <message>
        <source>GeoTIFF, readings (UTM)</source>
        <translation>GeoTIFF, mesures (UTM)</translation>
    </message>
    <message>
        <source>GeoTIFF, colours (UTM)</source>
        <translation>GeoTIFF, couleurs (UTM)</translation>
    </message>
    <message>
        <source>KMZ for Google Earth</source>
        <translation>KMZ pour Google Earth</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation>Création de la visualisation</translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation>Une erreur interne s&apos;est produite. Impossible de créer les données à partir de la source.
</translation>
    </message>
    <message>
        <source>Clip 2–98 %</source>
        <translation>Écrêter 2–98 %</translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation>Aucun périphérique audio trouvé. Le son ne sera pas disponible.</translation>
    </message>
</context>
<context>
    <name>TopWidget</name>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>LIEU</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The received dataset could not be stored.</source>
        <translation>Impossible d&apos;enregistrer le jeu de données reçu.</translation>
    </message>
    <message>
        <source>The received data is not a valid dataset. Nothing was stored.</source>
        <translation>Les données reçues ne sont pas un jeu de données valide. Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>TransferReceiveDialog</name>
    <message>
        <source>Enter Address</source>
        <translation>Saisir l&apos;adresse</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>Pas de connexion</translation>
    </message>
    <message>
        <source>Dataset Received: </source>
        <translation>Jeu de données reçu : </translation>
    </message>
</context>
<context>
    <name>TransferSendDialog</name>
    <message>
        <source>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</source>
        <translation>Sur l&apos;autre appareil, choisissez « Recevoir des données » dans le menu des réglages et saisissez cette adresse :</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unable to start Server</source>
        <translation>Impossible de démarrer le serveur</translation>
    </message>
    <message>
        <source>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</source>
        <translation>Ce jeu de données ne peut pas être envoyé : ses fichiers ne portent pas un identifiant de jeu de données, l’autre appareil le refuserait donc.</translation>
    </message>
</context>
<context>
    <name>ViewControlWindow</name>
    <message>
        <source>DATA ZOOM</source>
        <translation>ZOOM DONNÉES</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>ÉCHELLE</translation>
    </message>
    <message>
        <source>DEPTH: </source>
        <translation>PROFONDEUR : </translation>
    </message>
    <message>
        <source>SHOW GRID</source>
        <translation>GRILLE</translation>
    </message>
    <message>
        <source>SNAPSHOT</source>
        <translation>CAPTURE</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>IMPRIMER</translation>
    </message>
    <message>
        <source>DESTAGGER (ROWS)</source>
        <translation>DÉCALAGE (LIGNES)</translation>
    </message>
    <message>
        <source>AUTOMATIC</source>
        <translation>AUTOMATIQUE</translation>
    </message>
    <message>
        <source>%1, by hand</source>
        <translation>%1, à la main</translation>
    </message>
    <message>
        <source>%1, estimated</source>
        <translation>%1, estimé</translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation>RETOUR</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>SUIVANT</translation>
    </message>
</context>
</TS>
