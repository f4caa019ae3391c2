<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>BottomWidgetHeightfield</name>
    <message>
        <source>  RESET CAMERA</source>
        <translation>  إعادة ضبط الكاميرا</translation>
    </message>
    <message>
        <source>  DATASET MANAGER</source>
        <translation>  إدارة البيانات</translation>
    </message>
    <message>
        <source>  START NEW RECORDING</source>
        <translation>  بدء تسجيل جديد</translation>
    </message>
</context>
<context>
    <name>Dataset</name>
    <message>
        <source>Error Loading File</source>
        <translation>خطأ في تحميل الملف</translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation>نوع بيانات خاطئ</translation>
    </message>
    <message>
        <source>The dataset&apos;s value file is missing or damaged.</source>
        <translation>ملف قيم مجموعة البيانات مفقود أو تالف.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata file is missing or damaged.</source>
        <translation>ملف البيانات الوصفية لمجموعة البيانات مفقود أو تالف.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata names no known probe.</source>
        <translation>لا تذكر البيانات الوصفية لمجموعة البيانات مسبارًا معروفًا.</translation>
    </message>
    <message>
        <source>The dataset&apos;s preview is missing or damaged.</source>
        <translation>معاينة مجموعة البيانات مفقودة أو تالفة.</translation>
    </message>
</context>
<context>
    <name>DatasetViewer</name>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>The dataset could not be changed: </source>
        <translation>تعذّر تغيير مجموعة البيانات: </translation>
    </message>
    <message>
        <source>No coordinates provided</source>
        <translation>لا توجد إحداثيات</translation>
    </message>
    <message>
        <source>Dataset exportet to the download directory: </source>
        <translation>تم تصدير مجموعة البيانات إلى مجلد التنزيلات: </translation>
    </message>
    <message>
        <source>Dataset could not be exportet to: </source>
        <translation>تعذّر تصدير مجموعة البيانات إلى: </translation>
    </message>
</context>
<context>
    <name>DatasetWidget</name>
    <message>
        <source>VIEW</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
</context>
<context>
    <name>DeletedDatasetsDialog</name>
    <message>
        <source>Deleted %1</source>
        <translation>حُذف في %1</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>مجموعات البيانات المحذوفة</translation>
    </message>
    <message numerus="yes">
        <source>%n dataset(s) could not be restored.</source>
        <translation>
            <numerusform>تعذّرت استعادة %n مجموعة بيانات.</numerusform>
            <numerusform>تعذّرت استعادة %n مجموعة بيانات.</numerusform>
            <numerusform>تعذّرت استعادة %n مجموعتي بيانات.</numerusform>
            <numerusform>تعذّرت استعادة %n مجموعات بيانات.</numerusform>
            <numerusform>تعذّرت استعادة %n مجموعة بيانات.</numerusform>
            <numerusform>تعذّرت استعادة %n مجموعة بيانات.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every dataset in the trash for good?</source>
        <translation>هل تريد حذف كل مجموعات البيانات في سلة المحذوفات نهائيًا؟</translation>
    </message>
    <message>
        <source>Some deleted datasets could not be removed.</source>
        <translation>تعذّر إزالة بعض مجموعات البيانات المحذوفة.</translation>
    </message>
    <message>
        <source>No deleted datasets.</source>
        <translation>لا توجد مجموعات بيانات محذوفة.</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>EMPTY TRASH</source>
        <translation>إفراغ السلة</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>EditWidget</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>الاسم: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>الموقع: </translation>
    </message>
    <message>
        <source>Coordinates: </source>
        <translation>الإحداثيات: </translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>The latitude must be a number from %1 to %2, such as %3.</source>
        <translation>يجب أن يكون خط العرض رقمًا من %1 إلى %2، مثل %3.</translation>
    </message>
    <message>
        <source>The longitude must be a number from %1 to %2, such as %3.</source>
        <translation>يجب أن يكون خط الطول رقمًا من %1 إلى %2، مثل %3.</translation>
    </message>
    <message>
        <source>Bearing: </source>
        <translation>الاتجاه: </translation>
    </message>
    <message>
        <source>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</source>
        <translation>الدرجات باتجاه عقارب الساعة من الشمال التي سُلك فيها المسار الأول (%1 إلى %2)؛ فارغ إذا لم يكن معروفًا.</translation>
    </message>
    <message>
        <source>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</source>
        <translation>يجب أن يكون الاتجاه عددًا صحيحًا من الدرجات من %1 إلى %2، أو فارغًا إذا لم يكن معروفًا.</translation>
    </message>
</context>
<context>
    <name>FamilyDataset</name>
    <message>
        <source>Dataset</source>
        <translation>مجموعة بيانات</translation>
    </message>
</context>
<context>
    <name>FieldDimensionWidget</name>
    <message>
        <source>WIDTH</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation>الطول</translation>
    </message>
