#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/ConversionRun.h"

// The conversion engine with the least a host can be: settings and targets held in
// memory, lines kept in a vector, nothing shown. The floor every window layer is
// measured against.
class BenchHost : public ConversionHost {
 public:
  std::vector<std::string> targets;
  ChangeSettings settings;
  std::unique_ptr<LogList> records;
  std::vector<std::string> lines;

  ChangeSettings Settings() override { return settings; }
  int TargetCount() override { return static_cast<int>(targets.size()); }
  std::string Target(int i) override { return targets[i]; }
  LogList& NewLogList() override {
    records = std::make_unique<LogList>();
    return *records;
  }
  void AppendLine(const std::string& line) override { lines.push_back(line); }
  void SetLine(int i, const std::string& line) override { lines[i] = line; }
  void DiscardResults() override {}
  void ShowResults() override {}
  bool UpdateListButtons() override { return true; }
  void UpdateChangeButton() override {}
  void FocusNextControl() override {}
  void ProcessMessages() override {}
};

// The full paths of the files MakeFiles made in folder, in their order.
std::vector<std::string> Targets(const std::string& folder, int count);

// One conversion run of the engine alone over the files MakeFiles made; its seconds.
double RunEngine(const std::string& folder, int count, const ChangeSettings& settings);
