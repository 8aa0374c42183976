#pragma once
#include <cstring>
#include <map>
#include <string>

#include "platform/Registry.h"

// Keys and values planned by a test, with the data as the ANSI registry
// calls return it; names match exactly. Counts keys opened and closed.
class ScriptedRegistry final : public lumivox::Registry {
 public:
  struct Value {
    std::uint32_t type = lumivox::kRegSz;
    std::string data;
  };
  using Values = std::map<std::string, Value>;

  std::map<std::string, Values> keys;  // below HKEY_CURRENT_USER
  int opened = 0, closed = 0;
  // Data a value takes between the query of its size and the read of its data.
  std::map<std::string, std::string> changeBeforeRead;

  std::unique_ptr<lumivox::RegistryKey> openKey(std::uint32_t root, const std::string& path) override {
    const auto it = keys.find(path);
    if (root != lumivox::kHkeyCurrentUser || it == keys.end()) return nullptr;
    ++opened;
    return std::make_unique<Key>(*this, it->second);
  }

 private:
  class Key final : public lumivox::RegistryKey {
   public:
    Key(ScriptedRegistry& registry, Values& values) : registry_(registry), values_(values) {}
    ~Key() override { ++registry_.closed; }

    std::optional<ValueInfo> queryInfo(const std::string& name) override {
      const auto it = values_.find(name);
      if (it == values_.end()) return std::nullopt;
      const ValueInfo info{it->second.type, static_cast<std::uint32_t>(it->second.data.size())};
      if (const auto change = registry_.changeBeforeRead.find(name); change != registry_.changeBeforeRead.end())
        it->second.data = change->second;
      return info;
    }

    std::optional<std::uint32_t> queryData(const std::string& name, char* buffer, std::uint32_t capacity) override {
      const auto it = values_.find(name);
      if (it == values_.end() || it->second.data.size() > capacity) return std::nullopt;
      std::memcpy(buffer, it->second.data.data(), it->second.data.size());
      return static_cast<std::uint32_t>(it->second.data.size());
    }

   private:
    ScriptedRegistry& registry_;
    Values& values_;
  };
};
