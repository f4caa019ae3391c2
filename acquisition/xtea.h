#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// XTEA block cipher (32 iterations of the double round, delta 0x9E3779B9) and the payload
// cipher of the scanner messages built on it. Shared by the recorders and the simulator.
using XteaKey = std::array<std::uint32_t, 4>;

void xteaEncipher(std::uint32_t block[2], const XteaKey& key);
void xteaDecipher(std::uint32_t block[2], const XteaKey& key);

// The 128-bit key that the scanner and this program share.
const XteaKey& scannerKey();

// A message's bytes 0 and 1 stay plain; a byte 1 above 128 flags the rest as enciphered.
bool isEnciphered(const QByteArray& message);

// Enciphers or deciphers bytes 2 onward in place, read as big-endian 32-bit words; a final
// incomplete word is completed with zero bytes, so the message may grow to a whole number
// of words. Words are taken in pairs; an unpaired last word is left as it is.
void encipherPayload(QByteArray& message, const XteaKey& key = scannerKey());
void decipherPayload(QByteArray& message, const XteaKey& key = scannerKey());
