// The whole program in-process on N files (10,000 unless the first argument says
// otherwise): a folder dropped on the empty target list, every change on, the run
// through the Convert button, the result window shown and closed. Then the engine alone
// on N fresh files with the same settings, against which the windows' run is measured.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/Main.h"
#include "bench/BenchSupport.h"
#include "bench/EngineRun.h"
#include "result/Log.h"
#include "widgets/Application.h"

namespace {

// Accumulated time and count of one kind of call the run makes of the main window.
struct Cost {
  double seconds = 0;
  long calls = 0;
};

class Clocked {
 public:
  explicit Clocked(Cost& cost) : cost_(cost), start_(Seconds()) {}
  ~Clocked() {
    cost_.seconds += Seconds() - start_;
    ++cost_.calls;
  }
  Clocked(const Clocked&) = delete;
  Clocked& operator=(const Clocked&) = delete;

 private:
  Cost& cost_;
  double start_;
};

bool NeedsPaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

// The main window, clocking each call the conversion run makes of it, so that a run
// slower than the engine's shows where the difference goes. Its message pumps between
// files are clocked apart when the window had something to paint, and those must leave
// nothing unpainted behind.
class ClockedMainForm : public TMainForm {
 public:
  using TMainForm::TMainForm;
  Cost settings, target, appendLine, setLine, idlePump, paintingPump;
  int paintsLeftPending = 0;

  void Reset() { settings = target = appendLine = setLine = idlePump = paintingPump = Cost{}; }

  ChangeSettings Settings() override {
    Clocked c(settings);
    return TMainForm::Settings();
  }
  std::string Target(int index) override {
    Clocked c(target);
    return TMainForm::Target(index);
  }
  void AppendLine(const std::string& line) override {
    Clocked c(appendLine);
    TMainForm::AppendLine(line);
  }
  void SetLine(int index, const std::string& line) override {
    Clocked c(setLine);
    TMainForm::SetLine(index, line);
  }
  void ProcessMessages() override {
    const HWND list = mpScrollListBox.Handle();
    if (!NeedsPaint(Handle()) && !NeedsPaint(list)) {
      Clocked c(idlePump);
      TMainForm::ProcessMessages();
      return;
    }
    {
      Clocked c(paintingPump);
      TMainForm::ProcessMessages();
    }
    if (NeedsPaint(Handle()) || NeedsPaint(list)) ++paintsLeftPending;
  }
};

// The real file calls; now and then, after a rename, the whole main window is marked
// for repainting, as if another window had passed over it.
class RepaintProbe : public FileApi {
 public:
  RepaintProbe(HWND main, int every) : main_(main), every_(every) {}
  mutable int marked = 0;

  bool Move(const std::string& from, const std::string& to) const override {
    const bool moved = FileApi::Move(from, to);
    if (++moves_ % every_ == 0) {
      RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      ++marked;
    }
    return moved;
  }

