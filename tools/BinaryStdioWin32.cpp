// Linked into the Windows programs: standard input, output and error in
// binary mode before main runs, so that lines end in LF alone and input bytes
// arrive unchanged, byte for byte as on POSIX.
#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <io.h>

namespace {

const bool BinaryStdio = [] {
    for (std::FILE* stream : {stdin, stdout, stderr})
        ::_setmode(::_fileno(stream), _O_BINARY);
    return true;
}();

} // namespace
