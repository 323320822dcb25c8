// System queries: metrics, clipboard, links, beeps, and the backend itself.
#include "platform/windowing/WinUser.h"
#include "platform/windowing/WindowManager.h"

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN: return wm().hasBackend() ? wm().backend().screenSize().cx : 1280;
    case SM_CYSCREEN: return wm().hasBackend() ? wm().backend().screenSize().cy : 1024;
    case SM_CXFULLSCREEN: return GetSystemMetrics(SM_CXSCREEN);
    case SM_CYFULLSCREEN: return GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYCAPTION);
    // The classic look at 96 dots per inch.
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 19;
    case SM_CYSMCAPTION: return 16;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CXSMSIZE: return 12;
    case SM_CYSMSIZE: return 15;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 19;
    case SM_CXMIN:
    case SM_CXMINTRACK: return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK: return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    default: return 0;
  }
}

std::string GetClipboardText() { return wm().hasBackend() ? wm().backend().clipboardText() : std::string(); }

BOOL SetClipboardText(const std::string& utf8) {
  if (!wm().hasBackend()) return FALSE;
  wm().backend().setClipboardText(utf8);
  return TRUE;
}

BOOL OpenURL(const std::string& url) {
  if (!wm().hasBackend() || url.empty()) return FALSE;
  wm().backend().openUrl(url, SW_SHOWNORMAL, nullptr);
  return TRUE;
}

BOOL MessageBeep(UINT) { return TRUE; }

void SetBackend(std::unique_ptr<Backend> backend) { wm().setBackend(std::move(backend)); }
Backend* CurrentBackend() { return wm().hasBackend() ? &wm().backend() : nullptr; }
void ShutdownWindowing() { wm().reset(); }
