<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BottomWidgetHeightfield</name>
    <message>
        <source>  RESET CAMERA</source>
        <translation>  重置视图</translation>
    </message>
    <message>
        <source>  DATASET MANAGER</source>
        <translation>  数据管理</translation>
    </message>
    <message>
        <source>  START NEW RECORDING</source>
        <translation>  开始新记录</translation>
    </message>
</context>
<context>
    <name>Dataset</name>
    <message>
        <source>Error Loading File</source>
        <translation>文件加载错误</translation>
    </message>
    <message>
        <source>Wrong data type</source>
        <translation>数据类型错误</translation>
    </message>
    <message>
        <source>The dataset&apos;s value file is missing or damaged.</source>
        <translation>数据集的数值文件缺失或已损坏。</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata file is missing or damaged.</source>
        <translation>数据集的元数据文件缺失或已损坏。</translation>
    </message>
    <message>
        <source>The dataset&apos;s metadata names no known probe.</source>
        <translation>数据集的元数据未指明已知的探头。</translation>
    </message>
    <message>
        <source>The dataset&apos;s preview is missing or damaged.</source>
        <translation>数据集的预览图缺失或已损坏。</translation>
    </message>
</context>
<context>
    <name>DatasetViewer</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The dataset could not be changed: </source>
        <translation>无法更改数据集: </translation>
    </message>
    <message>
        <source>No coordinates provided</source>
        <translation>未提供坐标</translation>
    </message>
    <message>
        <source>Dataset exportet to the download directory: </source>
        <translation>数据集已导出到下载目录: </translation>
    </message>
    <message>
        <source>Dataset could not be exportet to: </source>
        <translation>数据集无法导出到: </translation>
    </message>
</context>
<context>
    <name>DatasetWidget</name>
    <message>
        <source>VIEW</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
</context>
<context>
    <name>DeletedDatasetsDialog</name>
    <message>
        <source>Deleted %1</source>
        <translation>删除于 %1</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>已删除的数据集</translation>
    </message>
    <message numerus="yes">
        <source>%n dataset(s) could not be restored.</source>
        <translation>
            <numerusform>%n 个数据集无法恢复。</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every dataset in the trash for good?</source>
        <translation>要永久删除回收站中的所有数据集吗？</translation>
    </message>
    <message>
        <source>Some deleted datasets could not be removed.</source>
        <translation>部分已删除的数据集无法清除。</translation>
    </message>
    <message>
        <source>No deleted datasets.</source>
        <translation>没有已删除的数据集。</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>EMPTY TRASH</source>
        <translation>清空回收站</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>EditWidget</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>名称: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>地点: </translation>
    </message>
    <message>
        <source>Coordinates: </source>
        <translation>坐标: </translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>The latitude must be a number from %1 to %2, such as %3.</source>
        <translation>纬度必须是 %1 到 %2 之间的数字，例如 %3。</translation>
    </message>
    <message>
        <source>The longitude must be a number from %1 to %2, such as %3.</source>
        <translation>经度必须是 %1 到 %2 之间的数字，例如 %3。</translation>
    </message>
    <message>
        <source>Bearing: </source>
        <translation>方位角： </translation>
    </message>
    <message>
        <source>Degrees clockwise from north in which the first track was walked (%1 to %2); empty when not known.</source>
        <translation>第一条测线行走方向，自正北顺时针的度数（%1 至 %2）；未知时留空。</translation>
    </message>
    <message>
        <source>The bearing must be a whole number of degrees from %1 to %2, or empty when it is not known.</source>
        <translation>方位角必须是 %1 至 %2 之间的整数度数，未知时留空。</translation>
    </message>
</context>
<context>
    <name>FamilyDataset</name>
    <message>
        <source>Dataset</source>
        <translation>数据集</translation>
    </message>
</context>
<context>
    <name>FieldDimensionWidget</name>
    <message>
        <source>WIDTH</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>LENGTH</source>
        <translation>长度</translation>
    </message>
</context>
<context>
    <name>FieldPlacement</name>
    <message>
        <source>This dataset has no position. Enter the latitude and longitude of the corner where the walk began in the dataset&apos;s edit dialog, then export again.</source>
        <translation>此数据集没有位置。请在数据集的编辑对话框中输入开始行走的角点的纬度和经度，然后重新导出。</translation>
    </message>
    <message>
        <source>The dataset&apos;s position lies beyond the map projection&apos;s reach (80° south to 84° north). Check its latitude and longitude in the dataset&apos;s edit dialog.</source>
        <translation>数据集的位置超出了地图投影的范围（南纬 80° 至北纬 84°）。请在编辑对话框中检查其纬度和经度。</translation>
    </message>
    <message>
        <source>This dataset has no bearing. Enter the compass direction in which the first track was walked, in degrees from north, in the dataset&apos;s edit dialog, then export again.</source>
        <translation>此数据集没有方位角。请在编辑对话框中输入第一条测线行走的罗盘方向（自正北起的度数），然后重新导出。</translation>
    </message>
    <message>
        <source>The dataset holds no values.</source>
        <translation>数据集不包含任何数值。</translation>
    </message>
    <message>
        <source>The map projections are not available.</source>
        <translation>地图投影不可用。</translation>
    </message>
