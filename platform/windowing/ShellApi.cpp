#include "platform/windowing/ShellApi.h"

#include "platform/windowing/WindowManager.h"

SHELL_RESULT ShellExecute(HWND owner, const std::string& operation, const std::string& file,
                          const std::string& parameters, const std::string& directory, int showCommand) {
  // Only links are opened; the parameters and the directory of a program
  // started with them have no use for a link.
  (void)parameters, (void)directory;
  if (operation != "open") return SE_ERR_NOASSOC;
  if (file.empty() || !wm().hasBackend()) return SE_ERR_FNF;
  wm().backend().openUrl(file, showCommand, owner);
  return SE_SUCCESS;
}
