#pragma once
// Lines kept in memory, with a change event that fires once per batch.
#include "framework/Events.h"
#include "framework/TStrings.h"

class TStringList : public TStrings {
 public:
  TRAINER_CLASS_INFO()

  TStringList() = default;
  TStringList(std::initializer_list<std::string> lines);

  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& text) override;
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;

  // Byte order on the lines as written (ASCII case folded unless CaseSensitive).
  void Sort();
  bool CaseSensitive = false;

  // After every change, or once at the end of a BeginUpdate/EndUpdate batch.
  TNotifyEvent OnChange;

 protected:
  void SetUpdateState(bool updating) override;
  bool CaseSensitiveCompare() const override { return CaseSensitive; }

 private:
  void Changed();
  std::size_t CheckIndex(int index, int limit) const;

  std::vector<std::string> lines_;
  bool changedInBatch_ = false;
};
