#include "Dressings.h"

void DressButtons(CWnd& window, CRgn* pWindowRgn, const ButtonDressing* pButtons,
                  std::size_t nCount) {
  for (std::size_t i = 0; i < nCount; ++i) {
    const ButtonDressing& dressing = pButtons[i];
    CWnd* pControl =
        CWnd::FromHandlePermanent(::GetDlgItem(window, static_cast<int>(dressing.nID)));
    auto* pButton = dynamic_cast<CHoverButton*>(pControl);
    if (pButton == nullptr) continue;  // not bound as a hover button: left as it is
    pButton->SetImages(dressing.x, dressing.y, dressing.nNormalID, dressing.nHoverID, pWindowRgn);
    pButton->SizeToImage();
  }
}
