#pragma once
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

class TForm;

// The application object: title, the main form, the message loop with key preview and
// Tab navigation, the error box, and the program's file and arguments.
class TApplication {
 public:
  // Declares the process dpi-aware (where the system knows the notion) and registers
  // the window classes.
  void Initialize();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Creates a form (its constructor builds it), runs its creation event, and makes the
  // first form created the main form once that event has returned.
  template <typename Form>
  Form* CreateForm(Form*& variable) {
    variable = new Form(nullptr);
    AfterCreate(variable);
    return variable;
  }
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form and dispatches messages until it has closed.
  void Run();
  // Ends the message loop.
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Handles one message, waiting for it; false when the loop is to end.
  bool HandleMessage();
  // Dispatches the messages that are waiting, then returns.
  void ProcessMessages();

  // The error box: the message (Shift-JIS) with a full stop added when its last
  // character sorts after ".", captioned with the title, error icon, OK.
  void ShowException(const std::exception& error);
  // Shows whatever is being thrown; for catch blocks at the edge of a window procedure,
  // which exceptions must never leave.
  void HandleException();

  std::string ExeName() const;
  // The arguments after the program's own name, as the command line splits them.
  int ParamCount() const;
  std::string ParamStr(int index) const;
  // Tests start the windows with arguments of their own instead of the process's.
  void SetCommandLine(const std::string& commandLine) { commandLine_ = commandLine; }

 private:
  void AfterCreate(TForm* form);
  bool PreTranslate(MSG& msg);
  void Dispatch(MSG& msg);

  std::vector<std::string> Arguments() const;

  std::string title_;
  std::string commandLine_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

TApplication& Application();

// The arguments of a command line as the platform splits them: white space separates
// them, a double-quoted stretch may hold blanks and loses its quotes. Element 0 is the
// program.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The error box's text for a message: a full stop appended when the last character
// comes after "." in byte order.
std::string ErrorBoxText(const std::string& message);
