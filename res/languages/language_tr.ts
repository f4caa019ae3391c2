<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>BottomWidgetHeightfield</name>
    <message>
        <source>  RESET CAMERA</source>
        <translation>  KAMERAYI SIFIRLA</translation>
    </message>
    <message>
        <source>  DATASET MANAGER</source>
        <translation>  VERİ SETLERİ</translation>
    </message>
    <message>
        <source>  START NEW RECORDING</source>
        <translation>  YENİ KAYIT</translation>
    </message>
</context>
<context>
    <name>Dataset</name>
    <message>
        <source>Error Loading File</source>
        <translation>Dosya yüklenirken hata</translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation>Yanlış veri türü</translation>
    </message>
    <message>
        <source>The dataset&apos;s value file is missing or damaged.</source>
        <translation>Veri setinin değer dosyası eksik veya bozuk.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata file is missing or damaged.</source>
        <translation>Veri setinin meta veri dosyası eksik veya bozuk.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata names no known probe.</source>
        <translation>Veri setinin meta verileri bilinen bir sonda belirtmiyor.</translation>
    </message>
    <message>
        <source>The dataset&apos;s preview is missing or damaged.</source>
        <translation>Veri setinin önizlemesi eksik veya bozuk.</translation>
    </message>
</context>
<context>
    <name>DatasetViewer</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>The dataset could not be changed: </source>
        <translation>Veri seti değiştirilemedi: </translation>
    </message>
    <message>
        <source>No coordinates provided</source>
        <translation>Koordinat girilmedi</translation>
    </message>
    <message>
        <source>Dataset exportet to the download directory: </source>
        <translation>Veri seti indirme klasörüne aktarıldı: </translation>
    </message>
    <message>
        <source>Dataset could not be exportet to: </source>
        <translation>Veri seti şuraya aktarılamadı: </translation>
    </message>
</context>
<context>
    <name>DatasetWidget</name>
    <message>
        <source>VIEW</source>
        <translation>GÖSTER</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Enlem</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
</context>
<context>
    <name>DeletedDatasetsDialog</name>
    <message>
        <source>Deleted %1</source>
        <translation>Silinme: %1</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Silinen veri setleri</translation>
    </message>
    <message numerus="yes">
        <source>%n dataset(s) could not be restored.</source>
        <translation>
            <numerusform>%n veri seti geri yüklenemedi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every dataset in the trash for good?</source>
        <translation>Çöp kutusundaki tüm veri setleri kalıcı olarak silinsin mi?</translation>
    </message>
    <message>
        <source>Some deleted datasets could not be removed.</source>
        <translation>Silinen bazı veri setleri kaldırılamadı.</translation>
    </message>
    <message>
        <source>No deleted datasets.</source>
        <translation>Silinmiş veri seti yok.</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>GERİ YÜKLE</translation>
    </message>
    <message>
        <source>EMPTY TRASH</source>
        <translation>ÇÖPÜ BOŞALT</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>KAPAT</translation>
    </message>
</context>
<context>
    <name>EditWidget</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Ad: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Konum: </translation>
    </message>
    <message>
        <source>Coordinates: </source>
        <translation>Koordinatlar: </translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Enlem</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>The latitude must be a number from %1 to %2, such as %3.</source>
        <translation>Enlem %1 ile %2 arasında bir sayı olmalıdır, örneğin %3.</translation>
    </message>
    <message>
        <source>The longitude must be a number from %1 to %2, such as %3.</source>
        <translation>Boylam %1 ile %2 arasında bir sayı olmalıdır, örneğin %3.</translation>
    </message>
    <message>
        <source>Bearing: </source>
        <translation>Yön açısı: </translation>
    </message>
    <message>
        <source>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</source>
        <translation>İlk izin yüründüğü, kuzeyden saat yönünde derece (%1 ile %2 arası); bilinmiyorsa boş.</translation>
    </message>
    <message>
        <source>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</source>
        <translation>Yön açısı %1 ile %2 arasında tam sayı derece olmalı ya da bilinmiyorsa boş bırakılmalıdır.</translation>
    </message>
</context>
<context>
    <name>FamilyDataset</name>
    <message>
        <source>Dataset</source>
        <translation>Veri seti</translation>
    </message>
</context>
<context>
    <name>FieldDimensionWidget</name>
    <message>
        <source>WIDTH</source>
        <translation>GENİŞLİK</translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation>UZUNLUK</translation>
    </message>
