#include "CalculatorSteps.h"

#include "UiDriver.h"
#include "app/resource.h"

void EnterAddressAndPrefix(HWND calc, const std::string& address, const std::string& prefix) {
  ui::BringToFront(calc);
  ui::ClickCenter(ui::Control(calc, IDC_OCTET1));
  ui::TypeText(address);
  const std::string lastOctet = address.substr(address.find_last_of('.') + 1);
  ui::WaitUntil([&] { return ui::Text(calc, IDC_OCTET4) == lastOctet; }, "the address typed");
  HWND prefixList = ui::Control(calc, IDC_PREFIX_LIST);
  ui::WaitUntil([&] { return ui::ComboRowCount(prefixList) > 0; }, "the prefix list filled");
  ui::PickComboRowWithMouse(prefixList, ui::ComboRowOf(prefixList, prefix));
  ui::WaitUntil([&] { return ui::ComboSelectedText(prefixList) == prefix; }, "prefix " + prefix);
}
