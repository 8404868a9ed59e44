#include "session.h"

#include <limits>

namespace orvant {

void Session::AddProgramBits(std::uint32_t bits) {
    const auto max = std::numeric_limits<std::uint32_t>::max();
    ProgramBits = (ProgramBits > max - bits) ? max : ProgramBits + bits;
}

AddressRecord& Session::CurrentRecord() {
    return Records[(CurrentAddress >= 0 && CurrentAddress < kAllAddresses) ? CurrentAddress
                                                                           : kAllAddresses];
}

const AddressRecord& Session::CurrentRecord() const {
    return const_cast<Session*>(this)->CurrentRecord();
}

namespace {
std::int32_t& FieldOf(AddressRecord& r, AddressField f) {
    switch (f) {
    case AddressField::Q:
        return r.Q;
    case AddressField::S:
        return r.S;
    case AddressField::M:
        return r.M;
    case AddressField::V:
        return r.V;
    case AddressField::A:
        return r.A;
    case AddressField::R:
        break;
    }
    return r.R;
}

void AppendValue(std::string& out, char letter, std::int32_t value) {
    out += letter;
    out += '=';
    out += value > 0 ? std::to_string(value) : std::string("?");
    out += ";  ";
}
} // namespace

void Session::SetAddressValue(AddressField field, std::int32_t value) {
    if (CurrentAddress >= 0 && CurrentAddress < kAllAddresses) {
        FieldOf(Records[CurrentAddress], field) = value;
        return;
    }
    for (auto& r : Records)
        FieldOf(r, field) = value;
    CurrentAddress = kAllAddresses;
}

void Session::ResetAddressSettings() {
    CurrentAddress = kAllAddresses;
    for (auto& r : Records)
        r = AddressRecord{1, 200, 4, 1000, 64, 200};
}

char Session::AddressDigit(std::int32_t address) {
    if (address >= 0 && address <= 9)
        return static_cast<char>('0' + address);
    if (address >= 10 && address <= 15)
        return static_cast<char>('A' + address - 10);
    return 'G';
}

std::string Session::AddressStatusText(bool linkOpen) const {
    if (!linkOpen)
        return "X=?;  M=?;  Q=?;  S=?;  V=?;  A=?; R=?";
    std::string out = "X=";
    if (CurrentAddress >= kAllAddresses || CurrentAddress < 0)
        out += "All";
    else
        out += AddressDigit(CurrentAddress);
    out += ";  ";
    const AddressRecord& r = CurrentRecord();
    AppendValue(out, 'M', r.M);
    AppendValue(out, 'Q', r.Q);
    AppendValue(out, 'S', r.S);
    AppendValue(out, 'V', r.V);
    AppendValue(out, 'A', r.A);
    AppendValue(out, 'R', r.R);
    return out;
}

} // namespace orvant
