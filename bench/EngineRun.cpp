#include "bench/EngineRun.h"

#include <cstdio>

#include "bench/BenchSupport.h"

std::vector<std::string> Targets(const std::string& folder, int count) {
  std::vector<std::string> out;
  char name[32];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "\\file%06d.txt", i);
    out.push_back(folder + name);
  }
  return out;
}

double RunEngine(const std::string& folder, int count, const ChangeSettings& settings) {
  BenchHost host;
  host.targets = Targets(folder, count);
  host.settings = settings;
  const double start = Seconds();
  RunConversion(host);
  return Seconds() - start;
}
