#include "sim/SimOptions.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace varo::sim {
namespace {

bool ReadInteger(const std::string& text, long long low, long long high, long long& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && value >= low && value <= high;
}

bool ReadSeconds(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value) && value >= 0 && value < 1e9;
}

bool IsNmeaBaud(long long baud) {
    return baud == 38400 || baud == 9600 || baud == 4800;
}

// An option with a value: its name and how the value is stored.
struct ValueOption {
    const char* name;
    std::function<bool(const std::string&, SimOptions&)> store;
};

template <class T> auto IntegerInto(T SimOptions::*field, long long low, long long high) {
    return [=](const std::string& text, SimOptions& options) {
        long long value = 0;
        if (!ReadInteger(text, low, high, value)) return false;
        options.*field = static_cast<T>(value);
        return true;
    };
}

auto SecondsInto(double SimOptions::*field) {
    return [=](const std::string& text, SimOptions& options) {
        return ReadSeconds(text, options.*field);
    };
}

// Texts of the static block: no parenthesis (it would end the value) and no line break.
auto TextInto(std::string SimOptions::*field) {
    return [=](const std::string& text, SimOptions& options) {
        if (text.size() > 32 || text.find_first_of(")\r\n") != std::string::npos) return false;
        options.*field = text;
        return true;
    };
}

const std::vector<ValueOption>& ValueOptions() {
    static const std::vector<ValueOption> options = {
        {"--com", IntegerInto(&SimOptions::comNumber, 1, 9999)},
        {"--link-dir",
         [](const std::string& text, SimOptions& o) { return !(o.linkFolder = text).empty(); }},
        {"--baud",
         [](const std::string& text, SimOptions& o) {
             long long baud = 0;
             if (!ReadInteger(text, 0, 1000000, baud) || !IsNmeaBaud(baud)) return false;
             o.nmeaBaud = static_cast<std::uint32_t>(baud);
             return true;
         }},
        {"--debug-baud", IntegerInto(&SimOptions::debugBaud, 1, 4000000)},
        {"--flow-rate", IntegerInto(&SimOptions::flowRate, 0, 5)},
        {"--database-version", IntegerInto(&SimOptions::databaseVersion, 0, 65535)},
        {"--product-code", IntegerInto(&SimOptions::productCode, 0, 65535)},
        {"--model-id", TextInto(&SimOptions::modelId)},
        {"--software-version", TextInto(&SimOptions::softwareVersion)},
        {"--model-version", TextInto(&SimOptions::modelVersion)},
        {"--model-serial", TextInto(&SimOptions::modelSerial)},
        {"--certification", IntegerInto(&SimOptions::certification, 0, 255)},
        {"--silent-after", SecondsInto(&SimOptions::silentAfter)},
        {"--drop-after", SecondsInto(&SimOptions::dropAfter)},
        {"--return-after", SecondsInto(&SimOptions::returnAfter)},
        {"--garbage",
         [](const std::string& text, SimOptions& o) {
             return ReadSeconds(text, o.garbageRate) && o.garbageRate <= 1.0;
         }},
        {"--drop-commands",
         [](const std::string& text, SimOptions& o) {
             return ReadSeconds(text, o.dropCommands) && o.dropCommands <= 1.0;
         }},
        {"--reply-delay", SecondsInto(&SimOptions::replyDelay)},
        {"--transcript",
         [](const std::string& text, SimOptions& o) { return !(o.transcriptPath = text).empty(); }},
        {"--seed", IntegerInto(&SimOptions::seed, 0, 0xFFFFFFFFLL)},
    };
    return options;
}

struct FlagOption {
    const char* name;
    bool SimOptions::*field;
};

constexpr FlagOption kFlagOptions[] = {
    {"--flood", &SimOptions::flood},
    {"--shared-holder", &SimOptions::sharedHolder},
    {"--long-lines", &SimOptions::longLines},
    {"--no-static-end", &SimOptions::noStaticEnd},
    {"--ignore-commands", &SimOptions::ignoreCommands},
};

} // namespace

