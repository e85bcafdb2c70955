#pragma once
#include <windows.h>
#include <shlobj.h>

#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Main.h"
#include "result/Log.h"
#include "tests/support/DropHandle.h"
#include "widgets/Application.h"

// The two windows as the program creates them, hidden, with the folder question answered
// from a queue instead of a message box.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().SetTitle("Ribeto");
    MainForm = new TMainForm(nullptr);
    LogForm = new TLogForm(nullptr);
    LogForm->SetMainWindow(&MainForm->mpScrollListBox, [] { return MainForm->mpChkboxDateTime.Checked(); });
    main = MainForm;
    realAsk = main->Targets().AskFolder;
    main->Targets().AskFolder = [this](const std::string& path) {
      asked.push_back(path);
      if (answers.empty()) return IDNO;
      const int answer = answers.front();
      if (answers.size() > 1) answers.pop_front();
      return answer;
    };
  }
  void TearDown() override {
    delete LogForm;
    delete MainForm;
    LogForm = nullptr;
    MainForm = nullptr;
  }

  static void Click(TControl& control) { SendMessageW(control.Handle(), BM_CLICK, 0, 0); }

  std::vector<std::string> Entries() const {
    std::vector<std::string> out;
    for (int i = 0; i < main->mpScrollListBox.Count(); ++i) out.push_back(main->mpScrollListBox.Strings(i));
    return out;
  }

  // Drops paths on the main window as the shell does.
  void Drop(const std::vector<std::string>& paths) {
    SendMessageW(main->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle(paths)), 0);
  }

  TMainForm* main = nullptr;
  std::function<int(const std::string&)> realAsk;  // the real message box
  std::deque<int> answers;        // IDYES, IDNO, IDCANCEL for the folder questions in turn
  std::vector<std::string> asked;  // the folders asked about, in order
};
