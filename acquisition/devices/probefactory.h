#pragma once

#include <QString>

class Dataset;
class ProbeInterface;

// The probe catalogue is the family table (acquisition/probefamily.h). For an id outside it
// every factory throws std::runtime_error("Unknown Probe ID"). The caller owns what is returned.
ProbeInterface* createProbeInterface(int id);
Dataset* createDatasetForProbe(int id);

bool isKnownProbe(int id);
