#pragma once
#include <exception>
#include <string>

// The one error the program raises: a value the user typed or chose cannot be turned
// into a number or a date. It ends the running event handler and its text (Shift-JIS)
// is shown in the application's error box.
class EConvertError : public std::exception {
 public:
  explicit EConvertError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};
