#pragma once
// Registers the standard window classes ("BUTTON", "EDIT", "LISTBOX",
// "ComboLBox", "COMBOBOX", "STATIC", "msctls_updown32", "#32770" and
// "#32768"). Call once after installing the backend, before creating
// controls; calling again re-registers whatever was unregistered meanwhile
// (a fresh windowing state in tests).
void RegisterStandardClasses();
