#include "platform/components/messages.h"

#include <map>

uint32_t RegisterWindowMessage(const std::string& name) {
  static std::map<std::string, uint32_t> registered;
  constexpr uint32_t kFirstRegistered = 0xC000;
  const uint32_t next = kFirstRegistered + static_cast<uint32_t>(registered.size());
  return registered.try_emplace(name, next).first->second;
}
