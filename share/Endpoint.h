#pragma once

// Addresses as the user writes them: "10110", "0.0.0.0:10110",
// "[::1]:10110" or "chart.local:2000".

#include <cstdint>
#include <string>

namespace varo::share {

struct Endpoint {
    std::string host;
    std::uint16_t port = 0;
};

// "[ADDR:]PORT": the host stays `defaultHost` when only a port is given.
// False with `error` naming what is wrong.
bool ParseListenEndpoint(const std::string& text, const std::string& defaultHost,
                         Endpoint& endpoint, std::string& error);
// "HOST:PORT", both required.
bool ParseTargetEndpoint(const std::string& text, Endpoint& endpoint, std::string& error);
// "host:port", an IPv6 host in brackets.
std::string EndpointText(const Endpoint& endpoint);

} // namespace varo::share
