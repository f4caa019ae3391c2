#pragma once

#include "app/colormap.h"
#include "app/result.h"
#include "datasets/surveyexport.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

class FieldGeoreference;

// What the start corner's placemark says about the dataset.
struct KmzCaption
{
    QString name;
    QDate date;
    QTime time;
    QString location;
    QString probe;
};

// The ground overlay's box: the field's extent before its rotation, centred on the field's
// centre, and the rotation (degrees counter-clockwise, -180 to 180) that turns it onto the field.
struct LatLonBox
{
    double north = 0;
    double south = 0;
    double east = 0;
    double west = 0;
    double rotation = 0;
};

LatLonBox latLonBoxOf(const SurveyGrid& grid, const FieldGeoreference& where);

// A KMZ archive for Google Earth: doc.kml with a GroundOverlay of the coloured field, the
// colour legend as a ScreenOverlay and a placemark at the start corner; the pictures in files/.
// The legend is drawn with fonts, so this needs a QGuiApplication.
Result<QByteArray> kmzFile(const SurveyGrid& grid, const FieldGeoreference& where, const KmzCaption& caption,
                           ValueRange range, int colormap);
