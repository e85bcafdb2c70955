#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "base/Component.h"
#include "targets/ScrollListBox.h"
#include "widgets/Button.h"
#include "widgets/OpenDialog.h"

// The target list's operations on the main window's controls: adding files through the
// dialog, by drop and by the folder walk, removing and moving entries, and the buttons
// and sorted mode that follow the list.
class TargetList {
 public:
  struct Controls {
    TComponent* owner;  // the main window, owner of the folders walked
    TScrollListBox& list;
    TBitBtn& add;
    TBitBtn& erase;
    TBitBtn& clear;
    TSpeedButton& up;
    TSpeedButton& down;
    TOpenDialog& dialog;
  };
  TargetList(const Controls& controls, std::function<void()> updateChangeButton);

  // Asks "<path> フォルダ内のファイルを選択しますか？" and returns IDYES, IDNO or IDCANCEL.
  // Tests replace it to answer without a message box.
  std::function<int(const std::string& path)> AskFolder;

  // Asks about the folder, adds its files, and walks its subfolders the same way;
  // false only when the user answered Cancel for this folder.
  bool AddFolderFiles(const std::string& path);
  // Adds one path as an entry (sorted in sorted mode, else at the end).
  void AddFile(const std::string& path);
  // Adds what was dropped and releases the drop data.
  void DropFiles(HDROP drop);
  // Sets the extent, Add's caption, the list buttons and sorted mode; true when the list
  // is not empty.
  bool UpdateListButtons();

  void AddClick();
  void EraseClick();
  void ClearClick();
  void UpClick();
  void DownClick();

  // Holds redrawing and gathers sorted additions for one batch.
  class Batch {
   public:
    explicit Batch(TListBox& list) : list_(list) { list_.BeginUpdate(); }
    ~Batch() { list_.EndUpdate(); }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    TListBox& list_;
  };

 private:
  int AskWithMessageBox(const std::string& path);

  Controls c_;
  std::function<void()> updateChangeButton_;
};

// Whether a path names an existing folder: its attributes can be read and carry the
// directory bit.
bool IsFolder(const std::string& path);
