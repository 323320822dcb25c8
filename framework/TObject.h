#pragma once
// The root of the framework's classes: every object can name its class and
// answer its published-property table, which is what the layout reader and
// event senders (`Sender`) work with.
#include <string>

class TClassInfo;

class TObject {
 public:
  virtual ~TObject() = default;

  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }

  const std::string& ClassName() const;
  bool InheritsFrom(const TClassInfo& ancestor) const;
};

// Declares the class table of a framework class; the .cpp defines
// StaticClassInfo() with the class's published properties.
#define TRAINER_CLASS_INFO()                     \
  static const TClassInfo& StaticClassInfo();    \
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