</context>
<context>
    <name>FieldPlacement</name>
    <message>
        <source>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</source>
        <translation>لا يحتوي هذا السجل على موقع. أدخل خط العرض وخط الطول للزاوية التي بدأ منها المسح في نافذة تحرير السجل، ثم صدّر مرة أخرى.</translation>
    </message>
    <message>
        <source>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</source>
        <translation>يقع موقع السجل خارج نطاق إسقاط الخريطة (من 80° جنوبًا إلى 84° شمالًا). تحقق من خط العرض وخط الطول في نافذة تحرير السجل.</translation>
    </message>
    <message>
        <source>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</source>
        <translation>لا يحتوي هذا السجل على اتجاه. أدخل اتجاه البوصلة الذي سُلك فيه المسار الأول، بالدرجات من الشمال، في نافذة تحرير السجل، ثم صدّر مرة أخرى.</translation>
    </message>
    <message>
        <source>The dataset holds no values.</source>
        <translation>لا يحتوي السجل على أي قيم.</translation>
    </message>
    <message>
        <source>The map projections are not available.</source>
        <translation>إسقاطات الخريطة غير متاحة.</translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation>معاينة الحقل</translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation>المسار الحالي: </translation>
    </message>
</context>
<context>
    <name>FrequencyAnalysis</name>
    <message>
        <source>Frequency Analysis</source>
        <translation>تحليل التردد</translation>
    </message>
</context>
<context>
    <name>GradientAnalysis</name>
    <message>
        <source>Gradient Analysis</source>
        <translation>تحليل التدرج</translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>Depth Analysis</source>
        <translation>تحليل العمق</translation>
    </message>
    <message>
        <source>Isocontour</source>
        <translation>خط التساوي</translation>
    </message>
    <message>
        <source>Isovalue</source>
        <translation>قيمة التساوي</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>مرشح</translation>
    </message>
    <message>
        <source>Smoothing Filter</source>
        <translation>مرشح التنعيم</translation>
    </message>
    <message>
        <source>Track Matching</source>
        <translation>مطابقة المسارات</translation>
    </message>
    <message>
        <source>Color Quantization</source>
        <translation>تكميم الألوان</translation>
    </message>
    <message>
        <source>Outlier Filter</source>
        <translation>مرشح القيم الشاذة</translation>
    </message>
    <message>
        <source>Value Analysis</source>
        <translation>تحليل القيم</translation>
    </message>
    <message>
        <source>Use Shading</source>
        <translation>التظليل</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>الإطار الشبكي</translation>
    </message>
    <message>
        <source>Colormap</source>
        <translation>خريطة الألوان</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>الجسم الأسود</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>تدرج رمادي</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>درجة الحرارة</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>لقطة</translation>
    </message>
    <message>
        <source>Could not save the snapshot of the dataset.</source>
        <translation>تعذّر حفظ لقطة مجموعة البيانات.</translation>
    </message>
    <message>
        <source>Destagger (zig-zag)</source>
        <translation>تصحيح الإزاحة (متعرج)</translation>
    </message>
    <message>
        <source>Despike</source>
        <translation>إزالة القمم</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>KmzExport</name>
    <message>
        <source>Colour legend</source>
        <translation>مفتاح الألوان</translation>
    </message>
    <message>
        <source>Start of the first track</source>
        <translation>بداية المسار الأول</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>القراءة</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation>إعدادات التسجيل</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation>البيانات</translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation>هل تريد حقًا إغلاق Sorvanel3D؟</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation>تم الاتصال بـ </translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation>تعذّر الاتصال. تأكد من أنك متصل بشبكة Wi-Fi الصحيحة وأن الماسح الضوئي قيد التشغيل.</translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation>تعذّر تحديد الموقع.</translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation>تعذّر الحصول على معلومات الموقع. </translation>
    </message>
    <message>
        <source>The recording so far was saved as &quot;%1&quot;.</source>
        <translation>تم حفظ التسجيل حتى الآن باسم &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>NameWidget</name>
    <message>
        <source>NAME:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
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
        <translation>الجسم الأسود</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>تدرج رمادي</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>درجة الحرارة</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>تفعيل الصوت</translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation>ألوان المسح</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation>استقبال مجموعة بيانات</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>مجموعات البيانات المحذوفة</translation>
    </message>
    <message>
        <source>Capture Scanner Stream</source>
        <translation>التقاط بيانات الماسح</translation>
    </message>
</context>
<context>
    <name>PickReadout</name>
    <message>
        <source>PICKED POINT</source>
        <translation>النقطة المحددة</translation>
    </message>
    <message>
        <source>Along the track</source>
        <translation>على طول المسار</translation>
    </message>
    <message>
        <source>Across the field</source>
        <translation>عبر الحقل</translation>
    </message>
    <message>
        <source>Track %1, row %2</source>
        <translation>المسار %1، الصف %2</translation>
    </message>
    <message>
        <source>Recorded: %1</source>
        <translation>المسجّل: %1</translation>
    </message>
    <message>
        <source>Filtered: %1</source>
        <translation>بعد الترشيح: %1</translation>
    </message>
    <message>
        <source>%1 m along, %2 m across</source>
        <translation>%1 م طولًا، %2 م عرضًا</translation>
    </message>
    <message>
        <source>Latitude %1, longitude %2</source>
        <translation>خط العرض %1، خط الطول %2</translation>
    </message>
