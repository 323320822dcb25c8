#pragma once
// An ordered list of text lines. Subclasses decide where the lines live (a
// vector in TStringList, a list box window in the list controls); this base
// builds Add, IndexOf, Text and CommaText on a few primitives.
#include <string>
#include <string_view>
#include <vector>

#include "framework/TPersistent.h"

class TStrings : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  virtual int Count() const = 0;
  // The line at `index`; throws std::out_of_range outside 0..Count()-1.
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& text);
  virtual void Insert(int index, const std::string& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  std::string operator[](int index) const { return Get(index); }
  int Add(const std::string& text);
  void AddStrings(const TStrings& other);
  // The first line equal to `text` (ASCII case-insensitive unless the list
  // says otherwise), or -1.
  virtual int IndexOf(std::string_view text) const;

  // Lines joined with "\n" after each; setting splits at CR, LF or CR LF.
  std::string Text() const;
  void SetText(std::string_view text);
  // Lines separated by commas, quoted with " when they hold spaces, commas
  // or quotes (quotes doubled); setting also splits at unquoted spaces.
  std::string CommaText() const;
  void SetCommaText(std::string_view text);

  std::vector<std::string> ToVector() const;
  void SetStrings(const std::vector<std::string>& lines);

  void Assign(const TPersistent& source) override;

  // Batches many changes: subclasses hear SetUpdateState at the outer pair.
  void BeginUpdate();
  void EndUpdate();

 protected:
  virtual void SetUpdateState(bool /*updating*/) {}
  int UpdateCount() const { return updateCount_; }
  virtual bool CaseSensitiveCompare() const { return false; }

 private:
  int updateCount_ = 0;
};
