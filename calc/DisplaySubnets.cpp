// The "Display subnets" command: one network in a summary, or every subnet in the table.
#include "SubnetCalcDlg.h"

#include "AddressArithmetic.h"
#include "SubnetSummary.h"
#include "SubnetTableDlg.h"

void CSubnetCalcDlg::OnDisplaySubnets() {
  if (!AllOctetsValid()) return;
  // Empty lists have no mask to show anything for.
  if (m_engine.List(ParameterList::Subnets).nSelected < 0) return;

  const int32_t count = ParseDecimalToken(SelectedText(ParameterList::Subnets));
  const uint32_t mask = ParseDottedQuad(SelectedText(ParameterList::Mask));
  const OctetEntry entry = CurrentEntry();
  const uint32_t network = m_engine.ComputeNetworkLine(entry);
  const uint32_t broadcast = m_engine.ComputeBroadcastLine(entry);
  ShowEngineState();

  if (count != 1) {
    CSubnetTableDlg dlg;
    dlg.m_nSubnetCount = count;
    dlg.m_dwNetwork = network;
    dlg.m_dwMask = mask;
    dlg.DoModal();
    return;
  }
  const int32_t hosts = ParseDecimalToken(SelectedText(ParameterList::Hosts));
  AfxMessageBox(ComposeSubnetSummary(network, mask, broadcast, hosts).c_str(), MB_ICONINFORMATION);
}
