#include "app/settingskeys.h"

#include "app/appsettings.h"
#include "app/networkdefaults.h"

QVariant SettingKey::read() const
{
    return appSettings().value(name, defaultValue);
}

void SettingKey::write(const QVariant& value) const
{
    appSettings().setValue(name, value);
}

bool SettingKey::toggle() const
{
    const bool value = !read().toBool();
    write(value);
    return value;
}

namespace Settings {

const QString languageNeverChosen = QStringLiteral("-1");

const SettingKey language{"general/language", QStringLiteral("en")};
const SettingKey recordWidth{"record/width", 3};
const SettingKey recordLength{"record/length", 4};
const SettingKey recordCorner{"record/corner", 0};
const SettingKey recordParallel{"record/parallel", true};
const SettingKey recordSound{"record/sound", false};
const SettingKey colormap{"visualization/general/colormap", 1};
const SettingKey showIsolines{"visualization/2D/scalar/showIsolines", false};
const SettingKey isovalue{"visualization/2D/scalar/isovalue", 0};
const SettingKey useShading{"visualization/2D/scalar/useShading", true};
const SettingKey wireframe{"visualization/2D/scalar/wireframe", false};
const SettingKey showGrid{"visualization/2D/scalar/showGrid", true};
const SettingKey smoothingFilter{"visualization/2D/scalar/filter/smoothingFilter", true};
const SettingKey trackMatchingFilter{"visualization/2D/scalar/filter/trackMatchingFilter", true};
const SettingKey colorQuantization{"visualization/2D/scalar/filter/colorQuantization", false};
const SettingKey valueQuantization{"visualization/2D/scalar/filter/valueQuantization", false};
const SettingKey outlierFilter{"visualization/2D/scalar/filter/outlierFilter", false};
const SettingKey deltaFilter{"visualization/2D/scalar/filter/deltaFilter", false};
const SettingKey destaggerFilter{"visualization/2D/scalar/filter/destagger", false};
const SettingKey despikeFilter{"visualization/2D/scalar/filter/despike", false};
const SettingKey contrastClip{"visualization/2D/scalar/filter/contrastClip", false};
const SettingKey dataHost{"network/datahost", QString()};
const SettingKey scannerHost{"network/scannerHost", QString::fromLatin1(ScannerAddress::fixedHost)};
const SettingKey scannerPort{"network/scannerPort", int(ScannerAddress::port)};
const SettingKey transferPort{"network/transferPort", int(TransferAddress::defaultPort)};
const SettingKey captureScannerStream{"network/captureScannerStream", false};

const QList<const SettingKey*>& allKeys()
{
    static const QList<const SettingKey*> keys{
        &language, &recordWidth, &recordLength, &recordCorner, &recordParallel, &recordSound,
        &colormap, &showIsolines, &isovalue, &useShading, &wireframe, &showGrid,
        &smoothingFilter, &trackMatchingFilter, &colorQuantization, &valueQuantization,
        &outlierFilter, &deltaFilter, &destaggerFilter, &despikeFilter, &contrastClip, &dataHost, &scannerHost, &scannerPort, &transferPort,
        &captureScannerStream};
    return keys;
}

} // namespace Settings
