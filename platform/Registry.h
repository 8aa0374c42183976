#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace lumivox {

// Root keys and value types, numbered as the Windows registry numbers them.
inline constexpr std::uint32_t kHkeyCurrentUser = 0x80000001;
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

// A registry key opened for reading; destroying it closes it. Names are
// UTF-8. The data is what the ANSI registry calls of a Chinese system
// return: text values (plain, expandable, multiple) in its ANSI code page,
// GBK, every size in bytes.
class RegistryKey {
 public:
  struct ValueInfo {
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
  };

  virtual ~RegistryKey() = default;
  // The type and size of a value; nothing when it cannot be read.
  virtual std::optional<ValueInfo> queryInfo(const std::string& valueName) = 0;
  // Copies a value's data into buffer, which holds capacity bytes, and
  // returns how many bytes it wrote. Nothing when the value cannot be read
  // or its data does not fit; then the buffer is left alone.
  virtual std::optional<std::uint32_t> queryData(const std::string& valueName, char* buffer,
                                                 std::uint32_t capacity) = 0;
};

// A value as the registry stores it: its type and raw data, text as UTF-16LE
// with the terminator it was written with, if any.
struct StoredRegistryValue {
  std::uint32_t type = kRegNone;
  std::string data;
};

// A key that reads each value whole, as stored, and answers as the ANSI calls
// of a Chinese system: text types converted to GBK (an odd last byte is half
// a character and dropped), whatever this system's own ANSI code page. The
// value last asked for is kept for the next query of the same name.
class StoredValueKey : public RegistryKey {
 public:
  std::optional<ValueInfo> queryInfo(const std::string& valueName) final;
  std::optional<std::uint32_t> queryData(const std::string& valueName, char* buffer, std::uint32_t capacity) final;

 protected:
  // The value of that name; nothing when the key does not hold it or it
  // cannot be read.
  virtual std::optional<StoredRegistryValue> read(const std::string& valueName) = 0;

 private:
  const StoredRegistryValue* find(const std::string& valueName);

  bool asked_ = false;
  std::string askedName_;
  std::optional<StoredRegistryValue> answer_;  // its data in GBK
};

// The registry of the current user. Windows: the system registry. Linux:
// the registry of the Wine prefix the game runs in.
class Registry {
 public:
  virtual ~Registry() = default;
  // Opens a key below a root key; nullptr when it cannot be opened.
  virtual std::unique_ptr<RegistryKey> openKey(std::uint32_t root, const std::string& path) = 0;
};

}  // namespace lumivox