</context>
<context>
    <name>FieldPlacement</name>
    <message>
        <source>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Bu veri kümesinin konumu yok. Yürüyüşün başladığı köşenin enlem ve boylamını veri kümesinin düzenleme penceresine girin, sonra yeniden dışa aktarın.</translation>
    </message>
    <message>
        <source>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</source>
        <translation>Veri kümesinin konumu harita izdüşümünün kapsamı dışında (80° güney ile 84° kuzey arası). Enlem ve boylamı düzenleme penceresinde denetleyin.</translation>
    </message>
    <message>
        <source>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</source>
        <translation>Bu veri kümesinin yön açısı yok. İlk izin yüründüğü pusula yönünü, kuzeyden derece olarak, düzenleme penceresine girin, sonra yeniden dışa aktarın.</translation>
    </message>
    <message>
        <source>The dataset holds no values.</source>
        <translation>Veri kümesi değer içermiyor.</translation>
    </message>
    <message>
        <source>The map projections are not available.</source>
        <translation>Harita izdüşümleri kullanılamıyor.</translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation>Alan önizleme</translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation>Geçerli hat: </translation>
    </message>
</context>
<context>
    <name>FrequencyAnalysis</name>
    <message>
        <source>Frequency Analysis</source>
        <translation>Frekans analizi</translation>
    </message>
</context>
<context>
    <name>GradientAnalysis</name>
    <message>
        <source>Gradient Analysis</source>
        <translation>Gradyan analizi</translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>Depth Analysis</source>
        <translation>Derinlik analizi</translation>
    </message>
    <message>
        <source>Isocontour</source>
        <translation>Eş değer eğrisi</translation>
    </message>
    <message>
        <source>Isovalue</source>
        <translation>Eş değer</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Smoothing Filter</source>
        <translation>Yumuşatma filtresi</translation>
    </message>
    <message>
        <source>Track Matching</source>
        <translation>Hat eşleştirme</translation>
    </message>
    <message>
        <source>Color Quantization</source>
        <translation>Renk nicemleme</translation>
    </message>
    <message>
        <source>Outlier Filter</source>
        <translation>Aykırı değer filtresi</translation>
    </message>
    <message>
        <source>Value Analysis</source>
        <translation>Değer analizi</translation>
    </message>
    <message>
        <source>Use Shading</source>
        <translation>Gölgelendirme</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Tel kafes</translation>
    </message>
    <message>
        <source>Colormap</source>
        <translation>Renk haritası</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>Kara cisim</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Gri tonlama</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Sıcaklık</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Anlık görüntü</translation>
    </message>
    <message>
        <source>Could not save the snapshot of the dataset.</source>
        <translation>Veri setinin anlık görüntüsü kaydedilemedi.</translation>
    </message>
    <message>
        <source>Destagger (zig-zag)</source>
        <translation>Kaymayı düzelt (zikzak)</translation>
    </message>
    <message>
        <source>Despike</source>
        <translation>Sivri değerleri temizle</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>KAPAT</translation>
    </message>
</context>
<context>
    <name>KmzExport</name>
    <message>
        <source>Colour legend</source>
        <translation>Renk açıklaması</translation>
    </message>
    <message>
        <source>Start of the first track</source>
        <translation>İlk izin başlangıcı</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Ölçüm</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation>AYARLAR</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>KAYIT</translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation>VERİ SETLERİ</translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation>Sorvanel3D&apos;den çıkmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation>Bağlanılan: </translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation>Bağlanılamadı. Doğru Wi-Fi ağına bağlı olduğunuzdan ve tarayıcının açık olduğundan emin olun.</translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation>Konum alınamadı.</translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation>Konum bilgisi alınamadı. </translation>
    </message>
    <message>
        <source>The recording so far was saved as &quot;%1&quot;.</source>
        <translation>Şimdiye kadarki kayıt &quot;%1&quot; olarak kaydedildi.</translation>
    </message>
</context>
<context>
    <name>NameWidget</name>
    <message>
        <source>NAME:</source>
        <translation>AD:</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SİL</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
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
        <translation>Kara cisim</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Gri tonlama</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Sıcaklık</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Sesi aç</translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation>Tarama rengi</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation>Veri seti al</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Silinen veri setleri</translation>
    </message>
    <message>
        <source>Capture Scanner Stream</source>
        <translation>Tarayıcı akışını kaydet</translation>
    </message>
</context>
<context>
    <name>PickReadout</name>
    <message>
        <source>PICKED POINT</source>
        <translation>SEÇİLEN NOKTA</translation>
    </message>
    <message>
        <source>Along the track</source>
        <translation>İz boyunca</translation>
    </message>
    <message>
        <source>Across the field</source>
        <translation>Alan boyunca enine</translation>
    </message>
    <message>
        <source>Track %1, row %2</source>
        <translation>İz %1, satır %2</translation>
    </message>
    <message>
        <source>Recorded: %1</source>
        <translation>Kaydedilen: %1</translation>
    </message>
    <message>
        <source>Filtered: %1</source>
        <translation>Filtrelenmiş: %1</translation>
    </message>
    <message>
        <source>%1 m along, %2 m across</source>
        <translation>%1 m boyuna, %2 m enine</translation>
    </message>
    <message>
        <source>Latitude %1, longitude %2</source>
        <translation>Enlem %1, boylam %2</translation>
    </message>
