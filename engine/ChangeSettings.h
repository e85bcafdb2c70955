#pragma once
#include <string>

// What the main window's controls say a conversion run is to change. A check box
// counts as set only when checked; a time item 0 (or below, no selection) keeps the
// file's own value of that member.
struct ChangeSettings {
  bool ChangeName = false;
  std::string NameText;
  std::string NameNumber;  // the masked edit's text, blanks included
  int NameNumberItem = 0;  // 0: serial after the text; otherwise before

  bool ChangeExt = false;
  std::string ExtText;
  std::string ExtNumber;
  int ExtNumberItem = 0;

  bool ChangeTime = false;
  int MakeYearItem = 0, MakeMonthItem = 0, MakeDayItem = 0;
  int MakeHourItem = 0, MakeMinItem = 0, MakeSecItem = 0;
  int UpdateYearItem = 0, UpdateMonthItem = 0, UpdateDayItem = 0;
  int UpdateHourItem = 0, UpdateMinItem = 0, UpdateSecItem = 0;

  bool ChangeAttr = false;
  bool AttrReadOnly = false;
  bool AttrArchive = false;
  bool AttrHidden = false;
  bool AttrSystem = false;
};
