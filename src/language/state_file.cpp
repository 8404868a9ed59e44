#include "language/state_file.h"

#include <algorithm>
#include <cstring>

namespace orvant {

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutI32(std::vector<std::uint8_t>& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF));
}

void PutF64(std::vector<std::uint8_t>& out, double v) {
    std::uint64_t u = 0;
    std::memcpy(&u, &v, sizeof u);
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF));
}

std::uint16_t GetU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::int32_t GetI32(const std::uint8_t* p) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

double GetF64(const std::uint8_t* p) {
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i)
        u |= static_cast<std::uint64_t>(p[i]) << (8 * i);
    double v = 0;
    std::memcpy(&v, &u, sizeof v);
    return v;
}

constexpr std::int32_t kMaxMicrostepsPerUnit = 8000000;

std::string RectangleText(const WindowRecord& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + " " + std::to_string(r.Width) +
           "x" + std::to_string(r.Height);
}

} // namespace

std::vector<std::uint8_t> EncodeLinkBlock(const LinkSettings& link) {
    return {link.ModelCode,    link.FastIndexer, link.BaudIndex, link.Reserved3,
            link.ChannelIndex, link.Reserved5,   link.AutoInit};
}

LinkSettings DecodeLinkBlock(const std::uint8_t* b) {
    LinkSettings l;
    l.ModelCode = b[0];
    l.FastIndexer = b[1];
    l.BaudIndex = b[2];
    l.Reserved3 = b[3];
    l.ChannelIndex = b[4];
    l.Reserved5 = b[5];
    l.AutoInit = b[6];
    return l;
}

std::vector<std::uint8_t> EncodeMoveRecord(const MoveExchangeRecord& m) {
    std::vector<std::uint8_t> out;
    out.reserve(kMoveRecordSize);
    for (double d : m.RelDistance)
        PutF64(out, d);
    for (double d : m.AbsPosition)
        PutF64(out, d);
    PutI32(out, m.StepsPerUnit);
    PutI32(out, m.DecimalDigits);
    PutI32(out, m.UploadedPosition);
    out.push_back(m.UploadDone);
    out.push_back(m.UploadAnswered);
    out.push_back(m.Padding[0]);
    out.push_back(m.Padding[1]);
    return out;
}

MoveExchangeRecord DecodeMoveRecord(const std::uint8_t* b) {
    MoveExchangeRecord m;
    for (int i = 0; i < 4; ++i)
        m.RelDistance[i] = GetF64(b + 8 * i);
    for (int i = 0; i < 4; ++i)
        m.AbsPosition[i] = GetF64(b + 32 + 8 * i);
    m.StepsPerUnit = GetI32(b + 64);
    m.DecimalDigits = GetI32(b + 68);
    m.UploadedPosition = GetI32(b + 72);
    m.UploadDone = b[76];
    m.UploadAnswered = b[77];
    m.Padding[0] = b[78];
    m.Padding[1] = b[79];
    return m;
}

std::vector<std::uint8_t> EncodeWindowRecord(const WindowRecord& r) {
    std::vector<std::uint8_t> out(kWindowNameField, 0);
    const std::size_t len = std::min<std::size_t>(r.FileName.size(), 255);
    out[0] = static_cast<std::uint8_t>(len);
    std::memcpy(out.data() + 1, r.FileName.data(), len);
    PutI32(out, r.Left);
    PutI32(out, r.Top);
    PutI32(out, r.Width);
    PutI32(out, r.Height);
    PutI32(out, r.Caret);
    return out;
}

WindowRecord DecodeWindowRecord(const std::uint8_t* b) {
    WindowRecord r;
    r.FileName.assign(reinterpret_cast<const char*>(b + 1), b[0]);
    r.Left = GetI32(b + 256);
    r.Top = GetI32(b + 260);
    r.Width = GetI32(b + 264);
    r.Height = GetI32(b + 268);
    r.Caret = GetI32(b + 272);
    return r;
}

std::vector<std::uint8_t> EncodeStateFile(const StateFileContent& c) {
    std::vector<std::uint8_t> out = EncodeLinkBlock(c.Link);
    out.reserve(kStateHeadSize + kWindowRecordSize * (1 + c.Documents.size()));
    const auto move = EncodeMoveRecord(c.Move);
    out.insert(out.end(), move.begin(), move.end());
    PutU16(out, c.Width);
    PutU16(out, c.Height);
    PutU16(out, c.ChildCount);
    WindowRecord trace = c.Trace;
    trace.FileName.clear(); // the trace window's name field carries nothing
    const auto t = EncodeWindowRecord(trace);
    out.insert(out.end(), t.begin(), t.end());
    for (const auto& d : c.Documents) {
        const auto r = EncodeWindowRecord(d);
        out.insert(out.end(), r.begin(), r.end());
    }
    return out;
}

