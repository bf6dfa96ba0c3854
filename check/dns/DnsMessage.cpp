#include "check/dns/DnsMessage.h"

#include <cstdio>

namespace check {
namespace {

constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kMaxName = 255;

class Reader {
 public:
  explicit Reader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

  bool Has(std::size_t count) const { return at_ <= bytes_.size() && bytes_.size() - at_ >= count; }
  std::size_t At() const { return at_; }
  std::span<const unsigned char> Next(std::size_t count) const {
    return bytes_.subspan(at_, count);
  }
  void Skip(std::size_t count) { at_ += count; }

  std::uint16_t U16() {
    const std::uint16_t value = static_cast<std::uint16_t>((bytes_[at_] << 8) | bytes_[at_ + 1]);
    at_ += 2;
    return value;
  }
  std::uint32_t U32() {
    const std::uint32_t high = U16();
    return (high << 16) | U16();
  }

  // A name starting here; the reader moves past it (past the first pointer, if any). Every
  // pointer must point before the label that holds it, so reading always ends.
  std::optional<std::string> Name() {
    std::string name;
    std::size_t wire = 0;
    std::size_t at = at_;
    std::optional<std::size_t> resume;
    for (;;) {
      if (at >= bytes_.size()) return std::nullopt;
      const unsigned char length = bytes_[at];
      if ((length & 0xC0) == 0xC0) {
        if (at + 1 >= bytes_.size()) return std::nullopt;
        const std::size_t target = ((length & 0x3F) << 8) | bytes_[at + 1];
        if (target >= at) return std::nullopt;
        if (!resume) resume = at + 2;
        at = target;
        continue;
      }
      if ((length & 0xC0) != 0) return std::nullopt;  // the reserved label kinds
      wire += length + 1u;
      if (wire > kMaxName) return std::nullopt;
      if (length == 0) {
        at_ = resume ? *resume : at + 1;
        return name;
      }
      if (at + 1 + length > bytes_.size()) return std::nullopt;
      if (!name.empty()) name += '.';
      for (std::size_t i = at + 1; i <= at + length; ++i) AppendByte(name, bytes_[i]);
      at += 1 + length;
    }
  }

 private:
  static void AppendByte(std::string& name, unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') {
      name += static_cast<char>(byte - 'A' + 'a');
    } else if (byte > 0x20 && byte < 0x7F && byte != '.' && byte != '\\') {
      name += static_cast<char>(byte);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\%03u", unsigned(byte));
      name += escaped;
    }
  }

  std::span<const unsigned char> bytes_;
  std::size_t at_ = 0;
};

std::string AddressText(std::span<const unsigned char> data) {
  char text[48];
  if (data.size() == 4) {
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", data[0], data[1], data[2], data[3]);
    return text;
  }
  // IPv6, every group written out: the text is only ever handed to the socket layer.
  std::string address;
  for (std::size_t i = 0; i < 16; i += 2) {
    std::snprintf(text, sizeof text, "%s%x", i ? ":" : "", unsigned((data[i] << 8) | data[i + 1]));
    address += text;
  }
  return address;
}

bool ReadRecords(Reader& reader, int count, std::vector<DnsRecord>& records) {
  for (int i = 0; i < count; ++i) {
    DnsRecord record;
    auto owner = reader.Name();
    if (!owner || !reader.Has(10)) return false;
    record.owner = std::move(*owner);
    record.type = reader.U16();
    reader.Skip(6);  // class, TTL
    const std::uint16_t length = reader.U16();
    if (!reader.Has(length)) return false;
    const std::size_t end = reader.At() + length;
    switch (static_cast<DnsType>(record.type)) {
      case DnsType::Ns:
      case DnsType::Soa: {
        auto target = reader.Name();
        if (!target || reader.At() > end) return false;
        record.data = std::move(*target);
        if (record.type == std::uint16_t(DnsType::Soa)) {
          if (!reader.Name() || !reader.Has(4) || reader.At() + 4 > end) return false;
          record.serial = reader.U32();
        }
        break;
      }
      case DnsType::A:
      case DnsType::Aaaa:
        if (length != (record.type == std::uint16_t(DnsType::A) ? 4 : 16)) return false;
        record.data = AddressText(reader.Next(length));
        break;
      case DnsType::Txt:
        // Each character-string is a length byte and as many bytes, and none runs past the
        // record's end.
        while (reader.At() < end) {
          const std::size_t size = reader.Next(1)[0];
          reader.Skip(1);
          if (reader.At() + size > end) return false;
          const auto bytes = reader.Next(size);
          record.data.append(bytes.begin(), bytes.end());
          reader.Skip(size);
        }
        break;
      default:
        break;
    }
    reader.Skip(end - reader.At());
    records.push_back(std::move(record));
  }
  return true;
}

}  // namespace

