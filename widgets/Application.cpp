#include "widgets/Application.h"

#include <stdexcept>

#include "base/Sjis.h"
#include "widgets/Form.h"
#include "widgets/Wide.h"

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::Initialize() {
  // Vista and later scale the windows of programs that do not declare themselves
  // dpi-aware; older systems do not know the call, so it is looked up, not imported.
  if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
    using SetAware = BOOL(WINAPI*)();
    if (auto setAware = reinterpret_cast<SetAware>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDPIAware")))) {
      setAware();
    }
  }
  RegisterFormClass();
}

void TApplication::AfterCreate(TForm* form) {
  if (form->OnCreate) {
    try {
      form->OnCreate();
    } catch (...) {
      HandleException();
    }
  }
  if (!mainForm_) mainForm_ = form;
}

void TApplication::Run() {
  if (!mainForm_) return;
  mainForm_->Show();
  while (!terminated_ && HandleMessage()) {
  }
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

bool TApplication::PreTranslate(MSG& msg) {
  TForm* form = TForm::FromHandle(GetAncestor(msg.hwnd, GA_ROOT));
  if (!form || !IsWindowEnabled(form->Handle())) return false;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) & 0x8000) &&
      !(GetKeyState(VK_MENU) & 0x8000)) {
    form->SelectNext(form->ActiveControl(), !(GetKeyState(VK_SHIFT) & 0x8000));
    return true;
  }
  if (msg.message == WM_CHAR && form->KeyPreview() && msg.wParam < 0x80) {
    char key = static_cast<char>(msg.wParam);
    try {
      form->KeyPress(key);
    } catch (...) {
      HandleException();
    }
    if (key == 0) return true;
    msg.wParam = static_cast<unsigned char>(key);
  }
  return false;
}

void TApplication::Dispatch(MSG& msg) {
  if (PreTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

bool TApplication::HandleMessage() {
  MSG msg;
  const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    // Leave the quit message for the outermost loop too.
    if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
    terminated_ = true;
    return false;
  }
  Dispatch(msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      terminated_ = true;
      return;
    }
    Dispatch(msg);
  }
}

std::string ErrorBoxText(const std::string& message) {
  if (message.empty()) return message;
  // The first byte of the last character decides, as for any text in this code page.
  std::size_t last = 0;
  for (std::size_t i = 0; i < message.size(); i = sjis::NextChar(message, i)) last = i;
  return static_cast<unsigned char>(message[last]) > '.' ? message + "." : message;
}

void TApplication::ShowException(const std::exception& error) {
  const std::wstring text = FromShiftJis(ErrorBoxText(error.what()));
  const std::wstring caption = FromShiftJis(title_);
  MessageBoxW(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void TApplication::HandleException() {
  try {
    throw;
  } catch (const std::exception& e) {
    ShowException(e);
  } catch (...) {
    ShowException(std::runtime_error("Unknown error"));
  }
}

std::string TApplication::ExeName() const {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> SplitCommandLine(const std::string& line) {
  // Blanks and quotes are single bytes that never occur inside a double-byte character,
  // so the line can be read byte by byte.
  std::vector<std::string> args;
  std::size_t i = 0;
  for (;;) {
    while (i < line.size() && static_cast<unsigned char>(line[i]) <= ' ') ++i;
    if (i >= line.size()) break;
    std::string arg;
    bool quoted = false;
    while (i < line.size() && (quoted || static_cast<unsigned char>(line[i]) > ' ')) {
      if (line[i] == '"') {
        quoted = !quoted;
      } else {
        arg += line[i];
      }
      ++i;
    }
    args.push_back(std::move(arg));
  }
  return args;
}

std::vector<std::string> TApplication::Arguments() const {
  return SplitCommandLine(commandLine_.empty() ? std::string(GetCommandLineA()) : commandLine_);
}

int TApplication::ParamCount() const {
  const auto args = Arguments();
  return args.empty() ? 0 : static_cast<int>(args.size()) - 1;
}

std::string TApplication::ParamStr(int index) const {
  if (index == 0) return ExeName();
  const auto args = Arguments();
  return index > 0 && index < static_cast<int>(args.size()) ? args[index] : std::string();
}
