// `varo-nmea compose`: builds one command sentence the way the tool's senders
// do and prints it, CR LF included.
#pragma once

namespace varo {

// `argv` holds the arguments after "compose" (`argc` of them):
//   tst CODE
//   ctt MODE SUBJECT [ID FLAG]...            missing pairs: identifier 999999
//   dbg CODE VALUE [CODE VALUE]... [--zqt LETTER]   missing pairs: 999, -2147483648
// Returns 0 after printing the sentence; 2 with a one-line message on stderr
// for bad arguments; 1 when the sentence cannot be built.
int RunComposeCommand(int argc, char** argv);

} // namespace varo