 private:
  HWND main_;
  int every_;
  mutable int moves_ = 0;
};

// Drops paths on a window as the shell does: a real drop handle, released by its receiver.
void Drop(HWND window, const std::vector<std::string>& paths) {
  std::size_t bytes = sizeof(DROPFILES) + 1;
  for (const auto& p : paths) bytes += p.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  char* out = reinterpret_cast<char*>(header + 1);
  for (const auto& p : paths) {
    std::memcpy(out, p.c_str(), p.size() + 1);
    out += p.size() + 1;
  }
  GlobalUnlock(memory);
  SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

void Click(const TControl& control) { SendMessageW(control.Handle(), BM_CLICK, 0, 0); }

// Every panel on, through the controls as a user sets them: base name "new" with a
// serial from 000001, extension "dat", creation time in March 2001 and update time in
// March (the other members kept), the archive bit alone.
void TurnEveryChangeOn(TMainForm& m) {
  Click(m.mpChkboxFileName);
  m.mpEdtFileName.SetText("new");
  m.mpMedtFileName.SetText("000001");
  Click(m.mpChkboxExtName);
  m.mpEdtExtName.SetText("dat");
  Click(m.mpChkboxDateTime);
  m.mpComboFileMakeYear.SetItemIndex(22);
  m.mpComboFileMakeMonth.SetItemIndex(3);
  m.mpComboFileUpdateMonth.SetItemIndex(3);
  Click(m.mpChkboxAttr);
  Click(m.mpChkboxArchive);
}

struct WindowsRun {
  double fill = 0, run = 0, show = 0, close = 0;
  int entries = 0, records = 0, failedRecords = 0, entriesAfter = -1;
  ChangeSettings settings;
};

WindowsRun RunWindows(ClockedMainForm& m, const std::string& folder, RepaintProbe& probe) {
  WindowsRun r;
  m.Targets().AskFolder = [](const std::string&) { return IDYES; };

  double start = Seconds();
  Drop(m.Handle(), {folder});
  r.fill = Seconds() - start;
  r.entries = m.mpScrollListBox.Count();

  TurnEveryChangeOn(m);
  r.settings = m.Settings();
  m.SetFileApi(probe);
  Application().ProcessMessages();
  m.Reset();

  // The stages meet at the result window's show event and at the click on "閉じる",
  // which the show event posts as the user's answer.
  double runEnd = 0, closeStart = 0;
  const auto show = LogForm->OnShow;
  LogForm->OnShow = [&] {
    runEnd = Seconds();
    r.records = static_cast<int>(LogForm->mpLogList->size());
    for (const auto& record : *LogForm->mpLogList) {
      if (record->NameFailed || record->AttrFailed || record->TimeFailed) ++r.failedRecords;
    }
    show();
    PostMessageW(LogForm->mpBtnOK.Handle(), BM_CLICK, 0, 0);
  };
  const auto okClick = LogForm->mpBtnOK.OnClick;
  LogForm->mpBtnOK.OnClick = [&] {
    closeStart = Seconds();
    okClick();
  };
  start = Seconds();
  Click(m.mpBbtnChange);
  const double end = Seconds();
  r.run = runEnd - start;
  r.show = closeStart - runEnd;
  r.close = end - closeStart;
  r.entriesAfter = m.mpScrollListBox.Count();
  LogForm->OnShow = show;
  LogForm->mpBtnOK.OnClick = okClick;
  return r;
}

void PrintCost(const char* name, const Cost& c, int count) {
  std::printf("  %-26s %6ld calls %7.3f s (%7.1f us/call, %5.1f us/file)\n", name, c.calls, c.seconds,
              c.calls ? c.seconds * 1e6 / c.calls : 0.0, c.seconds * 1e6 / count);
}

}  // namespace

int main(int argc, char** argv) {
  // Under Wine every rename into a folder of N files scans the folder for a name that
  // differs in case only: one round of 10,000 files takes most of a minute per side, so
  // each side runs once.
  const int count = CountArgument(argc, argv, 10000);
  Application().Initialize();
  Application().SetTitle("Ribeto");
  auto* main = new ClockedMainForm(nullptr);
  MainForm = main;
  LogForm = new TLogForm(nullptr);
  LogForm->SetMainWindow(&MainForm->mpScrollListBox, [] { return MainForm->mpChkboxDateTime.Checked(); });
  main->Show();
  Application().ProcessMessages();

  const std::string windowsFolder = BenchFolder("windows");
  MakeFiles(windowsFolder, count);
  // A few marks only: a full repaint costs far more than a file, and the run is to be
  // measured as it goes on a screen where nothing passes over the window.
  RepaintProbe probe(main->Handle(), std::max(1, count / 5));
  const WindowsRun w = RunWindows(*main, windowsFolder, probe);
  RemoveTree(windowsFolder);

  const std::string engineFolder = BenchFolder("engine");
  MakeFiles(engineFolder, count);
  const double engine = RunEngine(engineFolder, count, w.settings);
  RemoveTree(engineFolder);

  std::printf("files: %d\n", count);
  std::printf("listed: %d, records: %d, with a failure: %d, listed after close: %d\n", w.entries, w.records,
              w.failedRecords, w.entriesAfter);
  std::printf("drop/fill: %.3f s\n", w.fill);
  std::printf("run:       %.3f s (%.1f us/file)\n", w.run, w.run * 1e6 / count);
  std::printf("show:      %.3f s\n", w.show);
  std::printf("close:     %.3f s\n", w.close);
  std::printf("calls of the run on the main window:\n");
  PrintCost("Settings", main->settings, count);
  PrintCost("Target", main->target, count);
  PrintCost("AppendLine", main->appendLine, count);
  PrintCost("SetLine", main->setLine, count);
  PrintCost("ProcessMessages, no paint", main->idlePump, count);
  PrintCost("ProcessMessages, repainting", main->paintingPump, count);
  std::printf("repainted between files: %ld of %d marked, %d left unpainted\n", main->paintingPump.calls,
              probe.marked, main->paintsLeftPending);
  std::printf("engine:    %.3f s (%.1f us/file)\n", engine, engine * 1e6 / count);
  std::printf("windows/engine ratio: %.2f\n", w.run / engine);
  const bool sound = w.entries == count && w.records == count && w.failedRecords == 0 && w.entriesAfter == 0 &&
                     main->paintingPump.calls == probe.marked && main->paintsLeftPending == 0;
  if (!sound) std::fprintf(stderr, "the windows' run did not go as planned: its figures do not count\n");
  delete LogForm;
  delete MainForm;
  return sound ? 0 : 1;
}
