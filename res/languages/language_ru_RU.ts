<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BottomWidgetHeightfield</name>
    <message>
        <source>  RESET CAMERA</source>
        <translation>  СБРОС КАМЕРЫ</translation>
    </message>
    <message>
        <source>  DATASET MANAGER</source>
        <translation>  НАБОРЫ ДАННЫХ</translation>
    </message>
    <message>
        <source>  START NEW RECORDING</source>
        <translation>  НОВАЯ ЗАПИСЬ</translation>
    </message>
</context>
<context>
    <name>Dataset</name>
    <message>
        <source>Error Loading File</source>
        <translation>Ошибка загрузки файла</translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation>Неверный тип данных</translation>
    </message>
    <message>
        <source>The dataset&apos;s value file is missing or damaged.</source>
        <translation>Файл значений набора данных отсутствует или повреждён.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata file is missing or damaged.</source>
        <translation>Файл метаданных набора данных отсутствует или повреждён.</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata names no known probe.</source>
        <translation>В метаданных набора данных не указан известный зонд.</translation>
    </message>
    <message>
        <source>The dataset&apos;s preview is missing or damaged.</source>
        <translation>Миниатюра набора данных отсутствует или повреждена.</translation>
    </message>
</context>
<context>
    <name>DatasetViewer</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The dataset could not be changed: </source>
        <translation>Не удалось изменить набор данных: </translation>
    </message>
    <message>
        <source>No coordinates provided</source>
        <translation>Координаты не указаны</translation>
    </message>
    <message>
        <source>Dataset exportet to the download directory: </source>
        <translation>Набор данных экспортирован в папку загрузок: </translation>
    </message>
    <message>
        <source>Dataset could not be exportet to: </source>
        <translation>Не удалось экспортировать набор данных в: </translation>
    </message>
</context>
<context>
    <name>DatasetWidget</name>
    <message>
        <source>VIEW</source>
        <translation>ОТКРЫТЬ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
</context>
<context>
    <name>DeletedDatasetsDialog</name>
    <message>
        <source>Deleted %1</source>
        <translation>Удалено %1</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Удалённые наборы данных</translation>
    </message>
    <message numerus="yes">
        <source>%n dataset(s) could not be restored.</source>
        <translation>
            <numerusform>Не удалось восстановить %n набор данных.</numerusform>
            <numerusform>Не удалось восстановить %n набора данных.</numerusform>
            <numerusform>Не удалось восстановить %n наборов данных.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every dataset in the trash for good?</source>
        <translation>Удалить все наборы данных из корзины безвозвратно?</translation>
    </message>
    <message>
        <source>Some deleted datasets could not be removed.</source>
        <translation>Некоторые удалённые наборы данных не удалось стереть.</translation>
    </message>
    <message>
        <source>No deleted datasets.</source>
        <translation>Удалённых наборов данных нет.</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>ВОССТАНОВИТЬ</translation>
    </message>
    <message>
        <source>EMPTY TRASH</source>
        <translation>ОЧИСТИТЬ КОРЗИНУ</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ЗАКРЫТЬ</translation>
    </message>
</context>
<context>
    <name>EditWidget</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Название: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Место: </translation>
    </message>
    <message>
        <source>Coordinates: </source>
        <translation>Координаты: </translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>The latitude must be a number from %1 to %2, such as %3.</source>
        <translation>Широта должна быть числом от %1 до %2, например %3.</translation>
    </message>
    <message>
        <source>The longitude must be a number from %1 to %2, such as %3.</source>
        <translation>Долгота должна быть числом от %1 до %2, например %3.</translation>
    </message>
    <message>
        <source>Bearing: </source>
        <translation>Азимут: </translation>
    </message>
    <message>
        <source>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</source>
        <translation>Градусы по часовой стрелке от севера, в направлении которых пройден первый галс (от %1 до %2); пусто, если неизвестно.</translation>
    </message>
    <message>
        <source>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</source>
        <translation>Азимут должен быть целым числом градусов от %1 до %2 или пустым, если он неизвестен.</translation>
    </message>
</context>
<context>
    <name>FamilyDataset</name>
    <message>
        <source>Dataset</source>
        <translation>Набор данных</translation>
    </message>
</context>
<context>
    <name>FieldDimensionWidget</name>
    <message>
        <source>WIDTH</source>
        <translation>ШИРИНА</translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation>ДЛИНА</translation>
    </message>
