#pragma once

#include <QByteArray>
#include <cstdint>

// The fields of a Brol Sensor message as the scanner sends them (multi-byte fields big-endian).
struct BrolSensorMessage
{
    std::uint8_t probeId = 170;
    std::uint8_t widthCode = 1;      // 1 = 0.9 m, 2 = 1.8 m, 3 = 0.4 m
    std::int8_t battery = 100;       // percent
    std::int32_t reading = 0;        // main sensor, signed 24-bit
    std::int16_t magnetometerX = 0;
    std::int16_t magnetometerY = 0;
    std::int16_t magnetometerZ = 0;
};

// Byte 1 values: above 128 flags an enciphered payload.
constexpr std::uint8_t plainFlag = 0x00;
constexpr std::uint8_t encipheredFlag = 0xC8;

// The Brol Sensor message, its payload enciphered with the scanner key when asked to.
QByteArray encodeBrolSensorMessage(const BrolSensorMessage& message, bool encipher);
