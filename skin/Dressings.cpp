#include "Dressings.h"

void DressButtons(CWnd& window, const ButtonDressing* pButtons, std::size_t nCount) {
  for (std::size_t i = 0; i < nCount; ++i) {
    const ButtonDressing& dressing = pButtons[i];
    CWnd* pControl =
        CWnd::FromHandlePermanent(::GetDlgItem(window, static_cast<int>(dressing.nID)));
    auto* pButton = dynamic_cast<CHoverButton*>(pControl);
    if (pButton == nullptr) continue;  // not bound as a hover button: left as it is
    // The window's outline already belongs to the system, which may have freed its handle;
    // every button lies within the outline, so none adds to it.
    pButton->SetImages(dressing.x, dressing.y, dressing.nNormalID, dressing.nHoverID, nullptr);
    pButton->SizeToImage();
  }
}