std::string BuildDnsQuery(const std::string& name, DnsType type, std::uint16_t id, bool recursion) {
  std::string query = {
      char(id >> 8), char(id & 0xFF), char(recursion ? 0x01 : 0x00), 0, 0, 1, 0, 0, 0, 0, 0, 0};
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find('.', start);
    if (end == std::string::npos) end = name.size();
    const std::size_t length = end - start;
    if (length == 0 || length > 63) return "";
    query += static_cast<char>(length);
    query.append(name, start, length);
    start = end + 1;
  }
  if (query.size() - kHeaderSize + 1 > kMaxName) return "";
  const auto value = static_cast<std::uint16_t>(type);
  query += '\0';
  query += {char(value >> 8), char(value & 0xFF), 0, 1};  // class IN
  return query;
}

std::optional<DnsHeaderFields> ReadDnsHeaderFields(std::span<const unsigned char> bytes) {
  if (bytes.size() < kHeaderSize) return std::nullopt;
  Reader reader(bytes);
  DnsHeaderFields header;
  header.id = reader.U16();
  const std::uint16_t flags = reader.U16();
  header.response = (flags & 0x8000) != 0;
  header.authoritative = (flags & 0x0400) != 0;
  header.truncated = (flags & 0x0200) != 0;
  header.rcode = flags & 0x000F;
  header.questions = reader.U16();
  header.answers = reader.U16();
  header.authority = reader.U16();
  header.additional = reader.U16();
  return header;
}

std::optional<DnsMessage> ReadDnsMessage(std::span<const unsigned char> bytes) {
  const std::optional<DnsHeaderFields> header = ReadDnsHeaderFields(bytes);
  if (!header) return std::nullopt;
  Reader reader(bytes);
  reader.Skip(kHeaderSize);
  DnsMessage message;
  message.id = header->id;
  message.response = header->response;
  message.authoritative = header->authoritative;
  message.truncated = header->truncated;
  message.rcode = header->rcode;
  const int questions = header->questions;
  const int answers = header->answers;
  const int authority = header->authority;
  const int additional = header->additional;
  for (int i = 0; i < questions; ++i) {
    auto name = reader.Name();
    if (!name || !reader.Has(4)) return std::nullopt;
    const std::uint16_t type = reader.U16();
    reader.Skip(2);
    if (i == 0) {
      message.question = std::move(*name);
      message.questionType = type;
    }
  }
  // A truncated answer may end anywhere: what was read so far is all there is.
  if (!ReadRecords(reader, answers, message.answers) ||
      !ReadRecords(reader, authority, message.authority) ||
      !ReadRecords(reader, additional, message.additional)) {
    if (!message.truncated) return std::nullopt;
  }
  return message;
}

bool IsAtOrUnder(const std::string& name, const std::string& zone) {
  if (zone.empty()) return true;
  if (name.size() == zone.size()) return name == zone;
  return name.size() > zone.size() && name.ends_with(zone) &&
         name[name.size() - zone.size() - 1] == '.';
}

}  // namespace check
