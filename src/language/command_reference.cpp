#include "language/command_reference.h"

#include "language/acceleration_bands.h"
#include "language/command_checker.h"
#include "language/controller_models.h"
#include "language/session.h"

#include <array>
#include <functional>
#include <map>

namespace orvant {

namespace {

// What the checker's rules cannot say: what a command does, where the menus send it, and a
// line to show. Every command character of the checker has an entry (a test sees to it).
struct CommandNotes {
    char command;
    const char* meaning;
    const char* menuItems;
    const char* example;
};

constexpr CommandNotes kNotes[] = {
    {'!', "Set the internal variable to the user outputs", "In-Out > Order...", "!12"},
    {'?', "Load the user inputs value into the internal variable", "In-Out > Query", "?12"},
    {'\'', "Call the subroutine that begins at a label", "Program > Subroutine...", "'3"},
    {'(', "Seek negative: move in the negative direction until the input",
     "Move > Seek Negative...", "(5"},
    {')', "Seek positive: move in the positive direction until the input",
     "Move > Seek Positive...", ")5"},
    {'*', "Multiply the internal variable by a value", "In-Out > Multiply...", "*2"},
    {'+', "Add a value to the internal variable", "In-Out > Add...", "+10"},
    {'-', "Subtract a value from the internal variable", "In-Out > Subtract...", "-10"},
    {'.', "End of subroutine: return to the line after the call", "Program > End Of Subroutine",
     "."},
    {'/', "Divide the internal variable by a value", "In-Out > Divide...", "/2"},
    {'1', "Single-digit command 1", "Program > Whole C...", "1"},
    {'2', "Single-digit command 2", "Program > Whole C...", "2"},
    {'3', "Single-digit command 3", "Program > Whole C...", "3"},
    {'4', "Single-digit command 4", "Program > Whole C...", "4"},
    {'5', "Single-digit command 5", "Program > Whole C...", "5"},
    {'6', "Single-digit command 6", "Program > Whole C...", "6"},
    {'7', "Single-digit command 7", "Program > Whole C...", "7"},
    {'8', "Single-digit command 8", "Program > Whole C...", "8"},
    {'9', "Single-digit command 9", "Program > Whole C...", "9"},
    {':', "Load a number into the internal variable", "In-Out > Load...", ":1000"},
    {'<', "Move from a register", "Program > Move From Register...", "<3"},
    {'=', "Equal: a position (position entry)", "Move > Equal...", "=6400"},
    {'>', "Move to a register", "Program > Move To Register...", ">3"},
    {'@', "Label of the current program line, the target of J, I and '",
     "Program > Address (Label)...", "@5"},
    {'A', "Acceleration", "Move > Acceleration...", "A64"},
    {'B', "Backward by a distance", "Move > Backward...", "B6400"},
    {'C', "Clear a user output, a user flag or an auxiliary function",
     "In-Out > Clear...; In-Out > SetOutput...; Program > User Flags...; "
     "Program > User Flags All...; Program > Clear Kill; Configuration > Auxiliary functions...",
     "C5"},
    {'D', "Direction", "Move > Direction", "D"},
    {'E', "End of loop", "Program > End of Loop", "E"},
    {'F', "Forward by a distance", "Move > Forward...", "F6400"},
    {'G', "\"G+\" Go Positive, \"G-\" Go Negative, otherwise Go Absolute to a position",
     "Move > Go Positive; Move > Go Negative; Move > Go Absolute...", "G12800"},
    {'H', "Home", "Move > Home", "H"},
    {'I', "If an input is high (H) or low (L), jump to a label", "Program > If...", "I5H12"},
    {'J', "Jump to a label", "Program > Jump...", "J12"},
    {'K', "Kill: stop at once", "Program > Kill", "K"},
    {'L', "Loop: repeat the lines up to E a number of times", "Program > Loop...", "L10"},
    {'M', "Microsteps per full step", "Sequencer > Microstep...", "M4"},
    {'N', "Number of the current-profile characteristic", "Sequencer > Num. of profile...", "N3"},
    {'O', "Wait until an input is high", "In-Out > Wait for input...", "O5"},
    {'P', "Profile", "Move > Profile...", "P100"},
    {'Q', "Qualification (microstep division at high speed)", "Sequencer > Qualification...", "Q1"},
    {'R', "Run: start the move", "Move > Run", "R"},
    {'S', "Start/stop velocity", "Move > Start/Stop...", "S200"},
    {'T', "Turn on (set) a user output, a user flag or an auxiliary function",
     "In-Out > Turn On...; In-Out > SetOutput...; Program > User Flags...; "
     "Program > User Flags All...; Configuration > Auxiliary functions...",
     "T5"},
    {'U', "Read back (upload) a register", "Program > Upload...", "U1"},
    {'V', "Velocity", "Move > Velocity...", "V1000"},
    {'W', "Wait a number of milliseconds", "Program > Wait...", "W500"},
    {'X', "Select the controller address (G: all addresses)", "Configuration > Index...", "XA"},
    {'Z', "Wait until an input is low", "In-Out > Wait for input...", "Z5"},
    {'[', "Disable", "Program > Disable", "["},
    {'\\', "Reset", "Configuration > Reset", "\\"},
    {']', "Enable", "Program > Enable", "]"},
    {'^', "Identification query: the controller answers with a check value",
     "Configuration > Serial Setup Dialog...", "^37"},
    {'_', "Shut down", "Configuration > ShutDown", "_"},
};

const CommandNotes* NotesOf(char c) {
    for (const CommandNotes& n : kNotes)
        if (n.command == c)
            return &n;
    return nullptr;
}

std::string RangeText(std::int32_t lo, std::int32_t hi) {
    return lo == hi ? std::to_string(lo) : std::to_string(lo) + " to " + std::to_string(hi);
}

// Runs of accepted numbers, found by asking the checker about every number in [from, to].
std::string ProbedSet(char command, std::int32_t from, std::int32_t to, const Session& base,
                      const char* separator = ", ") {
    std::string text;
    std::int32_t runStart = 0;
    bool inRun = false;
    auto flush = [&](std::int32_t last) {
        if (!text.empty())
            text += separator;
        // Two neighbours read better as a list than as a range.
        text += last == runStart + 1 ? std::to_string(runStart) + separator + std::to_string(last)
                                     : RangeText(runStart, last);
    };
    for (std::int32_t n = from; n <= to + 1; ++n) {
        bool accepted = false;
        if (n <= to) {
            Session s = base;
            std::string line = std::string(1, command) + std::to_string(n);
            accepted = CheckCommandLine(line, s) == kCommandAccepted;
        }
        if (accepted && !inRun) {
            runStart = n;
            inRun = true;
        } else if (!accepted && inRun) {
            flush(n - 1);
            inRun = false;
        }
    }
    return text.empty() ? "none" : text;
}

// Model names grouped by a value the model code decides ("K2207A, K2207A-2x"); code 0, the
// state before identification, is named as such.
std::string ByModel(const std::function<std::int32_t(std::uint8_t)>& value,
                    const std::function<std::string(std::int32_t)>& describe) {
    std::map<std::int32_t, std::string> names;
    std::vector<std::int32_t> order;
    std::size_t count = 0;
    const ControllerModel* models = ModelTable(&count);
    auto add = [&](std::int32_t v, const std::string& name) {
        auto [it, fresh] = names.try_emplace(v, name);
        if (fresh)
            order.push_back(v);
        else
            it->second += ", " + name;
    };
    for (std::size_t i = 0; i < count; ++i)
        add(value(models[i].code), std::string(models[i].name));
    add(value(0), "before identification");
    if (order.size() == 1)
        return describe(order.front());
    // The group that holds the state before identification is the usual one: it is named
    // last and as "the others", the exceptions before it by their models.
    const std::int32_t usual = value(0);
    std::string text;
    for (std::int32_t v : order) {
        if (v == usual)
            continue;
        text += describe(v) + " on " + names[v] + "; ";
    }
    return text + describe(usual) + " on the others and before identification";
}

std::string AccelerationBands() {
    std::string text = "1 to 65000; within the band of the start/stop velocity S: ";
    std::int32_t from = 16;
    std::optional<AccelerationLimits> current = StartStopBand(from);
    for (std::int32_t s = 17; s <= 1951; ++s) {
        const std::optional<AccelerationLimits> band = StartStopBand(s);
        const bool same = band && current && band->lo == current->lo && band->hi == current->hi;
        if (same)
            continue;
        if (current) {
            text += "S " + RangeText(from, s - 1) + ": " + RangeText(current->lo, current->hi);
            text += s <= 1950 ? ", " : "";
        }
        from = s;
        current = band;
    }
    return text + ". Outside its band a line passes the check with a warning";
}

std::string QualificationByMicrostep() {
    std::string text;
    for (std::int32_t m : {1, 2, 4, 8, 16, 32, 64}) {
        Session s;
        s.CurrentRecord().M = m;
        if (!text.empty())
            text += "; ";
        text += "with M" + std::to_string(m) + ": " + ProbedSet('Q', 1, 4, s);
    }
    Session unknown;
    unknown.CurrentRecord().M = -1;
    return text + "; M not known: " + ProbedSet('Q', 1, 4, unknown);
}

std::string Accepted(char c, const CommandSyntax& syntax,
                     const std::optional<std::uint8_t>& model) {
    auto byModel = [&model](const std::function<std::int32_t(std::uint8_t)>& value,
                            const std::function<std::string(std::int32_t)>& describe) {
        return model ? describe(value(*model)) : ByModel(value, describe);
    };
    switch (syntax.form) {
    case CommandForm::Number:
        return RangeText(syntax.lo, syntax.hi);
    case CommandForm::Velocity:
        return byModel(HighestVelocity, [&](std::int32_t hi) { return RangeText(syntax.lo, hi); });
    case CommandForm::Label:
        return byModel(HighestLabel, [](std::int32_t hi) { return RangeText(1, hi); });
    case CommandForm::Output:
        return ProbedSet(c, 0, 255, Session{});
    case CommandForm::Port:
        return "two digits 1 to 7 each (output group, bit); or three digits: 10 to 17 with 1 to 8, "
               "or 18 to 21 with 1 to 4";
    case CommandForm::Condition:
        return "input 1 to 87, then H or L, then a label " +
               byModel(HighestLabel, [](std::int32_t hi) { return RangeText(1, hi); });
    case CommandForm::Acceleration:
        return AccelerationBands();
    case CommandForm::Microstep:
        return ProbedSet(c, 1, 64, Session{});
    case CommandForm::Qualification:
        return QualificationByMicrostep();
    case CommandForm::Position:
        return "1 to 16000000, a whole multiple of the user step 64 / M (a warning otherwise)";
    case CommandForm::Go:
        return "\"+\" or \"-\"; or a position 1 to 16000000, a whole multiple of the user step";
    case CommandForm::Address:
        return "0 to 9, A to F (addresses 10 to 15), G (all addresses)";
    case CommandForm::Single:
        return "none; anything after the character is dropped";
    case CommandForm::Unknown:
        break;
    }
    return "";
}

std::string ArgumentForm(const CommandSyntax& syntax) {
    switch (syntax.form) {
    case CommandForm::Number:
    case CommandForm::Velocity:
    case CommandForm::Acceleration:
    case CommandForm::Microstep:
    case CommandForm::Qualification:
        return "an optional number";
    case CommandForm::Label:
        return "an optional label number";
    case CommandForm::Output:
        return "an optional output, flag or function number";
    case CommandForm::Port:
        return "an optional group of two or three digits";
    case CommandForm::Condition:
        return "input number, H or L, label number (all required)";
    case CommandForm::Position:
        return "an optional position in microsteps (64 per full step)";
    case CommandForm::Go:
        return "\"+\", \"-\" or an optional position";
    case CommandForm::Address:
        return "one address character, or none";
    case CommandForm::Single:
    case CommandForm::Unknown:
        break;
    }
    return "none";
}

std::string SizeText(const CommandSyntax& syntax) {
    if (syntax.form == CommandForm::Go)
        return "8 for G+ and G-, 32 otherwise";
    return std::to_string(syntax.sizeBits);
}

std::vector<CommandReferenceRow> BuildRows() {
    std::vector<CommandReferenceRow> rows;
    for (unsigned c = kFirstCommand; c <= kLastCommand; ++c) {
        const std::optional<CommandSyntax> syntax = CommandSyntaxOf(static_cast<unsigned char>(c));
        if (!syntax)
            continue;
        const char command = static_cast<char>(c);
        const CommandNotes* notes = NotesOf(command);
        CommandReferenceRow row;
        row.command = command;
        row.meaning = notes ? notes->meaning : "";
        row.menuItems = notes ? notes->menuItems : "";
        row.example = notes ? notes->example : "";
        row.argumentForm = ArgumentForm(*syntax);
        row.acceptedValues = Accepted(command, *syntax, std::nullopt);
        row.sizeBits = SizeText(*syntax);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

} // namespace

const std::vector<CommandReferenceRow>& CommandReference() {
    static const std::vector<CommandReferenceRow> rows = BuildRows();
    return rows;
}

const CommandReferenceRow* CommandReferenceOf(char command) {
    for (const CommandReferenceRow& row : CommandReference())
        if (row.command == command)
            return &row;
    return nullptr;
}

std::string UnknownCommandCharacters() {
    std::string text;
    for (unsigned c = kFirstCommand; c <= kLastCommand; ++c)
        if (!CommandSyntaxOf(static_cast<unsigned char>(c)) && c != ';')
            text += static_cast<char>(c);
    return text;
}

std::string AcceptedValuesFor(char command, std::uint8_t modelCode) {
    const std::optional<CommandSyntax> syntax =
        CommandSyntaxOf(static_cast<unsigned char>(command));
    return syntax ? Accepted(command, *syntax, modelCode) : "";
}

std::string CommandReferenceHtml() {
    std::string html =
        "<html><head><title>Command language</title></head><body>\n"
        "<h2>Command language</h2>\n"
        "<p>A controller program is a script of one command per line. A command is one "
        "character, followed by its argument if it has one: <code>V1000</code> sets the "
        "velocity to 1000. Small letters count as capitals, blanks before the command and "
        "inside the argument are allowed, and everything from the first <code>;</code> to "
        "the end of the line is a comment: <code>v 1000 ; cruise</code> is sent as "
        "<code>V1000</code>.</p>\n"
        "<p>Every line is checked before it leaves for the controller. A line with a number "
        "out of range, a malformed argument or an unknown command is refused; the editor "
        "underlines it in red while you type. An acceleration outside the band of the current "
        "start/stop velocity, or a position that is not a whole multiple of the user step, "
        "passes the check and the download with a warning (a quieter mark in the editor).</p>\n"
        "<p>The size is the program memory the command takes in the controller; the editor's "
        "third status panel adds them up against the memory of the identified model.</p>\n"
        "<p>This table is built from the checker that the workbench checks with.</p>\n"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
        "<tr><th>Command</th><th>Meaning</th><th>Argument</th><th>Accepted values</th>"
        "<th>Size (bits)</th><th>Example</th><th>Menu item</th></tr>\n";
    for (const CommandReferenceRow& row : CommandReference()) {
        html += "<tr><td><code>" + Escaped(std::string_view(&row.command, 1)) + "</code></td><td>" +
                Escaped(row.meaning) + "</td><td>" + Escaped(row.argumentForm) + "</td><td>" +
                Escaped(row.acceptedValues) + "</td><td>" + Escaped(row.sizeBits) +
                "</td><td><code>" + Escaped(row.example) + "</code></td><td>" +
                Escaped(row.menuItems) + "</td></tr>\n";
    }
    std::string unknown;
    for (char c : UnknownCommandCharacters()) {
        if (!unknown.empty())
            unknown += ' ';
        unknown += "<code>" + Escaped(std::string_view(&c, 1)) + "</code>";
    }
    html += "</table>\n<p>Not commands: " + unknown +
            ", and every character after <code>_</code>. A line that begins with one of them "
            "is refused with \"Command unknown\".</p>\n"
            "<p><a href=\"getting_started.html\">Getting started</a> &middot; "
            "<a href=\"1.html\">Contents</a></p>\n</body></html>\n";
    return html;
}

} // namespace orvant
