#pragma once

// The few system calls behind AtomicFile, one source file per platform. Each
// sets errno on failure.

#include <cstdio>
#include <string>

namespace varo::platform::detail {

// Creates and opens a new file of a unique name beside `path` (with the
// mode `path` has, when it exists), its name in `temporary`.
std::FILE* CreateTemporaryBeside(const std::string& path, std::string& temporary);
// Flushes `file` and makes the system write it to the disk.
bool SyncFile(std::FILE* file);
// Renames `from` over `to` in one step.
bool ReplaceFile(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);

} // namespace varo::platform::detail