</context>
<context>
    <name>FieldPreview</name>
    <message>
        <source>Field Preview</source>
        <translation>场地预览</translation>
    </message>
    <message>
        <source>Current Track: </source>
        <translation>当前测线: </translation>
    </message>
</context>
<context>
    <name>FrequencyAnalysis</name>
    <message>
        <source>Frequency Analysis</source>
        <translation>频率分析</translation>
    </message>
</context>
<context>
    <name>GradientAnalysis</name>
    <message>
        <source>Gradient Analysis</source>
        <translation>梯度分析</translation>
    </message>
</context>
<context>
    <name>HeightFieldViewer</name>
    <message>
        <source>Depth Analysis</source>
        <translation>深度分析</translation>
    </message>
    <message>
        <source>Isocontour</source>
        <translation>等值线</translation>
    </message>
    <message>
        <source>Isovalue</source>
        <translation>等值</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>滤波</translation>
    </message>
    <message>
        <source>Smoothing Filter</source>
        <translation>平滑滤波</translation>
    </message>
    <message>
        <source>Track Matching</source>
        <translation>测线匹配</translation>
    </message>
    <message>
        <source>Color Quantization</source>
        <translation>颜色量化</translation>
    </message>
    <message>
        <source>Outlier Filter</source>
        <translation>异常值滤波</translation>
    </message>
    <message>
        <source>Value Analysis</source>
        <translation>数值分析</translation>
    </message>
    <message>
        <source>Use Shading</source>
        <translation>明暗效果</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>线框</translation>
    </message>
    <message>
        <source>Colormap</source>
        <translation>色标</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Black Body</source>
        <translation>黑体</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>灰度</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Could not save the snapshot of the dataset.</source>
        <translation>无法保存数据集的快照。</translation>
    </message>
    <message>
        <source>Destagger (zig-zag)</source>
        <translation>错位校正（之字形）</translation>
    </message>
    <message>
        <source>Despike</source>
        <translation>去尖峰</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>KmzExport</name>
    <message>
        <source>Colour legend</source>
        <translation>颜色图例</translation>
    </message>
    <message>
        <source>Start of the first track</source>
        <translation>第一条测线的起点</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>读数</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>RECORD SETTINGS</source>
        <translation>记录设置</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>DATASETS</source>
        <translation>数据集</translation>
    </message>
    <message>
        <source>Do you really want to quit Sorvanel3D?</source>
        <translation>确定要退出 Sorvanel3D 吗？</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Connected to </source>
        <translation>已连接到 </translation>
    </message>
    <message>
        <source>Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.</source>
        <translation>无法连接。请确认已连接到正确的 Wi-Fi，并且扫描仪已开机。</translation>
    </message>
    <message>
        <source>Could not position retrieval.</source>
        <translation>无法获取位置。</translation>
    </message>
    <message>
        <source>Could not retrieve position information. </source>
        <translation>无法获取位置信息。 </translation>
    </message>
    <message>
        <source>The recording so far was saved as &quot;%1&quot;.</source>
        <translation>已记录的数据已保存为“%1”。</translation>
    </message>
</context>
<context>
    <name>NameWidget</name>
    <message>
        <source>NAME:</source>
        <translation>名称:</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>黑体</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>灰度</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>启用声音</translation>
    </message>
    <message>
        <source>Scan Color</source>
        <translation>扫描配色</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Receive Dataset</source>
        <translation>接收数据集</translation>
    </message>
    <message>
        <source>Deleted Datasets</source>
        <translation>已删除的数据集</translation>
    </message>
    <message>
        <source>Capture Scanner Stream</source>
        <translation>捕获扫描仪数据流</translation>
    </message>
</context>
<context>
    <name>PickReadout</name>
    <message>
        <source>PICKED POINT</source>
        <translation>选定点</translation>
    </message>
    <message>
        <source>Along the track</source>
        <translation>沿测线</translation>
    </message>
    <message>
        <source>Across the field</source>
        <translation>横跨场地</translation>
    </message>
    <message>
        <source>Track %1, row %2</source>
        <translation>测线 %1，第 %2 行</translation>
    </message>
    <message>
        <source>Recorded: %1</source>
        <translation>记录值：%1</translation>
    </message>
    <message>
        <source>Filtered: %1</source>
        <translation>滤波值：%1</translation>
    </message>
    <message>
        <source>%1 m along, %2 m across</source>
        <translation>纵向 %1 米，横向 %2 米</translation>
    </message>
    <message>
        <source>Latitude %1, longitude %2</source>
        <translation>纬度 %1，经度 %2</translation>
    </message>
