#pragma once
// A layout that cannot be read: the message names the file, the line and,
// where there is one, the property ("TForm1.lfm:12: Font.Height: ...").
#include <stdexcept>
#include <string>

class LayoutError : public std::runtime_error {
 public:
  LayoutError(std::string file, int line, std::string property, const std::string& message);

  const std::string& File() const { return file_; }
  int Line() const { return line_; }
  const std::string& Property() const { return property_; }
  // The message without file, line and property.
  const std::string& Reason() const { return reason_; }

 private:
  std::string file_;
  int line_;
  std::string property_;
  std::string reason_;
};
