#pragma once

#include <QString>
#include <QVariant>

// Every settings key of the program with its default, in one place. Readers pass the
// default given here, so a key that was never written yields it.
struct SettingKey
{
    QString name;
    QVariant defaultValue;

    QVariant read() const;
    void write(const QVariant& value) const;
    // Reads the key and writes back its negation; returns the new value.
    bool toggle() const;
};

namespace Settings {

// "-1" means that the language was never chosen; see initLanguage().
extern const QString languageNeverChosen;

extern const SettingKey language;           // general/language, "en" once chosen
extern const SettingKey recordWidth;        // int 3
extern const SettingKey recordLength;       // int 4
extern const SettingKey recordCorner;       // int 0
extern const SettingKey recordParallel;     // bool true
extern const SettingKey recordSound;        // bool false
extern const SettingKey colormap;           // int 1
extern const SettingKey showIsolines;       // bool false
extern const SettingKey isovalue;           // number 0
extern const SettingKey useShading;         // bool true
extern const SettingKey wireframe;          // bool false
extern const SettingKey showGrid;           // bool true
extern const SettingKey smoothingFilter;    // bool true
extern const SettingKey trackMatchingFilter;// bool true
extern const SettingKey colorQuantization;  // bool false
extern const SettingKey valueQuantization;  // bool false
extern const SettingKey outlierFilter;      // bool false
extern const SettingKey deltaFilter;        // bool false
extern const SettingKey destaggerFilter;    // bool false
extern const SettingKey despikeFilter;      // bool false
extern const SettingKey contrastClip;       // bool false
extern const SettingKey dataHost;           // string, empty
extern const SettingKey scannerHost;        // string, the scanner's fixed address
extern const SettingKey scannerPort;        // int 9876
extern const SettingKey transferPort;       // int 1313, the port of dataset transfers
extern const SettingKey captureScannerStream; // bool false: each connection writes a capture file

// All keys above, for tests and diagnostics.
const QList<const SettingKey*>& allKeys();

} // namespace Settings
