#pragma once
// The skin command message: one window message number whose wParam carries
// a command in its high word and the command's argument in its low word.
// The skin manager sends the skin-wide commands; controls, the form frame
// and the fade timers send and answer the rest.
#include "platform/windowing/WinTypes.h"

constexpr UINT SM_SKINCOMMAND = 0xA100;

// Command codes (the high word of wParam).
constexpr WORD SKC_SKIN_LOADED = 1;          // lParam = manager
constexpr WORD SKC_SKIN_REMOVED = 2;         // lParam = manager
constexpr WORD SKC_SKIN_CHANGED = 3;         // lParam = manager
constexpr WORD SKC_GET_FRAME_PROVIDER = 4;   // a form answers its frame-skinning object
constexpr WORD SKC_CHILD_REPAINT = 6;
constexpr WORD SKC_QUERY_SKINNED = 7;        // answer 1: the window takes part in the engine
constexpr WORD SKC_SET_UPDATING = 8;
constexpr WORD SKC_SET_PARENT_DEPENDENT = 9;
constexpr WORD SKC_QUERY_INVALID = 10;
constexpr WORD SKC_QUERY_PARTLY_HIDDEN = 11;
constexpr WORD SKC_QUERY_DROPPED_DOWN = 14;   // a combo box answers whether its list is open
constexpr WORD SKC_SET_LINKED = 15;
constexpr WORD SKC_FADE_DONE = 16;           // running fades end; sent before SKC_SKIN_CHANGED
constexpr WORD SKC_INVALIDATE = 17;
constexpr WORD SKC_QUERY_TRANSPARENT = 19;
constexpr WORD SKC_PARENT_MOVED = 20;
constexpr WORD SKC_GET_COLOR = 21;
constexpr WORD SKC_SET_PARTLY_HIDDEN = 22;
constexpr WORD SKC_PREPARE_FADE = 23;
constexpr WORD SKC_FADE_FRAME = 24;
constexpr WORD SKC_CONTROL_CHANGED = 25;
constexpr WORD SKC_GET_SKIN_INDEX = 26;
constexpr WORD SKC_GET_MANAGER = 27;
constexpr WORD SKC_MOUSE_ENTER = 29;         // lParam = manager
constexpr WORD SKC_MOUSE_LEAVE = 30;         // lParam = manager
constexpr WORD SKC_BEGIN_UPDATE = 31;
constexpr WORD SKC_END_UPDATE = 32;
constexpr WORD SKC_GET_BACKGROUND = 34;
constexpr WORD SKC_CACHE_MODE = 36;
constexpr WORD SKC_BEFORE_SCROLL = 51;
constexpr WORD SKC_AFTER_SCROLL = 52;
constexpr WORD SKC_GET_APPLICATION = 60;
constexpr WORD SKC_GET_CLIENT_OFFSET = 61;

// The wParam of a command with its argument.
constexpr WPARAM SkinCommand(WORD command, WORD argument = 0) { return MAKEWPARAM(argument, command); }
constexpr WORD SkinCommandOf(WPARAM wParam) { return HIWORD(wParam); }
constexpr WORD SkinArgumentOf(WPARAM wParam) { return LOWORD(wParam); }