</context>
<context>
    <name>FieldPlacement</name>
    <message>
        <source>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</source>
        <translation>У этого набора данных нет координат. Введите широту и долготу угла, с которого начался обход, в окне редактирования набора данных и повторите экспорт.</translation>
    </message>
    <message>
        <source>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</source>
        <translation>Координаты набора данных лежат вне области картографической проекции (от 80° ю. ш. до 84° с. ш.). Проверьте широту и долготу в окне редактирования.</translation>
    </message>
    <message>
        <source>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</source>
        <translation>У этого набора данных нет азимута. Введите в окне редактирования направление по компасу, в котором пройден первый галс, в градусах от севера, и повторите экспорт.</translation>
    </message>
    <message>
        <source>The dataset holds no values.</source>
        <translation>Набор данных не содержит значений.</translation>
    </message>
    <message>
        <source>The map projections are not available.</source>
        <translation>Картографические проекции недоступны.</translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation>Обзор поля</translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation>Текущий проход: </translation>
    </message>
</context>
<context>
    <name>FrequencyAnalysis</name>
    <message>
        <source>Frequency Analysis</source>
        <translation>Частотный анализ</translation>
    </message>
</context>
<context>
    <name>GradientAnalysis</name>
    <message>
        <source>Gradient Analysis</source>
        <translation>Градиентный анализ</translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>Depth Analysis</source>
        <translation>Анализ глубины</translation>
    </message>
    <message>
        <source>Isocontour</source>
        <translation>Изолиния</translation>
    </message>
    <message>
        <source>Isovalue</source>
        <translation>Изозначение</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Smoothing Filter</source>
        <translation>Сглаживание</translation>
    </message>
    <message>
        <source>Track Matching</source>
        <translation>Выравнивание проходов</translation>
    </message>
    <message>
        <source>Color Quantization</source>
        <translation>Квантование цвета</translation>
    </message>
    <message>
        <source>Outlier Filter</source>
        <translation>Фильтр выбросов</translation>
    </message>
    <message>
        <source>Value Analysis</source>
        <translation>Анализ значений</translation>
    </message>
    <message>
        <source>Use Shading</source>
        <translation>Затенение</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Каркас</translation>
    </message>
    <message>
        <source>Colormap</source>
        <translation>Цветовая схема</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>Чёрное тело</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Оттенки серого</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Could not save the snapshot of the dataset.</source>
        <translation>Не удалось сохранить снимок набора данных.</translation>
    </message>
    <message>
        <source>Destagger (zig-zag)</source>
        <translation>Устранить сдвиг (зигзаг)</translation>
    </message>
    <message>
        <source>Despike</source>
        <translation>Удалить выбросы</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ЗАКРЫТЬ</translation>
    </message>
</context>
<context>
    <name>KmzExport</name>
    <message>
        <source>Colour legend</source>
        <translation>Цветовая шкала</translation>
    </message>
    <message>
        <source>Start of the first track</source>
        <translation>Начало первого галса</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Показание</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation>НАСТРОЙКИ</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>ЗАПИСЬ</translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation>ДАННЫЕ</translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation>Вы действительно хотите выйти из Sorvanel3D?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation>Подключено к </translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation>Не удалось подключиться. Убедитесь, что вы подключены к нужной сети Wi-Fi и сканер включён.</translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation>Не удалось определить местоположение.</translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation>Не удалось получить данные о местоположении. </translation>
    </message>
    <message>
        <source>The recording so far was saved as &quot;%1&quot;.</source>
        <translation>Уже записанные данные сохранены как «%1».</translation>
    </message>
</context>
<context>
    <name>NameWidget</name>
    <message>
        <source>NAME:</source>
        <translation>НАЗВАНИЕ:</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>УДАЛИТЬ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
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
        <translation>Чёрное тело</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Оттенки серого</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Включить звук</translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation>Цвета сканирования</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation>Получить набор данных</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>Удалённые наборы данных</translation>
    </message>
    <message>
        <source>Capture Scanner Stream</source>
        <translation>Запись потока сканера</translation>
    </message>
</context>
<context>
    <name>PickReadout</name>
    <message>
        <source>PICKED POINT</source>
        <translation>ВЫБРАННАЯ ТОЧКА</translation>
    </message>
    <message>
        <source>Along the track</source>
        <translation>Вдоль трека</translation>
    </message>
    <message>
        <source>Across the field</source>
        <translation>Поперёк поля</translation>
    </message>
    <message>
        <source>Track %1, row %2</source>
        <translation>Трек %1, строка %2</translation>
    </message>
    <message>
        <source>Recorded: %1</source>
        <translation>Записано: %1</translation>
    </message>
    <message>
        <source>Filtered: %1</source>
        <translation>После фильтра: %1</translation>
    </message>
    <message>
        <source>%1 m along, %2 m across</source>
        <translation>%1 м вдоль, %2 м поперёк</translation>
    </message>
    <message>
        <source>Latitude %1, longitude %2</source>
        <translation>Широта %1, долгота %2</translation>
    </message>
