#pragma once

#include <functional>
#include <string>
#include <vector>

class TComponent;

// A list of text lines, loaded from and saved to a text file. Reading takes
// CR LF, LF or a lone CR as a line end; writing ends every line with
// LineBreak (CR LF unless set otherwise), so files the game shares keep the
// shape they always had.
class TStringList {
 public:
  int Count() const { return static_cast<int>(lines_.size()); }
  const std::string& Strings(int index) const { return lines_.at(index); }
  const std::string& operator[](int index) const { return lines_.at(index); }
  void SetStrings(int index, const std::string& line);

  int Add(const std::string& line);
  void Insert(int index, const std::string& line);
  void Delete(int index);
  void Clear();
  // The first line equal to `line`, or -1.
  int IndexOf(const std::string& line) const;
  void Assign(const TStringList& other);

  // All lines, each followed by LineBreak; setting it splits as on loading.
  std::string Text() const;
  void SetText(const std::string& text);

  // False when the file cannot be read; the list is then left as it was.
  bool LoadFromFile(const std::string& path);
  // Writes through a temporary file renamed over the target, so a failed
  // save leaves the old file whole. False when the file cannot be written.
  bool SaveToFile(const std::string& path) const;

  std::string LineBreak = "\r\n";
  // A notify event (its sender is always nullptr); the list sits below the
  // components, so it names the type rather than including it.
  std::function<void(TComponent* sender)> OnChange;

 private:
  void Changed();

  std::vector<std::string> lines_;
};
