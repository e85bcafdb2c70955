#include "tests/support/RecordingFileApi.h"

void RecordingFileApi::FailCall(Op op, int n, bool fromThenOn) {
  failOp_ = op;
  failAt_ = n;
  failFromThenOn_ = fromThenOn;
}

std::vector<RecordingFileApi::Call> RecordingFileApi::CallsOf(Op op) const {
  std::vector<Call> out;
  for (const Call& c : calls_) {
    if (c.op == op) out.push_back(c);
  }
  return out;
}

bool RecordingFileApi::Record(Call call) const {
  const Op op = call.op;
  calls_.push_back(std::move(call));
  if (failAt_ == 0 || op != failOp_) return true;
  const int n = Count(op);
  return !(n == failAt_ || (failFromThenOn_ && n > failAt_));
}

DWORD RecordingFileApi::GetAttributes(const std::string& path) const {
  if (!Record({.op = Op::GetAttributes, .path = path})) return INVALID_FILE_ATTRIBUTES;
  return FileApi::GetAttributes(path);
}

bool RecordingFileApi::SetAttributes(const std::string& path, DWORD attributes) const {
  if (!Record({.op = Op::SetAttributes, .path = path, .value = attributes})) return false;
  return FileApi::SetAttributes(path, attributes);
}

HANDLE RecordingFileApi::Open(const std::string& path, DWORD access) const {
  if (!Record({.op = Op::Open, .path = path, .value = access})) return INVALID_HANDLE_VALUE;
  return FileApi::Open(path, access);
}

bool RecordingFileApi::GetTimes(HANDLE file, FILETIME* creation, FILETIME* lastAccess,
                                FILETIME* lastWrite) const {
  if (!Record({.op = Op::GetTimes})) return false;
  return FileApi::GetTimes(file, creation, lastAccess, lastWrite);
}

bool RecordingFileApi::SetTimes(HANDLE file, const FILETIME* creation,
                                const FILETIME* lastAccess, const FILETIME* lastWrite) const {
  if (!Record({.op = Op::SetTimes, .creation = *creation, .lastAccess = *lastAccess, .lastWrite = *lastWrite})) return false;
  return FileApi::SetTimes(file, creation, lastAccess, lastWrite);
}

void RecordingFileApi::Close(HANDLE file) const {
  Record({.op = Op::Close});
  FileApi::Close(file);
}

bool RecordingFileApi::Move(const std::string& from, const std::string& to) const {
  if (!Record({.op = Op::Move, .path = from, .target = to})) return false;
  return FileApi::Move(from, to);
}