</context>
<context>
    <name>PositionTracker</name>
    <message>
        <source>Sorvanel3D does not have the required priviliges</source>
        <translation>У Sorvanel3D нет необходимых прав</translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation>Служба определения местоположения закрыла соединение</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>ProfilePlot</name>
    <message>
        <source>%1 m</source>
        <translation>%1 м</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Отклонить</translation>
    </message>
</context>
<context>
    <name>RecorderBase</name>
    <message>
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>NEXT TRACK</source>
        <translation>СЛЕД. ПРОХОД</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>ПРОДОЛЖИТЬ</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>ПАУЗА</translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Значение: </translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation>Нет предпросмотра</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>ЗАПИСЬ</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>СТОП</translation>
    </message>
    <message>
        <source>Dataset</source>
        <translation>Набор данных</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation>Не удалось сохранить набор данных. Повторить?</translation>
    </message>
    <message>
        <source> (interrupted)</source>
        <translation> (прервано)</translation>
    </message>
</context>
<context>
    <name>SoilButtonWidget</name>
    <message>
        <source>Concrete</source>
        <translation>Бетон</translation>
    </message>
    <message>
        <source>Soil Type: </source>
        <translation>Тип грунта: </translation>
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
        <translation>Текстовая сетка Surfer 6 (DSAA)</translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation>Сетка ESRI ASCII</translation>
    </message>
    <message>
        <source>GeoTIFF, readings (UTM)</source>
        <translation>GeoTIFF, показания (UTM)</translation>
    </message>
    <message>
        <source>GeoTIFF, colours (UTM)</source>
        <translation>GeoTIFF, цвета (UTM)</translation>
    </message>
    <message>
        <source>KMZ for Google Earth</source>
        <translation>KMZ для Google Earth</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation>Создание визуализации</translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation>Произошла внутренняя ошибка. Не удалось создать данные из источника.
</translation>
    </message>
    <message>
        <source>Clip 2–98 %</source>
        <translation>Обрезка 2–98 %</translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation>Аудиоустройство не найдено. Звук будет недоступен.</translation>
    </message>
</context>
<context>
    <name>TopWidget</name>
    <message>
        <source>NAME</source>
        <translation>НАЗВАНИЕ</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>ДАТА</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>МЕСТО</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The received dataset could not be stored.</source>
        <translation>Не удалось сохранить полученный набор данных.</translation>
    </message>
    <message>
        <source>The received data is not a valid dataset. Nothing was stored.</source>
        <translation>Полученные данные не являются набором данных. Ничего не сохранено.</translation>
    </message>
</context>
<context>
    <name>TransferReceiveDialog</name>
    <message>
        <source>Enter Address</source>
        <translation>Введите адрес</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>Нет соединения</translation>
    </message>
    <message>
        <source>Dataset Received: </source>
        <translation>Набор данных получен: </translation>
    </message>
</context>
<context>
    <name>TransferSendDialog</name>
    <message>
        <source>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</source>
        <translation>На другом устройстве выберите «Получить набор данных» в меню настроек и введите этот адрес:</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Unable to start Server</source>
        <translation>Не удалось запустить сервер</translation>
    </message>
    <message>
        <source>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</source>
        <translation>Этот набор данных нельзя отправить: его файлы названы не по идентификатору набора данных, поэтому другое устройство его отклонит.</translation>
    </message>
</context>
<context>
    <name>ViewControlWindow</name>
    <message>
        <source>DATA ZOOM</source>
        <translation>МАСШТАБ ДАННЫХ</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>МАСШТАБ</translation>
    </message>
    <message>
        <source>DEPTH: </source>
        <translation>ГЛУБИНА: </translation>
    </message>
    <message>
        <source>SHOW GRID</source>
        <translation>СЕТКА</translation>
    </message>
    <message>
        <source>SNAPSHOT</source>
        <translation>СНИМОК</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>ПЕЧАТЬ</translation>
    </message>
    <message>
        <source>DESTAGGER (ROWS)</source>
        <translation>СДВИГ (СТРОКИ)</translation>
    </message>
    <message>
        <source>AUTOMATIC</source>
        <translation>АВТОМАТИЧЕСКИ</translation>
    </message>
    <message>
        <source>%1, by hand</source>
        <translation>%1, вручную</translation>
    </message>
    <message>
        <source>%1, estimated</source>
        <translation>%1, оценка</translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation>НАЗАД</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>ДАЛЕЕ</translation>
    </message>
</context>
</TS>
