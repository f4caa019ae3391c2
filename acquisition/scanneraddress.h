#pragma once

#include <cstdint>

// Where the scanner listens on its own Wi-Fi network. The link reads the address it connects
// to from the settings (network/scannerHost, network/scannerPort), defaulting to these.
namespace ScannerAddress {
constexpr const char* fixedHost = "192.168.4.1";
constexpr std::uint16_t port = 9876;
} // namespace ScannerAddress
