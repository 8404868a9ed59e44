#pragma once
// The session: everything the workbench knows about the connected controller and what the
// operator has told it so far. One Session lives for the whole run; the application owns it
// and hands it to its users by reference.

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace orvant {

// The seven-byte link settings block: the model code and the serial settings. Stored whole
// in the state file, in this byte order.
struct LinkSettings {
    std::uint8_t ModelCode = 0;    // 0 unknown, 1..10 identified models
    std::uint8_t FastIndexer = 0;  // doubles every rate
    std::uint8_t BaudIndex = 3;    // 0..3: 300, 1200, 2400, 4800 (doubled with FastIndexer)
    std::uint8_t Reserved3 = 0;    //
    std::uint8_t ChannelIndex = 0; // 0..3: COM1..COM4
    std::uint8_t Reserved5 = 1;    // carried through unchanged
    std::uint8_t AutoInit = 1;     // non-zero: set up the link at start-up
};
static_assert(sizeof(LinkSettings) == 7);

// The Real Move panel's exchange record, stored whole (bit for bit) in the state file. The
// position read of the controller link fills the three upload fields.
struct MoveExchangeRecord {
    double RelDistance[4] = {0, 0, 0, 0}; // relative distances 1..4 in user units, never negative
    double AbsPosition[4] = {0, 0, 0, 0}; // absolute positions 1..4 in user units, never negative
    std::int32_t StepsPerUnit = 10;       // microsteps per user unit, 1..8000000
    std::int32_t DecimalDigits = 1;       // digits after the point when the panel opens
    std::int32_t UploadedPosition = 0;    // last absolute position read, in microsteps
    std::uint8_t UploadDone = 0;          // a position read has finished
    std::uint8_t UploadAnswered = 0;      // all three bytes of the last position read arrived
    std::uint8_t Padding[2] = {0, 0};
};
static_assert(sizeof(MoveExchangeRecord) == 80);

enum class AddressField { Q, S, M, V, A, R };

// Motion settings of one controller address. 0 or below means "not known".
struct AddressRecord {
    std::int32_t Q = -1;  // qualification
    std::int32_t S = -1;  // start/stop velocity
    std::int32_t M = -1;  // microsteps per full step
    std::int32_t V = -1;  // velocity
    std::int32_t A = -1;  // acceleration
    std::int32_t R = 200; // motor resolution, full steps per revolution

    std::int32_t& Field(AddressField field);
    std::int32_t Field(AddressField field) const;
};

inline constexpr int kAllAddresses = 16;
inline constexpr int kAddressRecords = 17;

class Session {
public:
    Session() = default;

    // --- controller model -------------------------------------------------------------
    LinkSettings Link; // Link.ModelCode is the identified model
    std::uint8_t& ModelCode() { return Link.ModelCode; }
    std::uint8_t ModelCode() const { return Link.ModelCode; }
    std::uint16_t MemoryBits = 40000; // program memory of the identified model
    // Size of the script being checked. Kept 32 bits wide and saturating so that a script
    // above 65535 bits is reported with its true size instead of wrapping to a small one.
    std::uint32_t ProgramBits = 0;
    void AddProgramBits(std::uint32_t bits);

    // --- per-address motion settings --------------------------------------------------
    std::array<AddressRecord, kAddressRecords> Records{};
    std::int32_t CurrentAddress = kAllAddresses;

    // Record of the current address (record 16 when the address is out of range).
    AddressRecord& CurrentRecord();
    const AddressRecord& CurrentRecord() const;

    // Sets one field: in the current record for addresses 0..15, otherwise in all 17
    // records, and the current address becomes 16.
    void SetAddressValue(AddressField field, std::int32_t value);

    // Current address 16, every record Q 1, S 200, M 4, V 1000, A 64, R 200.
    void ResetAddressSettings();

    // "0".."9", "A".."F" for 0..15, "G" for 16.
    static char AddressDigit(std::int32_t address);

    // Settings summary for status panel 2.
    std::string AddressStatusText(bool linkOpen) const;

    // --- values that dialogs remember for the run ----------------------------------------
    std::int32_t LabelCounter = 0;           // program-structure dialogs
    std::array<std::uint8_t, 8> UserFlags{}; // user flags 80..87
    std::int32_t PositionChoice = 2;         // position entry dialog: third item
    std::string PositionText;                // position entry dialog: the entry field
    // One-number entry dialogs: the entry field's text by handler name ("Velocity1Click").
    std::map<std::string, std::string> EntryTexts;
    MoveExchangeRecord Move;        // Real Move panel
    std::string PendingMoveCommand; // sent by the move request with wParam 0
    std::array<std::string, 5> MotionTexts{"64000", "64", "", "1000", "100"};
};

} // namespace orvant