</context>
<context>
    <name>PositionTracker</name>
    <message>
        <source>Sorvanel3D does not have the required priviliges</source>
        <translation>لا يملك Sorvanel3D الصلاحيات المطلوبة</translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation>أغلقت خدمة تحديد الموقع الاتصال</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
</context>
<context>
    <name>ProfilePlot</name>
    <message>
        <source>%1 m</source>
        <translation>%1 م</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>حاول مجدّدًا</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ارفض</translation>
    </message>
</context>
<context>
    <name>RecorderBase</name>
    <message>
        <source>START</source>
        <translation>بدء</translation>
    </message>
    <message>
        <source>NEXT TRACK</source>
        <translation>المسار التالي</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>استئناف</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>القيمة: </translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation>لا توجد معاينة</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Dataset</source>
        <translation>مجموعة بيانات</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation>تعذّر حفظ مجموعة البيانات. هل تريد المحاولة مرة أخرى؟</translation>
    </message>
    <message>
        <source> (interrupted)</source>
        <translation> (متقطع)</translation>
    </message>
</context>
<context>
    <name>SoilButtonWidget</name>
    <message>
        <source>Concrete</source>
        <translation>خرسانة</translation>
    </message>
    <message>
        <source>Soil Type: </source>
        <translation>نوع التربة: </translation>
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
        <translation>شبكة نصية Surfer 6 (DSAA)</translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation>شبكة ESRI ASCII</translation>
    </message>
    <message>
        <source>GeoTIFF, readings (UTM)</source>
        <translation>GeoTIFF، القراءات (UTM)</translation>
    </message>
    <message>
        <source>GeoTIFF, colours (UTM)</source>
        <translation>GeoTIFF، الألوان (UTM)</translation>
    </message>
    <message>
        <source>KMZ for Google Earth</source>
        <translation>KMZ لبرنامج Google Earth</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation>إنشاء العرض المرئي</translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation>حدث خطأ داخلي. تعذّر إنشاء البيانات من المصدر.
</translation>
    </message>
    <message>
        <source>Clip 2–98 %</source>
        <translation>قص 2–98 %</translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation>لم يتم العثور على جهاز صوت. لن يكون الصوت متاحًا.</translation>
    </message>
</context>
<context>
    <name>TopWidget</name>
    <message>
        <source>NAME</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>الموقع</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The received dataset could not be stored.</source>
        <translation>تعذّر حفظ مجموعة البيانات المستلمة.</translation>
    </message>
    <message>
        <source>The received data is not a valid dataset. Nothing was stored.</source>
        <translation>البيانات المستلمة ليست مجموعة بيانات صالحة. لم يتم حفظ أي شيء.</translation>
    </message>
</context>
<context>
    <name>TransferReceiveDialog</name>
    <message>
        <source>Enter Address</source>
        <translation>أدخل العنوان</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>لا يوجد اتصال</translation>
    </message>
    <message>
        <source>Dataset Received: </source>
        <translation>تم استلام مجموعة البيانات: </translation>
    </message>
</context>
<context>
    <name>TransferSendDialog</name>
    <message>
        <source>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</source>
        <translation>اختر &quot;استقبال مجموعة بيانات&quot; في قائمة الإعدادات على الجهاز الآخر وأدخل هذا العنوان:</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Unable to start Server</source>
        <translation>تعذّر تشغيل الخادم</translation>
    </message>
    <message>
        <source>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</source>
        <translation>لا يمكن إرسال مجموعة البيانات هذه: ملفاتها غير مسماة بمعرّف مجموعة بيانات، لذا سيرفضها الجهاز الآخر.</translation>
    </message>
</context>
<context>
    <name>ViewControlWindow</name>
    <message>
        <source>DATA ZOOM</source>
        <translation>تكبير البيانات</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>المقياس</translation>
    </message>
    <message>
        <source>DEPTH: </source>
        <translation>العمق: ‎</translation>
    </message>
    <message>
        <source>SHOW GRID</source>
        <translation>إظهار الشبكة</translation>
    </message>
    <message>
        <source>SNAPSHOT</source>
        <translation>لقطة</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>DESTAGGER (ROWS)</source>
        <translation>الإزاحة (صفوف)</translation>
    </message>
    <message>
        <source>AUTOMATIC</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>%1, by hand</source>
        <translation>%1، يدويًا</translation>
    </message>
    <message>
        <source>%1, estimated</source>
        <translation>%1، مقدَّر</translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>التالي</translation>
    </message>
</context>
</TS>
