#pragma once
// Whole-file reads and writes of the workbench, for the files the operator or the state file
// names: only regular files (or new ones, for writing) are touched, reads are bounded, and
// every refusal comes back as a text for the operator's box.

#include "files/regular_file.h"

#include <QString>

#include <string>

namespace orvant {

// The file's bytes, or the reason it was not read (status other than Ok).
FileReadResult ReadWholeFile(const QString& path, std::uint64_t maxBytes = kMaxScriptFileBytes);

// The reason of a failed read, for the operator.
QString ReadProblemText(const FileReadResult& result, std::uint64_t maxBytes = kMaxScriptFileBytes);

// Replaces the file at `path` with `bytes` (through a temporary file where the directory
// allows it, so that a failed write leaves the old file whole). Empty on success, otherwise
// the reason. A FIFO, device, directory or socket of that name is refused untouched.
QString WriteWholeFile(const QString& path, const std::string& bytes);

} // namespace orvant
