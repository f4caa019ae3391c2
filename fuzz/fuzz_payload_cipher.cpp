// The payload cipher never reads or writes past the message, and deciphering undoes
// enciphering for every message length.
#include "acquisition/xtea.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    QByteArray message = input;
    encipherPayload(message);
    const int padded = input.size() <= 2 ? input.size() : 2 + (input.size() - 2 + 3) / 4 * 4;
    if (message.size() != padded)
        std::abort();
    decipherPayload(message);
    if (message.left(input.size()) != input)
        std::abort();
    for (int i = input.size(); i < message.size(); ++i)
        if (message[i] != char(0))
            std::abort();
    return 0;
}
