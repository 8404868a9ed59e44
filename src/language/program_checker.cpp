#include "program_checker.h"

#include "language/command_checker.h"
#include "language/command_errors.h"

#include <cstdio>

namespace orvant {

namespace {

// A number right-aligned in five characters; wider numbers keep all their digits.
std::string Padded5(std::uintmax_t n) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%5ju", n);
    return std::string(buffer, static_cast<std::size_t>(length));
}

} // namespace

bool PassesProgramCheck(std::uint16_t code) {
    return code == kCommandAccepted || IsSoftResult(code);
}

bool IsSoftResult(std::uint16_t code) {
    return code == kAccelerationBand || code == kNotUserStepMultiple;
}

std::string_view TrimmedScriptLine(std::string_view written) {
    std::size_t begin = 0, end = written.size();
    while (begin < end && static_cast<unsigned char>(written[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(written[end - 1]) <= 32)
        --end;
    return written.substr(begin, end - begin);
}

std::string LineCaption(std::size_t number) {
    return "Line " + Padded5(number);
}

ProgramCheckReport CheckProgram(const std::vector<std::string>& lines, Session& session,
                                bool reportSuccess) {
    return CheckProgram(lines, session, reportSuccess, CheckedLineSink{});
}

ProgramCheckReport CheckProgram(const std::vector<std::string>& lines, Session& session,
                                bool reportSuccess, const CheckedLineSink& sink) {
    ProgramCheckReport result;
    session.ProgramBits = 0;
    std::string summary;
    std::string working; // reused for every line: its buffer grows to the longest line once

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& written = lines[i];
        const std::string_view trimmed = TrimmedScriptLine(written);
        if (trimmed.empty())
            continue;
        working.assign(trimmed);
        const std::uint16_t code = CheckCommandLine(working, session);
        const std::size_t number = i + 1;
        if (sink)
            sink(CheckedLine{number, code, working});
        if (PassesProgramCheck(code))
            continue;

        ++result.errors;
        const std::string caption = LineCaption(number);
        const std::string_view message = CommandErrorMessage(code);
        std::string text;
        text.reserve(caption.size() + written.size() + message.size() + 3);
        text += caption;
        text += '\r';
        text += written;
        text += "\r\r";
        text += message;
        result.boxes.push_back(ReportBox{ReportBoxKind::Error, true, std::move(text)});

        summary += caption;
        summary += "\t ";
        summary += message;
        summary += '\r';
    }

    if (result.errors > 0) {
        std::string text = std::to_string(result.errors);
        text += result.errors > 1 ? "  ERRORS " : " ERROR ";
        text += "\r\r";
        text += summary;
        result.boxes.push_back(ReportBox{ReportBoxKind::Error, false, std::move(text)});
        result.passed = false;
        return result;
    }

    std::string text = "Check is OK - 0 ERRORS\rLength of command file : ";
    text += Padded5(session.ProgramBits);
    text += " bits";
    if (session.ProgramBits > session.MemoryBits) {
        text += "\r\rCommand File is too large !!!";
        result.boxes.push_back(ReportBox{ReportBoxKind::Error, false, std::move(text)});
        result.passed = false;
        return result;
    }
    if (reportSuccess)
        result.boxes.push_back(ReportBox{ReportBoxKind::Information, false, std::move(text)});
    result.passed = true;
    return result;
}

} // namespace orvant