</context>
<context>
    <name>PositionTracker</name>
    <message>
        <source>Sorvanel3D does not have the required priviliges</source>
        <translation>Sorvanel3D 没有所需的权限</translation>
    </message>
    <message>
        <source>Positioning backend closed connection</source>
        <translation>定位服务已关闭连接</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>ProfilePlot</name>
    <message>
        <source>%1 m</source>
        <translation>%1 米</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>丢弃</translation>
    </message>
</context>
<context>
    <name>RecorderBase</name>
    <message>
        <source>START</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>NEXT TRACK</source>
        <translation>下一测线</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>数值: </translation>
    </message>
</context>
<context>
    <name>RecordingWidget</name>
    <message>
        <source>No Preview</source>
        <translation>无预览</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Dataset</source>
        <translation>数据集</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The dataset could not be saved. Try again?</source>
        <translation>无法保存数据集。是否重试？</translation>
    </message>
    <message>
        <source> (interrupted)</source>
        <translation> (已中断)</translation>
    </message>
</context>
<context>
    <name>SoilButtonWidget</name>
    <message>
        <source>Concrete</source>
        <translation>混凝土</translation>
    </message>
    <message>
        <source>Soil Type: </source>
        <translation>土壤类型: </translation>
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
        <translation>Surfer 6 文本网格 (DSAA)</translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation>ESRI ASCII 网格</translation>
    </message>
    <message>
        <source>GeoTIFF, readings (UTM)</source>
        <translation>GeoTIFF，读数（UTM）</translation>
    </message>
    <message>
        <source>GeoTIFF, colours (UTM)</source>
        <translation>GeoTIFF，颜色（UTM）</translation>
    </message>
    <message>
        <source>KMZ for Google Earth</source>
        <translation>适用于 Google Earth 的 KMZ</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Creating Visualization</source>
        <translation>创建可视化</translation>
    </message>
    <message>
        <source>An internal error occured. Couldn&apos;t create Data from source.
</source>
        <translation>发生内部错误。无法从源创建数据。
</translation>
    </message>
    <message>
        <source>Clip 2–98 %</source>
        <translation>截取 2–98 %</translation>
    </message>
</context>
<context>
    <name>ToneGenerator</name>
    <message>
        <source>No audio device found. Sound will not be available.</source>
        <translation>未找到音频设备。声音将不可用。</translation>
    </message>
</context>
<context>
    <name>TopWidget</name>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>地点</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The received dataset could not be stored.</source>
        <translation>无法保存收到的数据集。</translation>
    </message>
    <message>
        <source>The received data is not a valid dataset. Nothing was stored.</source>
        <translation>收到的数据不是有效的数据集。未保存任何内容。</translation>
    </message>
</context>
<context>
    <name>TransferReceiveDialog</name>
    <message>
        <source>Enter Address</source>
        <translation>输入地址</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>无连接</translation>
    </message>
    <message>
        <source>Dataset Received: </source>
        <translation>已接收数据集: </translation>
    </message>
</context>
<context>
    <name>TransferSendDialog</name>
    <message>
        <source>Select &apos;Receive Dataset&apos; in the settings menu on the other device and enter this address:</source>
        <translation>在另一台设备的设置菜单中选择“接收数据集”，然后输入此地址:</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Unable to start Server</source>
        <translation>无法启动服务器</translation>
    </message>
    <message>
        <source>This dataset cannot be sent: its files are not named by a dataset identifier, so the other device would refuse it.</source>
        <translation>无法发送此数据集：其文件未以数据集标识符命名，因此另一台设备会拒绝接收。</translation>
    </message>
</context>
<context>
    <name>ViewControlWindow</name>
    <message>
        <source>DATA ZOOM</source>
        <translation>数据缩放</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>比例</translation>
    </message>
    <message>
        <source>DEPTH: </source>
        <translation>深度: </translation>
    </message>
    <message>
        <source>SHOW GRID</source>
        <translation>显示网格</translation>
    </message>
    <message>
        <source>SNAPSHOT</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>DESTAGGER (ROWS)</source>
        <translation>错位（行）</translation>
    </message>
    <message>
        <source>AUTOMATIC</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>%1, by hand</source>
        <translation>%1，手动</translation>
    </message>
    <message>
        <source>%1, estimated</source>
        <translation>%1，估计值</translation>
    </message>
</context>
<context>
    <name>WizardWidget</name>
    <message>
        <source>BACK</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>下一步</translation>
    </message>
</context>
</TS>
