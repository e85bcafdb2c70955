#include "targets/TargetList.h"

#include "components/Folder.h"
#include "widgets/Form.h"
#include "widgets/MessageBox.h"
#include "widgets/Wide.h"

namespace {

// Releases the drop data on every path.
class DropData {
 public:
  explicit DropData(HDROP drop) : drop_(drop) {}
  ~DropData() { DragFinish(drop_); }
  DropData(const DropData&) = delete;
  DropData& operator=(const DropData&) = delete;
  HDROP Get() const { return drop_; }

 private:
  HDROP drop_;
};

}  // namespace

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TargetList::TargetList(const Controls& controls, std::function<void()> updateChangeButton)
    : AskFolder([this](const std::string& path) { return AskWithMessageBox(path); }),
      c_(controls),
      updateChangeButton_(std::move(updateChangeButton)) {}

int TargetList::AskWithMessageBox(const std::string& path) {
  const HWND main = c_.list.Form()->Handle();
  SetForegroundWindow(main);
  return AskYesNoCancel(main, FromAnsi(path) + FromShiftJis(" フォルダ内のファイルを選択しますか？"),
                        FromShiftJis("Ribeto"));
}

void TargetList::AddFile(const std::string& path) { c_.list.Add(path); }

bool TargetList::AddFolderFiles(const std::string& path) {
  const int answer = AskFolder(path);
  if (answer == IDCANCEL) return false;
  if (answer != IDYES) return true;

  TFolder folder(c_.owner);
  if (folder.Open(path)) {
    const std::string prefix = folder.GetFolderName() + "\\";
    for (int i = 0; i < folder.GetFileNo(); ++i) c_.list.Add(prefix + folder.Files(i));
  }
  for (int j = 0; j < folder.GetFolderNo(); ++j) {
    if (!AddFolderFiles(folder.GetFolderName() + "\\" + folder.Folders(j))) break;
  }
  folder.Close();
  return true;
}

void TargetList::DropFiles(HDROP drop) {
  DropData data(drop);
  const UINT n = DragQueryFileA(data.Get(), 0xFFFFFFFF, nullptr, 0);
  if (n == 0) return;
  {
    Batch batch(c_.list);
    char buffer[MAX_PATH + 1];
    for (UINT i = 0; i < n; ++i) {
      const UINT length = DragQueryFileA(data.Get(), i, buffer, sizeof buffer);
      const std::string path(buffer, length);
      if (IsFolder(path)) {
        AddFolderFiles(path);
      } else {
        AddFile(path);
      }
    }
  }
  UpdateListButtons();
  updateChangeButton_();
}

bool TargetList::UpdateListButtons() {
  c_.list.DispHorzScrollBar();
  const bool filled = c_.list.Count() > 0;
  c_.add.SetCaption(filled ? "追加" : "登録");
  c_.erase.SetEnabled(filled);
  c_.clear.SetEnabled(filled);
  c_.up.SetEnabled(filled);
  c_.down.SetEnabled(filled);
  c_.list.SetSorted(!filled);
  return filled;
}

void TargetList::AddClick() {
  if (c_.dialog.Execute(c_.list.Form()->Handle())) {
    Batch batch(c_.list);
    for (const std::string& path : c_.dialog.Files()) AddFile(path);
  }
  UpdateListButtons();
  updateChangeButton_();
}

void TargetList::EraseClick() {
  c_.list.DeleteSelected();
  UpdateListButtons();
  updateChangeButton_();
}

void TargetList::ClearClick() {
  c_.list.Clear();
  UpdateListButtons();
  updateChangeButton_();
}

void TargetList::UpClick() {
  TListBox& list = c_.list;
  const int n = list.Count();
  for (int i = 1; i < n; ++i) {
    if (list.Selected(i) && !list.Selected(i - 1)) {
      list.SetSelected(i, false);
      list.Exchange(i, i - 1);
      list.SetSelected(i - 1, true);
    }
  }
}

void TargetList::DownClick() {
  TListBox& list = c_.list;
  const int n = list.Count();
  for (int i = n - 2; i >= 0; --i) {
    if (list.Selected(i) && !list.Selected(i + 1)) {
      list.SetSelected(i, false);
      list.Exchange(i, i + 1);
      list.SetSelected(i + 1, true);
    }
  }
}
