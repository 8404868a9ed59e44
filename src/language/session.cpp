#include "session.h"

#include <limits>

namespace orvant {

void Session::AddProgramBits(std::uint32_t bits) {
    const auto max = std::numeric_limits<std::uint32_t>::max();
    ProgramBits = (ProgramBits > max - bits) ? max : ProgramBits + bits;
}

std::int32_t& AddressRecord::Field(AddressField field) {
    switch (field) {
    case AddressField::Q:
        return Q;
    case AddressField::S:
        return S;
    case AddressField::M:
        return M;
    case AddressField::V:
        return V;
    case AddressField::A:
        return A;
    case AddressField::R:
        break;
    }
    return R;
}

std::int32_t AddressRecord::Field(AddressField field) const {
    return const_cast<AddressRecord*>(this)->Field(field);
}

AddressRecord& Session::CurrentRecord() {
    return Records[(CurrentAddress >= 0 && CurrentAddress < kAllAddresses) ? CurrentAddress
                                                                           : kAllAddresses];
}

const AddressRecord& Session::CurrentRecord() const {
    return const_cast<Session*>(this)->CurrentRecord();
}

namespace {
void AppendValue(std::string& out, char letter, std::int32_t value) {
    out += letter;
    out += '=';
    out += value > 0 ? std::to_string(value) : std::string("?");
    out += ";  ";
}
} // namespace

void Session::SetAddressValue(AddressField field, std::int32_t value) {
    if (CurrentAddress >= 0 && CurrentAddress < kAllAddresses) {
        Records[CurrentAddress].Field(field) = value;
        return;
    }
    for (auto& r : Records)
        r.Field(field) = value;
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
