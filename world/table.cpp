#include "world/table.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

std::string ReadableTypeName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> name(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
  return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

}  // namespace

void ThrowTableIndexError(const std::type_info& element, int index, int count) {
  throw std::out_of_range("table of " + ReadableTypeName(element) + ": index " +
                          std::to_string(index) + " outside 1.." + std::to_string(count));
}
