#include "share/Endpoint.h"

#include <charconv>

namespace varo::share {
namespace {

bool ParsePort(const std::string& text, std::uint16_t& port, std::string& error) {
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, value);
    if (text.empty() || fault != std::errc{} || stop != end || value < 1 || value > 65535) {
        error = "port \"" + text + "\" is not a number from 1 to 65535";
        return false;
    }
    port = static_cast<std::uint16_t>(value);
    return true;
}

// Splits "host:port" or "[v6]:port"; false when there is no host part.
bool SplitHost(const std::string& text, std::string& host, std::string& port, std::string& error) {
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string::npos || close + 1 >= text.size() || text[close + 1] != ':') {
            error = "\"" + text + "\" is not [ADDRESS]:PORT";
            return false;
        }
        host = text.substr(1, close - 1);
        port = text.substr(close + 2);
    } else {
        const std::size_t colon = text.rfind(':');
        if (colon == std::string::npos) return false;
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (host.find(':') != std::string::npos) {
            error = "write an IPv6 address in brackets: [" + host + "]:" + port;
            return false;
        }
    }
    if (host.empty()) {
        error = "\"" + text + "\" names no host";
        return false;
    }
    return true;
}

} // namespace

bool ParseListenEndpoint(const std::string& text, const std::string& defaultHost,
                         Endpoint& endpoint, std::string& error) {
    std::string host, port;
    error.clear();
    if (!SplitHost(text, host, port, error)) {
        if (!error.empty()) return false;
        host = defaultHost;
        port = text;
    }
    endpoint.host = host;
    return ParsePort(port, endpoint.port, error);
}

bool ParseTargetEndpoint(const std::string& text, Endpoint& endpoint, std::string& error) {
    std::string host, port;
    error.clear();
    if (!SplitHost(text, host, port, error)) {
        if (error.empty()) error = "\"" + text + "\" is not HOST:PORT";
        return false;
    }
    endpoint.host = host;
    return ParsePort(port, endpoint.port, error);
}

std::string EndpointText(const Endpoint& endpoint) {
    const bool v6 = endpoint.host.find(':') != std::string::npos;
    return (v6 ? "[" + endpoint.host + "]" : endpoint.host) + ":" + std::to_string(endpoint.port);
}

} // namespace varo::share
