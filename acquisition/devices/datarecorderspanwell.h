#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/datasetspanwell.h"

// Recorder of the Spanwell probe (id 2): one sensor; trigger and track toggle drive the recording.
// The Spanwell's message fields, also spoken by the 85 Plumbset.
void decodeSpanwellFields(const QByteArray& message, FamilyState& state, const MessageContext& context,
                          DecodedMessage& out);

extern const RecorderFamily spanwellRecorderFamily;

class DataRecorderSpanwell : public FamilyRecorder<DataSetSpanwell, spanwellRecorderFamily>
{
};