bool ParseSimOptions(const std::vector<std::string>& arguments, SimOptions& options, bool& help,
                     std::string& error) {
    help = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::string value;
        bool hasValue = false;
        if (const auto equals = name.find('=');
            name.starts_with("--") && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
            hasValue = true;
        }
        if (name == "--help" || name == "-h") {
            help = true;
            continue;
        }
        bool known = false;
        for (const FlagOption& flag : kFlagOptions) {
            if (name != flag.name) continue;
            known = true;
            if (hasValue) {
                error = name + " takes no value";
                return false;
            }
            options.*flag.field = true;
        }
        for (const ValueOption& option : ValueOptions()) {
            if (name != option.name) continue;
            known = true;
            if (!hasValue) {
                if (i + 1 >= arguments.size()) {
                    error = name + " needs a value";
                    return false;
                }
                value = arguments[++i];
            }
            if (!option.store(value, options)) {
                error = "bad value for " + name + ": '" + value + "'";
                return false;
            }
        }
        if (!known) {
            error = "unknown option '" + arguments[i] + "'";
            return false;
        }
    }
    if (options.returnAfter >= 0 && options.dropAfter < 0) {
        error = "--return-after needs --drop-after";
        return false;
    }
    return true;
}

const char* SimUsageText() {
    return R"(usage: varo-gateway-sim [OPTION...]

A simulated RZ-60 gateway on a pseudo-terminal. It publishes the terminal as
comN in the COM folder, prints "COMn /dev/pts/m" on its first output line and
serves until SIGINT or SIGTERM, when it removes the link again.

It answers the TST probe with its static data block, the CTT filter queries
and changes, and the DBG baud-rate and flow-rate commands, and emits its
NMEA 0183 output (GNSS, heading, depth, wind, water and AIS sentences) once per
flow-rate interval while a program holds the port. While the terminal's speed
differs from its own NMEA speed it understands nothing and sends only garbage.

Line and identity:
  --com N                 publish as comN (default: the lowest free number)
  --link-dir DIR          the COM folder (default: $VARO_COM_DIR, else
                          $XDG_CONFIG_HOME/varo/com, else ~/.config/varo/com)
  --baud RATE             NMEA 0183 speed: 38400 (default), 9600 or 4800
  --debug-baud RATE       debug port speed reported (default 115200)
  --flow-rate SECONDS     output interval 0 to 5 at start (default 0: 1 s)
  --flood                 send output as fast as the terminal takes it
  --shared-holder         serve a program that opens the port without taking
                          exclusive use (a Windows program under Wine): the
                          port counts as held while another process has it open
  --database-version N    NMEA 2000 database version (default 2100)
  --product-code N        NMEA 2000 product code (default 1260)
  --model-id TEXT         model identifier (default RZ-60)
  --software-version TEXT software version code (default 1.0.0.3)
  --model-version TEXT    model version (default A)
  --model-serial TEXT     model serial code (default 0000001)
  --certification N       certification level (default 1)

Faults (SECONDS may have fractions, e.g. 0.5):
  --silent-after SECONDS  stop answering and emitting after this time
  --garbage RATE          corrupt this fraction (0 to 1) of the output bytes
  --long-lines            put lines over 82 characters between sentences
  --drop-after SECONDS    vanish like an unplugged adapter: close the
                          terminal and remove the link
  --return-after SECONDS  with --drop-after: come back this long after the
                          drop, under the same COM number
  --no-static-end         never send "[END OF STATIC DATA]"
  --ignore-commands       read every command and act on none (no answer,
                          no change) while the output goes on
  --drop-commands RATE    lose this fraction (0 to 1) of the commands that
                          change a setting (CTT modes C and A, DBG); probes
                          and queries are always answered; drawn from --seed
  --reply-delay SECONDS   hold every answer back this long
  --seed N                seed of the fault randomness (default 1)

Records:
  --transcript FILE       append every received line to FILE as received
                          (without CR LF); lines the gateway could not read
                          are prefixed "# rejected: ", lines received at the
                          wrong speed "# wrong speed: ", commands ignored or
                          lost "# ignored: "

  --help                  this text
)";
}

} // namespace varo::sim