#pragma once

#include <cstdint>

// The addresses the settings default to. The link reads the address it connects to from the
// settings (network/scannerHost, network/scannerPort), and the transfer server its port
// (network/transferPort).
namespace ScannerAddress {
// Where the scanner listens on its own Wi-Fi network.
constexpr const char* fixedHost = "192.168.4.1";
constexpr std::uint16_t port = 9876;
} // namespace ScannerAddress

namespace TransferAddress {
// The port on which instances offer their datasets to each other.
constexpr std::uint16_t defaultPort = 1313;
} // namespace TransferAddress
