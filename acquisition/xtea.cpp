#include "acquisition/xtea.h"

#include <QtEndian>
#include <vector>

namespace {
constexpr std::uint32_t delta = 0x9E3779B9u;
constexpr int iterations = 32;
constexpr int headerBytes = 2;

std::vector<std::uint32_t> payloadWords(const QByteArray& message)
{
    QByteArray payload = message.mid(headerBytes);
    payload.append(QByteArray((4 - payload.size() % 4) % 4, '\0'));
    std::vector<std::uint32_t> words(std::size_t(payload.size() / 4));
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = qFromBigEndian<std::uint32_t>(payload.constData() + 4 * i);
    return words;
}

void storePayloadWords(QByteArray& message, const std::vector<std::uint32_t>& words)
{
    message.resize(headerBytes + int(words.size()) * 4);
    for (std::size_t i = 0; i < words.size(); ++i)
        qToBigEndian<std::uint32_t>(words[i], message.data() + headerBytes + 4 * i);
}

template <typename BlockFunction>
void transformPayload(QByteArray& message, const XteaKey& key, BlockFunction transform)
{
    if (message.size() <= headerBytes)
        return;
    std::vector<std::uint32_t> words = payloadWords(message);
    for (std::size_t i = 0; i + 1 < words.size(); i += 2)
        transform(&words[i], key);
    storePayloadWords(message, words);
}
} // namespace

void xteaEncipher(std::uint32_t v[2], const XteaKey& key)
{
    std::uint32_t v0 = v[0], v1 = v[1], sum = 0;
    for (int i = 0; i < iterations; ++i) {
        v0 += (((v1 << 4) ^ (v1 >> 5)) + v1) ^ (sum + key[sum & 3]);
        sum += delta;
        v1 += (((v0 << 4) ^ (v0 >> 5)) + v0) ^ (sum + key[(sum >> 11) & 3]);
    }
    v[0] = v0;
    v[1] = v1;
}

void xteaDecipher(std::uint32_t v[2], const XteaKey& key)
{
    std::uint32_t v0 = v[0], v1 = v[1], sum = delta * iterations;
    for (int i = 0; i < iterations; ++i) {
        v1 -= (((v0 << 4) ^ (v0 >> 5)) + v0) ^ (sum + key[(sum >> 11) & 3]);
        sum -= delta;
        v0 -= (((v1 << 4) ^ (v1 >> 5)) + v1) ^ (sum + key[sum & 3]);
    }
    v[0] = v0;
    v[1] = v1;
}

const XteaKey& scannerKey()
{
    // Assembled at run time so that the key does not stand as one literal in the binary.
    static const XteaKey key = [] {
        const std::uint32_t seeds[4] = {0x5D3A0F17u, 0x21C4B98Eu, 0x7E6F1A03u, 0x0B95D2C6u};
        const std::uint32_t masks[4] = {0x13579BDFu, 0x2468ACE0u, 0x0F1E2D3Cu, 0x4B5A6978u};
        XteaKey k{};
        for (int i = 0; i < 4; ++i)
            k[std::size_t(i)] = (seeds[i] ^ masks[3 - i]) + (masks[i] << 3);
        return k;
    }();
    return key;
}

bool isEnciphered(const QByteArray& message)
{
    return message.size() > 1 && std::uint8_t(message[1]) > 128;
}

void encipherPayload(QByteArray& message, const XteaKey& key)
{
    transformPayload(message, key, xteaEncipher);
}

void decipherPayload(QByteArray& message, const XteaKey& key)
{
    transformPayload(message, key, xteaDecipher);
}
