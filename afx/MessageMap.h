// Static message tables: each window class lists (message, notification code, control id,
// handler) rows; the window procedure runs the first row that matches, searching the class's
// own table before its base class's. A class declares
//   static const MessageEntry kMessageEntries[];
//   static const MessageMap kMessageMap;
//   const MessageMap* GetMessageMap() const override { return &kMessageMap; }
// and defines the rows and the map, linked to its base's map, in its source file.
#pragma once

#include <windows.h>

#include <cstddef>

#include "Types.h"

class CWnd;
class CDC;

using MessageHandler = LRESULT (*)(CWnd* pWnd, WPARAM wParam, LPARAM lParam);

// For WM_COMMAND rows nCode is the notification and nID the control id; for WM_NOTIFY rows the
// same come from the NMHDR. Other messages match on the message alone.
struct MessageEntry {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  MessageHandler pfnHandler;
};

struct MessageMap {
  const MessageMap* pBaseMap;
  const MessageEntry* pEntries;
  std::size_t nCount;
};

CDC* TemporaryDC(HDC hDC);

namespace afx_detail {

template <class T>
T* As(CWnd* pWnd) {
  return static_cast<T*>(pWnd);
}

// One adapter per handler signature: it unpacks wParam and lParam the way the message
// carries them and turns the handler's result into the window procedure's.
template <class F>
struct Crack;

template <class T>
struct Crack<void (T::*)()> {
  template <void (T::*F)()>
  static LRESULT Call(CWnd* w, WPARAM, LPARAM) {
    (As<T>(w)->*F)();
    return 0;
  }
};

template <class T>
struct Crack<int (T::*)(LPCREATESTRUCT)> {
  template <int (T::*F)(LPCREATESTRUCT)>
  static LRESULT Call(CWnd* w, WPARAM, LPARAM l) {
    return (As<T>(w)->*F)(reinterpret_cast<LPCREATESTRUCT>(l));
  }
};

template <class T>
struct Crack<BOOL (T::*)(CDC*)> {
  template <BOOL (T::*F)(CDC*)>
  static LRESULT Call(CWnd* w, WPARAM wp, LPARAM) {
    return (As<T>(w)->*F)(TemporaryDC(reinterpret_cast<HDC>(wp)));
  }
};

template <class T>
struct Crack<void (T::*)(UINT, CPoint)> {
  template <void (T::*F)(UINT, CPoint)>
  static LRESULT Call(CWnd* w, WPARAM wp, LPARAM l) {
    (As<T>(w)->*F)(static_cast<UINT>(wp), CPoint(l));
    return 0;
  }
};

template <class T>
struct Crack<void (T::*)(UINT, UINT, UINT)> {
  template <void (T::*F)(UINT, UINT, UINT)>
  static LRESULT Call(CWnd* w, WPARAM wp, LPARAM l) {
    (As<T>(w)->*F)(static_cast<UINT>(wp), LOWORD(l), HIWORD(l));
    return 0;
  }
};

template <class T>
struct Crack<void (T::*)(UINT_PTR)> {
  template <void (T::*F)(UINT_PTR)>
  static LRESULT Call(CWnd* w, WPARAM wp, LPARAM) {
    (As<T>(w)->*F)(static_cast<UINT_PTR>(wp));
    return 0;
  }
};

template <class T>
struct Crack<BOOL (T::*)(HELPINFO*)> {
  template <BOOL (T::*F)(HELPINFO*)>
  static LRESULT Call(CWnd* w, WPARAM, LPARAM l) {
    return (As<T>(w)->*F)(reinterpret_cast<HELPINFO*>(l));
  }
};

template <class T>
struct Crack<void (T::*)(NMHDR*, LRESULT*)> {
  template <void (T::*F)(NMHDR*, LRESULT*)>
  static LRESULT Call(CWnd* w, WPARAM, LPARAM l) {
    LRESULT result = 0;
    (As<T>(w)->*F)(reinterpret_cast<NMHDR*>(l), &result);
    return result;
  }
};

}  // namespace afx_detail

// The table's handler column: Handler<&CMyDialog::OnSomething>.
template <auto F>
constexpr MessageHandler Handler = &afx_detail::Crack<decltype(F)>::template Call<F>;
