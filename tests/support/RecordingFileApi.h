#pragma once
#include <string>
#include <vector>

#include "engine/FileApi.h"

// The real file calls, with a record of what was asked and a way to make one kind of
// call fail. Wine accepts but does not keep a creation time or a rename that changes
// letter case only, so tests check those through the record.
class RecordingFileApi : public FileApi {
 public:
  enum class Op { GetAttributes, SetAttributes, Open, GetTimes, SetTimes, Close, Move };

  struct Call {
    Op op;
    std::string path;    // path of the call (the source of a move)
    std::string target;  // destination of a move
    DWORD value = 0;     // attributes set, or the access asked for by Open
    FILETIME creation{}, lastAccess{}, lastWrite{};  // what SetTimes was given
  };

  // Fails the n-th call (1-based) of op, and every later one when fromThenOn. A failed
  // call is recorded but never reaches the file system.
  void FailCall(Op op, int n, bool fromThenOn = false);

  const std::vector<Call>& Calls() const { return calls_; }
  std::vector<Call> CallsOf(Op op) const;
  int Count(Op op) const { return static_cast<int>(CallsOf(op).size()); }

  DWORD GetAttributes(const std::string& path) const override;
  bool SetAttributes(const std::string& path, DWORD attributes) const override;
  HANDLE Open(const std::string& path, DWORD access) const override;
  bool GetTimes(HANDLE file, FILETIME* creation, FILETIME* lastAccess,
                FILETIME* lastWrite) const override;
  bool SetTimes(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess,
                const FILETIME* lastWrite) const override;
  void Close(HANDLE file) const override;
  bool Move(const std::string& from, const std::string& to) const override;

 private:
  bool Record(Call call) const;  // false when this call is to fail

  mutable std::vector<Call> calls_;
  Op failOp_ = Op::Close;
  int failAt_ = 0;
  bool failFromThenOn_ = false;
};
