#pragma once

#include <cstddef>
#include <string>

// Reads a regular file whole into `bytes`. Opening does not block, so a pipe without a writer is
// refused rather than waited for; folders, devices, unreadable files and files larger than
// maxBytes are refused too. The file's length decides, not its contents, so NUL bytes come along.
bool ReadRegularFile(const std::string& fileName, std::size_t maxBytes, std::string& bytes);
