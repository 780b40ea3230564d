#pragma once

// `varo-nmea ports`: runs port discovery once and prints the result as one
// JSON line (see PortsReportJson). Exit code 0, or 2 for unexpected arguments.
int RunPortsCommand(int argc, char** argv);
