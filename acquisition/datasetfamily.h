#pragma once

// How a probe family's datasets differ; each family's choice is in its row of the family
// table (acquisition/probefamily.h).

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
