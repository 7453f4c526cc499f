#include "platform/services/file_lookup.h"

#include "platform/text/letter_case.h"

std::optional<std::filesystem::path> ResolveFileName(const std::filesystem::path& folder,
                                                     const std::string& name) {
  std::error_code error;
  const std::filesystem::path exact = folder / name;
  if (std::filesystem::is_regular_file(exact, error)) return exact;
  std::optional<std::filesystem::path> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (!entry.is_regular_file(error)) continue;
    const std::filesystem::path& candidate = entry.path();
    // Of several spellings, the first in name order, so the choice never
    // depends on the order the folder lists them in.
    if (EqualIgnoringCase(candidate.filename().string(), name) && (!found || candidate < *found)) {
      found = candidate;
    }
  }
  return found;
}
