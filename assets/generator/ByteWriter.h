#pragma once

#include <QByteArray>

#include <cstdint>

namespace duomira::art {

// Little-endian fields, as the Windows picture formats store them.
class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes_.append(static_cast<char>(v)); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v & 0xff));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v & 0xffff));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void bytes(const QByteArray& b) { bytes_.append(b); }
    const QByteArray& data() const { return bytes_; }
    qsizetype size() const { return bytes_.size(); }

private:
    QByteArray bytes_;
};

} // namespace duomira::art
