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
    std::string tstCode;
    std::string cttMode, cttSubject;
    std::vector<std::string> cttItems;
    std::vector<std::string> dbgPairs;
    std::string zqt;
};

void Describe(CLI::App& app, Arguments& a) {
    app.description("The codec's command line for the VARO RZ-60 gateway: decode captured NMEA "
                    "0183 logs, list the AIS targets in them, compose commands, list serial "
                    "ports.");
    app.set_version_flag("--version", std::string("varo-nmea ") + VARO_VERSION);
    app.require_subcommand(1, 1);
    app.footer("Exit status: 0 success, 1 a line that did not decode, 2 usage or file error.");

    CLI::App* decode = app.add_subcommand(
        "decode", "Decode every input line to one JSON object (standard input without FILE).");
    decode->add_flag("--quiet", a.decode.quiet, "Print only a closing summary line.");
    decode->add_option("FILE", a.decode.files, "Input files; \"-\" is standard input.");

    CLI::App* targets = app.add_subcommand(
        "targets", "Feed the input like decode, then print the AIS target table.");
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
}

} // namespace

} // namespace varo

int main(int argc, char** argv) {
    using namespace varo;
    CLI::App app("", "varo-nmea");
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
    if (name == "targets") return RunTargets(arguments.targetFiles);
    if (name == "ports") return RunPorts();
    const std::string kind = chosen->get_subcommands().front()->get_name();
    if (kind == "tst") return ComposeTst(arguments.tstCode);
    if (kind == "ctt")
        return ComposeCtt(arguments.cttMode, arguments.cttSubject, arguments.cttItems);
    return ComposeDbg(arguments.dbgPairs, arguments.zqt);
}
