#pragma once

// How a family's field is entered and stored.
enum class FieldInput {
    // Entered by length, tracks of a fixed "track width"; "width" is a float that follows
    // the number of tracks.
    Length,
    // Entered by width and length; "width" is an int and there is no "track width".
    WidthAndLength,
};

// The "sensor controls" flag of a family.
enum class SensorControls {
    Off,       // constant false
    Settable,  // stored, false for a new dataset
    On,        // true, setProperty ignores it
};

// Everything in which the eight dataset families differ.
struct DatasetFamily
{
    int probeId;
    // Start of the family's value file, including its final blank.
    const char* header;
    FieldInput fieldInput;
    int numberOfSensors;
    SensorControls sensorControls;
    // Whether setProperty logs an unknown key before it throws.
    bool logsFailedSet;
};
