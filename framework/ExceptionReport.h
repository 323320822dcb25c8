#pragma once
// Where exceptions escaping event handlers end up: the application shows them
// in its standard error box and the program goes on. Window procedures and
// timers catch everything and hand it here.
#include <exception>
#include <functional>
#include <string>

using TExceptionReporter = std::function<void(std::exception_ptr)>;

// Installs the reporter (the application does at start); answers the old one.
TExceptionReporter SetExceptionReporter(TExceptionReporter reporter);
// Reports the exception being handled; without a reporter it goes to stderr.
void ReportException(std::exception_ptr error);
// The text of an exception for error boxes.
std::string ExceptionMessage(std::exception_ptr error);