</context>
<context>
    <name>PositionTracker</name>
    <message>
        <source>Sorvanel3D does not have the required priviliges</source>
        <translation>Sorvanel3D gerekli izinlere sahip değil</translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation>Konum hizmeti bağlantıyı kapattı</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
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
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden Dene</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Gözardı Et</translation>
    </message>
</context>
<context>
    <name>RecorderBase</name>
    <message>
        <source>START</source>
        <translation>BAŞLAT</translation>
    </message>
    <message>
        <source>NEXT TRACK</source>
        <translation>SONRAKİ HAT</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>DEVAM</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>DURAKLAT</translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Değer: </translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation>Önizleme yok</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>KAYIT</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>DURDUR</translation>
    </message>
    <message>
        <source>Dataset</source>
        <translation>Veri seti</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation>Veri seti kaydedilemedi. Tekrar denensin mi?</translation>
    </message>
    <message>
        <source> (interrupted)</source>
        <translation> (yarıda kesildi)</translation>
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
        <translation>Zemin türü: </translation>
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
        <translation>Surfer 6 metin ızgarası (DSAA)</translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation>ESRI ASCII ızgarası</translation>
    </message>
    <message>
        <source>GeoTIFF, readings (UTM)</source>
        <translation>GeoTIFF, ölçümler (UTM)</translation>
    </message>
    <message>
        <source>GeoTIFF, colours (UTM)</source>
        <translation>GeoTIFF, renkler (UTM)</translation>
    </message>
    <message>
        <source>KMZ for Google Earth</source>
        <translation>Google Earth için KMZ</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation>Görselleştirme oluşturma</translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation>Dahili bir hata oluştu. Kaynaktan veri oluşturulamadı.
</translation>
    </message>
    <message>
        <source>Clip 2–98 %</source>
        <translation>Kırp (yüzde 2–98)</translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation>Ses aygıtı bulunamadı. Ses kullanılamayacak.</translation>
    </message>
</context>
<context>
    <name>TopWidget</name>
    <message>
        <source>NAME</source>
        <translation>AD</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>TARİH</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>KONUM</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The received dataset could not be stored.</source>
        <translation>Alınan veri seti kaydedilemedi.</translation>
    </message>
    <message>
        <source>The received data is not a valid dataset. Nothing was stored.</source>
        <translation>Alınan veriler geçerli bir veri seti değil. Hiçbir şey kaydedilmedi.</translation>
    </message>
</context>
<context>
    <name>TransferReceiveDialog</name>
    <message>
        <source>Enter Address</source>
        <translation>Adres girin</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>Bağlantı yok</translation>
    </message>
    <message>
        <source>Dataset Received: </source>
        <translation>Veri seti alındı: </translation>
    </message>
</context>
<context>
    <name>TransferSendDialog</name>
    <message>
        <source>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</source>
        <translation>Diğer cihazda ayarlar menüsünden &apos;Veri seti al&apos; seçeneğini seçin ve bu adresi girin:</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Unable to start Server</source>
        <translation>Sunucu başlatılamadı</translation>
    </message>
    <message>
        <source>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</source>
        <translation>Bu veri kümesi gönderilemez: dosyaları bir veri kümesi kimliğiyle adlandırılmamış, bu nedenle diğer cihaz onu reddeder.</translation>
    </message>
</context>
<context>
    <name>ViewControlWindow</name>
    <message>
        <source>DATA ZOOM</source>
        <translation>VERİ ZOOM</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>ÖLÇEK</translation>
    </message>
    <message>
        <source>DEPTH: </source>
        <translation>DERİNLİK: </translation>
    </message>
    <message>
        <source>SHOW GRID</source>
        <translation>IZGARA</translation>
    </message>
    <message>
        <source>SNAPSHOT</source>
        <translation>ANLIK GÖRÜNTÜ</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>YAZDIR</translation>
    </message>
    <message>
        <source>DESTAGGER (ROWS)</source>
        <translation>KAYMA (SATIR)</translation>
    </message>
    <message>
        <source>AUTOMATIC</source>
        <translation>OTOMATİK</translation>
    </message>
    <message>
        <source>%1, by hand</source>
        <translation>%1, elle</translation>
    </message>
    <message>
        <source>%1, estimated</source>
        <translation>%1, tahmini</translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation>GERİ</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>İLERİ</translation>
    </message>
</context>
</TS>
