#pragma once
// The desktop shell's verb on a link, after the classic desktop API: "open"
// hands a link to the desktop's handler for it. The owner and the show
// command go with it; the desktop decides how far it can honour the show
// command (a desktop handler started by xdg-open opens its window as it
// likes; the headless backend records both).
#include <string>

#include "platform/windowing/WinTypes.h"

// What ShellExecute answers: above 32 on success, else an error code.
using SHELL_RESULT = std::intptr_t;
constexpr SHELL_RESULT SE_ERR_FNF = 2;        // nothing to open (an empty link)
constexpr SHELL_RESULT SE_ERR_NOASSOC = 31;   // an operation other than "open"
constexpr SHELL_RESULT SE_SUCCESS = 33;

SHELL_RESULT ShellExecute(HWND owner, const std::string& operation, const std::string& file,
                          const std::string& parameters, const std::string& directory, int showCommand);