bool PlausibleRectangle(const WindowRecord& r) {
    return r.Width > 0 && r.Height > 0 && r.Width <= kMaxWindowExtent &&
           r.Height <= kMaxWindowExtent && r.Left > -kMaxWindowExtent &&
           r.Left < kMaxWindowExtent && r.Top > -kMaxWindowExtent && r.Top < kMaxWindowExtent;
}

WindowRecord ClampToArea(const WindowRecord& record, int areaWidth, int areaHeight) {
    WindowRecord r = record;
    if (areaWidth > 0) {
        r.Width = std::clamp(r.Width, 1, areaWidth);
        r.Left = std::clamp(r.Left, 0, areaWidth - r.Width);
    }
    if (areaHeight > 0) {
        r.Height = std::clamp(r.Height, 1, areaHeight);
        r.Top = std::clamp(r.Top, 0, areaHeight - r.Height);
    }
    return r;
}

StateFileRead DecodeStateFile(const std::vector<std::uint8_t>& bytes) {
    StateFileRead read;
    StateFileContent& c = read.Content;
    const std::size_t size = bytes.size();
    const std::uint8_t* p = bytes.data();

    if (size < kStateHeadSize)
        read.Problems.push_back("the file is shorter than its 93-byte head");

    if (size >= kLinkBlockSize) {
        const LinkSettings defaults;
        LinkSettings l = DecodeLinkBlock(p);
        if (l.ModelCode > 10) {
            read.Problems.push_back("model code out of range");
            l.ModelCode = defaults.ModelCode;
        }
        if (l.FastIndexer > 1) {
            read.Problems.push_back("Fast Indexer flag out of range");
            l.FastIndexer = defaults.FastIndexer;
        }
        if (l.BaudIndex > 3) {
            read.Problems.push_back("baud index out of range");
            l.BaudIndex = defaults.BaudIndex;
        }
        if (l.ChannelIndex > 3) {
            read.Problems.push_back("channel index out of range");
            l.ChannelIndex = defaults.ChannelIndex;
        }
        c.Link = l;
        read.HasLink = true;
    }
    if (size >= kLinkBlockSize + kMoveRecordSize) {
        MoveExchangeRecord m = DecodeMoveRecord(p + kLinkBlockSize);
        if (m.StepsPerUnit < 1 || m.StepsPerUnit > kMaxMicrostepsPerUnit) {
            read.Problems.push_back("microsteps per unit out of range");
            m.StepsPerUnit = MoveExchangeRecord{}.StepsPerUnit;
        }
        c.Move = m;
        read.HasMove = true;
    }
    if (size >= kLinkBlockSize + kMoveRecordSize + 4) {
        c.Width = GetU16(p + 87);
        c.Height = GetU16(p + 89);
        read.HasSize = c.Width > 0 && c.Height > 0;
        if (c.Width > kMaxWindowExtent || c.Height > kMaxWindowExtent)
            read.Problems.push_back("main window size " + std::to_string(c.Width) + "x" +
                                    std::to_string(c.Height) + " is larger than any screen");
    }
    if (size < kStateHeadSize)
        return read;

    c.ChildCount = GetU16(p + 91);
    read.HasCount = true;

    std::size_t at = kStateHeadSize;
    if (size - at >= kWindowRecordSize) {
        c.Trace = DecodeWindowRecord(p + at);
        c.Trace.FileName.clear();
        read.HasTrace = true;
        const bool unset = c.Trace.Left == 0 && c.Trace.Top == 0 && c.Trace.Width == 0 &&
                           c.Trace.Height == 0; // written without a trace window
        if (!unset && !PlausibleRectangle(c.Trace))
            read.Problems.push_back("the trace window's rectangle " + RectangleText(c.Trace) +
                                    " is unusable");
        at += kWindowRecordSize;
    } else {
        read.Problems.push_back("the trace window's record is cut short");
        return read;
    }

    const std::size_t wanted = c.ChildCount > 1 ? c.ChildCount - 1u : 0u;
    const std::size_t present = (size - at) / kWindowRecordSize;
    if (present < wanted && wanted - present > 1)
        read.Problems.push_back("fewer document records than the child count announces");
    for (std::size_t i = 0; i < std::min(wanted, present); ++i, at += kWindowRecordSize) {
        WindowRecord r = DecodeWindowRecord(p + at);
        if (r.FileName.empty() || r.FileName.find('\0') != std::string::npos) {
            read.Problems.push_back("a document record without a usable name");
            continue;
        }
        if (!PlausibleRectangle(r))
            read.Problems.push_back("a document's window rectangle " + RectangleText(r) +
                                    " is unusable");
        c.Documents.push_back(std::move(r));
    }
    return read;
}

} // namespace orvant
