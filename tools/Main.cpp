// varo-nmea: the codec's command line. The option parser checks the shape of
// the arguments; each subcommand checks their values.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/Subcommands.h"

namespace varo {
namespace {

struct Arguments {
    DecodeOptions decode;
    std::vector<std::string> targetFiles;
    bool targetsLenient = false;
    std::string tstCode;
    std::string cttMode, cttSubject;
    std::vector<std::string> cttItems;
    std::vector<std::string> dbgPairs;
    std::string zqt;
    GatewayOptions gateway;
};

// --com or --device, and --baud, for every gateway action.
void AddPortOptions(CLI::App* action, GatewayOptions& options) {
    auto* com = action->add_option("--com", options.com, "The COM number of the port.")
                    ->check(CLI::Range(1, 9999));
    auto* device = action->add_option("--device", options.device, "The device path of the port.");
    com->excludes(device);
    device->excludes(com);
    action->add_option("--baud", options.baud, "The speed (4800, 9600, 38400); else searched.")
        ->check(CLI::IsMember({4800, 9600, 38400}));
}

constexpr const char* kLenientHelp =
    "Read a log of another device: TAG blocks, text after the checksum, lines up to 400 "
    "characters, NMEA 4.x field variants.";

void Describe(CLI::App& app, Arguments& a) {
    app.description("The codec's command line for the VARO RZ-60 gateway: decode captured NMEA "
                    "0183 logs, list the AIS targets in them, compose commands, list serial "
                    "ports.");
    app.set_version_flag("--version", std::string("varo-nmea ") + VARO_VERSION);
    app.require_subcommand(1, 1);
    app.footer("Exit status: 0 success, 1 a line that did not decode (gateway: differs from the "
               "file), 2 usage or file error, 3 no gateway on the port.");

    CLI::App* decode = app.add_subcommand(
        "decode", "Decode every input line to one JSON object (standard input without FILE).");
    decode->add_flag("--quiet", a.decode.quiet, "Print only a closing summary line.");
    decode->add_flag("--lenient", a.decode.lenient, kLenientHelp);
    decode->add_option("FILE", a.decode.files, "Input files; \"-\" is standard input.");

    CLI::App* targets = app.add_subcommand(
        "targets", "Feed the input like decode, then print the AIS target table.");
    targets->add_flag("--lenient", a.targetsLenient, kLenientHelp);
    targets->add_option("FILE", a.targetFiles, "Input files; \"-\" is standard input.");

    CLI::App* compose = app.add_subcommand(
        "compose", "Print the command sentence the tool would send, CR LF included.");
    compose->require_subcommand(1, 1);
    CLI::App* tst = compose->add_subcommand("tst", "Test request.");
    tst->add_option("CODE", a.tstCode, "0 to 65534.")->required();
    CLI::App* ctt = compose->add_subcommand("ctt", "Contact table command.");
    ctt->add_option("MODE", a.cttMode, "Q (query), C or A.")->required();
    ctt->add_option("SUBJECT", a.cttSubject, "0 to 999998.")->required();
    ctt->add_option("ID_FLAG", a.cttItems, "Up to five pairs: ID (0 to 999998) and FLAG (0 or 1).");
    CLI::App* dbg = compose->add_subcommand("dbg", "Debug values.");
    dbg->add_option("CODE_VALUE", a.dbgPairs,
                    "One to four pairs: CODE (0 to 998) and VALUE (32-bit, not -2147483648).")
        ->required();
    dbg->add_option("--zqt", a.zqt, "Send as $PZQT with this command letter (A to Z).");

    app.add_subcommand("ports", "Run port discovery once and print the ports as JSON.");

    CLI::App* gateway = app.add_subcommand(
        "gateway", "Read, save, compare and write a gateway's configuration (exit 3: no gateway).");
    gateway->require_subcommand(1, 1);
    GatewayOptions& g = a.gateway;
    CLI::App* info = gateway->add_subcommand("info", "Print the identity and rates as JSON.");
    AddPortOptions(info, g);
    CLI::App* read = gateway->add_subcommand("read", "Read the whole configuration as a profile.");
    AddPortOptions(read, g);
    read->add_option("-o,--output", g.output, "Write the profile to this file.");
    CLI::App* apply = gateway->add_subcommand(
        "apply", "Write a profile's settings that differ, read back (exit 1: differs).");
    AddPortOptions(apply, g);
    apply->add_option("FILE", g.file, "The profile file.")->required();
    apply->add_flag("--with-baud", g.withBaud, "Also apply the NMEA baud rate.");
    CLI::App* diff = gateway->add_subcommand(
        "diff", "Compare the gateway with a profile, one line per difference (exit 1: differs).");
    AddPortOptions(diff, g);
    diff->add_option("FILE", g.file, "The profile file.")->required();
    diff->add_flag("--identity", g.identity, "Identity differences count too.");
    CLI::App* restore = gateway->add_subcommand(
        "default", "Restore the default filtering and print the profile read back.");
    AddPortOptions(restore, g);
    CLI::App* serve = gateway->add_subcommand(
        "serve", "Share every received line over TCP (and UDP) until interrupted.");
    AddPortOptions(serve, g);
    serve->add_option("--tcp", g.tcp, "[ADDR:]PORT to listen on (default 127.0.0.1:10110).");
    serve->add_option("--udp", g.udp, "HOST:PORT to send every line to as a datagram.");
}

} // namespace

} // namespace varo

int main(int argc, char** argv) {
    using namespace varo;
    CLI::App app("", "varo-nmea");
    // One syntax everywhere: on Windows too "/path" is a file, not an option.
    app.allow_windows_style_options(false);
    Arguments arguments;
    Describe(app, arguments);
    if (argc == 2 && std::strcmp(argv[1], "help") == 0) {
        std::fputs(app.help().c_str(), stdout);
        return 0;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error); // prints help, version or the message
        return status == 0 ? 0 : kUsageError;
    }
    CLI::App* chosen = app.get_subcommands().front();
    const std::string name = chosen->get_name();
    if (name == "decode") return RunDecode(arguments.decode);
    if (name == "targets") return RunTargets(arguments.targetFiles, arguments.targetsLenient);
    if (name == "ports") return RunPorts();
    if (name == "gateway") {
        CLI::App* action = chosen->get_subcommands().front();
        if (action->count("--com") + action->count("--device") == 0) {
            std::fprintf(stderr, "varo-nmea: gateway %s needs --com N or --device PATH\n",
                         action->get_name().c_str());
            return kUsageError;
        }
        arguments.gateway.action = action->get_name();
        if (arguments.gateway.action == "serve") return RunServe(arguments.gateway);
        return RunGateway(arguments.gateway);
    }
    const std::string kind = chosen->get_subcommands().front()->get_name();
    if (kind == "tst") return ComposeTst(arguments.tstCode);
    if (kind == "ctt")
        return ComposeCtt(arguments.cttMode, arguments.cttSubject, arguments.cttItems);
    return ComposeDbg(arguments.dbgPairs, arguments.zqt);
}
