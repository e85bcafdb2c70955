// A folder of N files (100,000 by default) dropped on the empty target list and answered
// Yes, through the real main window, drop handler and folder walk, against the floor: a
// bare loop of LB_ADDSTRING of the same paths into a plain sorted list box with redraw
// off. Then Erase with every second entry selected.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/Main.h"
#include "bench/BenchSupport.h"
#include "components/Folder.h"
#include "tests/support/DropHandle.h"
#include "widgets/Application.h"
#include "widgets/Wide.h"

namespace {

// The paths the walk gives for the folder, in walk order, and the time to get them.
std::vector<std::string> WalkPaths(const std::string& folder, double& seconds) {
  const double start = Seconds();
  TFolder walk(nullptr);
  std::vector<std::string> paths;
  if (walk.Open(folder)) {
    const std::string prefix = walk.GetFolderName() + "\\";
    paths.reserve(walk.GetFileNo());
    for (int i = 0; i < walk.GetFileNo(); ++i) paths.push_back(prefix + walk.Files(i));
  }
  seconds = Seconds() - start;
  return paths;
}

std::string ListText(HWND list, int index) {
  const LRESULT n = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (n == LB_ERR) return {};
  std::string text(n + 1, '\0');
  const LRESULT got = SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(got == LB_ERR ? 0 : got);
  return text;
}

std::vector<std::string> ListTexts(HWND list) {
  const int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  std::vector<std::string> out;
  out.reserve(n);
  for (int i = 0; i < n; ++i) out.push_back(ListText(list, i));
  return out;
}

// The floor: the list box's own sorted insertion, nothing around it.
double RunFloor(const std::vector<std::string>& paths, std::vector<std::string>& result) {
  const HWND list = CreateWindowExA(0, "LISTBOX", "", LBS_SORT | LBS_HASSTRINGS | WS_VSCROLL, 0,
                                    0, 300, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  const double start = Seconds();
  for (const std::string& p : paths) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p.c_str()));
  const double seconds = Seconds() - start;
  result = ListTexts(list);
  DestroyWindow(list);
  return seconds;
}

bool SortedByTheList(const std::vector<std::string>& entries) {
  for (std::size_t i = 1; i < entries.size(); ++i) {
    if (TListBox::CompareItems(FromAnsi(entries[i - 1]), FromAnsi(entries[i])) > 0) return false;
  }
  return true;
}

const char* YesNo(bool b) { return b ? "yes" : "NO"; }

}  // namespace

int main(int argc, char** argv) {
  const int count = CountArgument(argc, argv, 100000);

  double start = Seconds();
  // One folder per count, so that a quick run with a few files keeps the large set.
  const std::string folder = FilledBenchFolder(FilesFolderName(count), count);
  std::printf("files: %d (folder ready in %.1f s)\n", count, Seconds() - start);

  double walkSeconds = 0;
  const std::vector<std::string> paths = WalkPaths(folder, walkSeconds);
  std::vector<std::string> floorList;
  const double floor = RunFloor(paths, floorList);

  Application().SetTitle("Ribeto");
  MainForm = new TMainForm(nullptr);
  TMainForm& m = *MainForm;
  int questions = 0;
  m.Targets().AskFolder = [&](const std::string&) {
    ++questions;
    return IDYES;
  };
  const HWND list = m.mpScrollListBox.Handle();

  // The drop: walk, sorted insertion, UpdateListButtons (with DispHorzScrollBar) and
  // UpdateChangeButton, all inside the handler.
  HGLOBAL drop = MakeDropHandle({folder});
  start = Seconds();
  SendMessageW(m.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  const double add = Seconds() - start;
  const std::vector<std::string> added = ListTexts(list);

  start = Seconds();
  m.mpScrollListBox.DispHorzScrollBar();
  const double measure = Seconds() - start;

  // Erase with every second entry selected.
  for (int i = 1; i < count; i += 2) SendMessageW(list, LB_SETSEL, TRUE, i);
  start = Seconds();
  SendMessageW(m.mpBbtnErase.Handle(), BM_CLICK, 0, 0);
  const double erase = Seconds() - start;
  const std::vector<std::string> kept = ListTexts(list);
  bool eraseRight = kept.size() == added.size() - added.size() / 2;
  for (std::size_t i = 0; eraseRight && i < kept.size(); ++i) eraseRight = kept[i] == added[2 * i];

  // One at a time through the program's own list, on a sample added in reverse order:
  // it must agree with the sample's order in the batch's result.
  SendMessageW(m.mpBbtnClr.Handle(), BM_CLICK, 0, 0);
  std::vector<std::string> sample;
  for (std::size_t i = 0; i < paths.size(); i += 97) sample.push_back(paths[i]);
  for (auto it = sample.rbegin(); it != sample.rend(); ++it) m.mpScrollListBox.Add(*it);
  std::vector<std::string> expected;
  std::vector<std::string> sortedSample = sample;
  std::sort(sortedSample.begin(), sortedSample.end());
  for (const std::string& s : added) {
    if (std::binary_search(sortedSample.begin(), sortedSample.end(), s)) expected.push_back(s);
  }
  const bool sampleAgrees = ListTexts(list) == expected;

  delete MainForm;
  MainForm = nullptr;

  std::printf("folder questions: %d, entries: %zu\n", questions, added.size());
  std::printf("sorted by the list's order: %s\n", YesNo(SortedByTheList(added)));
  std::printf("same as the sorted list box: %s\n", YesNo(added == floorList));
  std::printf("sample of %zu added one at a time agrees: %s\n", sample.size(), YesNo(sampleAgrees));
  std::printf("erase kept exactly the unselected entries: %s\n", YesNo(eraseRight));
  std::printf("folder walk alone: %.3f s\n", walkSeconds);
  std::printf("DispHorzScrollBar alone: %.3f s\n", measure);
  std::printf("erase of %d selected: %.3f s\n", count / 2, erase);
  std::printf("list add (drop, walk, sort, buttons): %.3f s (%.1f us/entry)\n", add, add * 1e6 / count);
  std::printf("floor (LB_ADDSTRING, LBS_SORT): %.3f s (%.1f us/entry)\n", floor, floor * 1e6 / count);
  std::printf("list add/floor ratio: %.2f\n", add / floor);
  return 0;
}
