// The names seen so far, kept as 64-bit fingerprints rather than as text: eight bytes a name
// in one flat table, so that a list of ten million names can be freed of duplicates in 90 MiB. Two
// different names share a fingerprint with a chance of about n²/2⁶⁵ (one in 370,000 for ten million
// names); the later one would then be taken for a duplicate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace names {

class FingerprintSet {
 public:
  // Room for `names` without growing.
  void Reserve(std::size_t names);
  // True when the name was not in the set, and is now.
  bool Insert(std::u16string_view name);
  // A name in bytes (a zone file's owner): an ASCII name has one fingerprint either way.
  bool Insert(std::string_view name);
  bool Contains(std::string_view name) const;
  std::size_t Size() const { return size_; }

  static std::uint64_t Fingerprint(std::u16string_view name);
  static std::uint64_t Fingerprint(std::string_view name);

 private:
  bool InsertFingerprint(std::uint64_t fingerprint);
  std::size_t SlotOf(std::uint64_t fingerprint) const;
  void Resize(std::size_t slots);

  std::vector<std::uint64_t> slots_;  // 0: empty
  std::size_t size_ = 0;
};

}  // namespace names
