#pragma once
// Script files on disk: single-byte text, one script line per text line, CR LF line ends.

#include <string>
#include <vector>

namespace orvant {

// The file image of `lines`: every line followed by CR LF (an empty list gives an empty
// file). Lines are written exactly as held, with no trimming or case change.
std::string JoinScriptLines(const std::vector<std::string>& lines);

// The lines of a file image. CR LF, a lone LF and a lone CR each end a line; a final line
// end does not start another line, so JoinScriptLines(SplitScriptText(x)) keeps the lines.
std::vector<std::string> SplitScriptText(const std::string& bytes);

} // namespace orvant
