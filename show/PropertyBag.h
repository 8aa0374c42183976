#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace lumivox {

// The host's store of a control's persistent properties.
class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  // The stored value of key, or defaultValue when there is none.
  virtual std::int32_t read(const std::string& key, std::int32_t defaultValue) const = 0;
  // A store may leave out a value equal to its default; reading gives it back.
  virtual void write(const std::string& key, std::int32_t value, std::int32_t defaultValue) = 0;
};

// A property store in memory that keeps only values differing from their
// defaults.
class MapPropertyBag final : public PropertyBag {
 public:
  MapPropertyBag() = default;
  explicit MapPropertyBag(std::map<std::string, std::int32_t> values) : values_(std::move(values)) {}

  std::int32_t read(const std::string& key, std::int32_t defaultValue) const override {
    const auto found = values_.find(key);
    return found == values_.end() ? defaultValue : found->second;
  }
  void write(const std::string& key, std::int32_t value, std::int32_t defaultValue) override {
    if (value == defaultValue)
      values_.erase(key);
    else
      values_[key] = value;
  }
  const std::map<std::string, std::int32_t>& values() const { return values_; }

 private:
  std::map<std::string, std::int32_t> values_;
};

}  // namespace lumivox
