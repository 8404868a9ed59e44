#pragma once
// The command language reference: one row per command character, built from the line
// checker's own rules, so that what the operator reads in the help is what the check
// enforces. The generated help page "Command language" and the editor's hints use it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

struct CommandReferenceRow {
    char command = 0;
    std::string meaning;
    std::string argumentForm;
    std::string acceptedValues; // for every model; where models differ, by model
    std::string sizeBits;       // program memory the command takes
    std::string menuItems;      // "Move > Velocity..." entries, "; " between them
    std::string example;        // a line the checker accepts
};

// The rows for every command character from "!" to "_", in character order.
const std::vector<CommandReferenceRow>& CommandReference();

// The row of `command` (a capital letter, a digit or a punctuation mark); none for a
// character that is not a command.
const CommandReferenceRow* CommandReferenceOf(char command);

// The characters from "!" to "_" that are not commands, in order.
std::string UnknownCommandCharacters();

// The values that `command` accepts for one model code (0 before identification).
std::string AcceptedValuesFor(char command, std::uint8_t modelCode);

// The whole "Command language" help page.
std::string CommandReferenceHtml();

} // namespace orvant
