#pragma once

#include <QString>

class Dataset;
class ProbeInterface;

// The probe catalogue: ids 1, 2, 3, 10, 11, 13, 21 and 170. Every other id throws
// std::runtime_error("Unknown Probe ID"). The caller owns what is returned.
ProbeInterface* createProbeInterface(int id);
Dataset* createDatasetForProbe(int id);

bool isKnownProbe(int id);
