#pragma once

// Files the programs write replace the old file in one step: the new content
// goes to a temporary file in the same folder, is flushed and synced to the
// disk, and only then renamed over the old name. A write that fails half way
// (full disk, file-size limit, a folder without write permission) leaves the
// old file as it was, and the error (an errno value, for strerror) says why.
// A symbolic link keeps its place and its target file is replaced; a device
// or a pipe (/dev/null, /dev/stdout) is written in place, never renamed over.

#include <cstdio>
#include <string>
#include <string_view>

namespace varo::platform {

// Writes `text` as the whole new content of `path`. False with `error` when
// it cannot; `path` is then unchanged.
bool WriteFileAtomically(const std::string& path, std::string_view text, int& error);

// Replaces `path` by a new empty file, made beside it and renamed over it,
// and hands it out open for writing (the caller closes it). nullptr with
// `error` when the new file cannot be made; `path` is then unchanged.
std::FILE* ReplaceWithEmptyFile(const std::string& path, int& error);

// Whether a file can be written at `path` now: not a folder, and its folder
// takes a new file. False with `error`; nothing is left behind either way.
bool CheckWritable(const std::string& path, int& error);

} // namespace varo::platform
