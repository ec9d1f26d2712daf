#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "AddressArithmetic.h"

enum class ParameterList { Prefix = 0, Mask = 1, Subnets = 2, Hosts = 3 };

// One drop-down list: its rows in order of appending and the selected row (-1: none).
struct ParameterRows {
  std::vector<std::string> rows;
  int nSelected = -1;
};

// What the calculator window hands over from its four octet fields.
struct OctetEntry {
  std::array<std::string, 4> strOctet;
  bool bFirstValid = false;
  bool bAllValid = false;
};

// The calculator's state: detected class, the four linked lists and the result lines.
class CSubnetCalcEngine {
 public:
  void UpdateAddressClass(const OctetEntry& entry);
  void FillParameterLists(AddressClass c, bool bFirstValid);
  void SelectParameterRow(ParameterList list, int row);
  void SyncParameterLists(ParameterList source, const OctetEntry& entry);
  void ClearParameterLists();

  // Network of the typed address under the selected mask, or kIllegalAddress.
  uint32_t ComputeNetworkLine(const OctetEntry& entry);
  // Broadcast of the same; call right after ComputeNetworkLine.
  uint32_t ComputeBroadcastLine(const OctetEntry& entry);

  const ParameterRows& List(ParameterList list) const;

  AddressClass m_nClass = AddressClass::None;
  std::array<ParameterRows, 4> m_lists;
  std::string m_strClassLine = "Unknown Class";
  std::string m_strNetworkLine = "0.0.0.0";
  std::string m_strBroadcastLine = "0.0.0.0";
  bool m_bSupernetting = false;
  bool m_bNetworkLegal = false;

 private:
  ParameterRows& Rows(ParameterList list);
  const std::string* SelectedText(ParameterList list) const;
  // A class is stored and the prefix and mask lists have a selected row.
  bool HasSelectedMask() const;
  void EmptyLists();
};
