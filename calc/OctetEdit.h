// One octet of the address: an edit field that knows its range and the control after it.
#pragma once

#include <cstdint>

#include "Afx.h"

class COctetEdit : public CEdit {
 public:
  COctetEdit() = default;

  // Set by the owner once the field is bound, before the window shows.
  void SetRange(int32_t nMin, int32_t nMax, HWND hNextFocus);

  // Whether the number in the first three characters of the text lies within the range.
  BOOL IsValueInRange() const;

  // Escape does nothing; Tab leaves, and Enter or a dot moves on, only from a valid field.
  BOOL PreTranslateMessage(MSG* pMsg) override;

 private:
  void ReportOutOfRange() const;

  HWND m_hNextFocus = nullptr;
  int32_t m_nMin = 0;
  int32_t m_nMax = 0;
};
