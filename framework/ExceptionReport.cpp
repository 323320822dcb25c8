#include "framework/ExceptionReport.h"

#include <iostream>
#include <string>

namespace {
TExceptionReporter& Reporter() {
  static TExceptionReporter reporter;
  return reporter;
}
}  // namespace

TExceptionReporter SetExceptionReporter(TExceptionReporter reporter) {
  TExceptionReporter old = std::move(Reporter());
  Reporter() = std::move(reporter);
  return old;
}

void ReportException(std::exception_ptr error) {
  if (Reporter()) {
    try {
      Reporter()(error);
      return;
    } catch (...) {
      // A failing reporter must not take the message loop down with it.
    }
  }
  std::cerr << "Unhandled exception: " << ExceptionMessage(error) << "\n";
}

std::string ExceptionMessage(std::exception_ptr error) {
  try {
    if (error) std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown error";
  }
  return {};
}
