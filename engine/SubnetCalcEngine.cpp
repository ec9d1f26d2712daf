#include "SubnetCalcEngine.h"

namespace {

constexpr int kFirstPrefix = 2;
constexpr int kLastPrefix = 30;

constexpr const char* kSupernetMark = " (supernetting)";
constexpr const char* kNoBitsToSupernet = "Illegal. Not enough bits to supernet!";
constexpr const char* kBroadcastAllOnes = "Illegal. Broadcast is all ones!";
// The lines' initial text, shown again when there is nothing to compute.
constexpr const char* kNoResult = "0.0.0.0";

std::size_t Index(ParameterList list) {
  return static_cast<std::size_t>(list);
}

const char* ClassLine(AddressClass c) {
  switch (c) {
    case AddressClass::A:
      return "Class A Address";
    case AddressClass::B:
      return "Class B Address";
    case AddressClass::C:
      return "Class C Address";
    case AddressClass::None:
      break;
  }
  return "Unknown Class";
}

uint32_t TypedAddress(const OctetEntry& entry) {
  const auto& o = entry.strOctet;
  return ParseDottedQuad(o[0] + "." + o[1] + "." + o[2] + "." + o[3]);
}

}  // namespace

const ParameterRows& CSubnetCalcEngine::List(ParameterList list) const {
  return m_lists[Index(list)];
}

ParameterRows& CSubnetCalcEngine::Rows(ParameterList list) {
  return m_lists[Index(list)];
}

const std::string* CSubnetCalcEngine::SelectedText(ParameterList list) const {
  const ParameterRows& l = List(list);
  if (l.nSelected < 0 || static_cast<std::size_t>(l.nSelected) >= l.rows.size()) return nullptr;
  return &l.rows[static_cast<std::size_t>(l.nSelected)];
}

bool CSubnetCalcEngine::HasSelectedMask() const {
  return m_nClass != AddressClass::None && SelectedText(ParameterList::Prefix) != nullptr &&
         SelectedText(ParameterList::Mask) != nullptr;
}

void CSubnetCalcEngine::EmptyLists() {
  for (ParameterRows& l : m_lists) {
    l.rows.clear();
    l.nSelected = -1;
  }
}

void CSubnetCalcEngine::UpdateAddressClass(const OctetEntry& entry) {
  const std::string_view first = std::string_view(entry.strOctet[0]).substr(0, 3);
  if (first.empty()) return;
  const AddressClass c = ClassOfFirstOctet(ParseDecimalToken(first));
  if (c == AddressClass::None) return;
  m_strClassLine = ClassLine(c);
  // Empty lists of the same class are refilled too: otherwise an out-of-range first
  // octet corrected within its class would leave the calculator without lists.
  if (c != m_nClass || List(ParameterList::Prefix).rows.empty()) {
    FillParameterLists(c, entry.bFirstValid);
    m_nClass = c;
  }
  if (entry.bAllValid) SyncParameterLists(ParameterList::Prefix, entry);
}

void CSubnetCalcEngine::FillParameterLists(AddressClass c, bool bFirstValid) {
  EmptyLists();
  const int cp = ClassfulPrefix(c);
  if (!bFirstValid || cp == 0) return;
  int classfulRow = -1;
  for (int p = kFirstPrefix; p <= kLastPrefix; ++p) {
    const uint32_t subnets = p < cp ? 1u : 1u << (p - cp);
    const uint32_t hosts = (1u << (32 - p)) - 2u;
    if (p == cp) classfulRow = p - kFirstPrefix;
    Rows(ParameterList::Prefix).rows.push_back(std::to_string(p));
    Rows(ParameterList::Mask).rows.push_back(FormatDottedQuad(MaskOfPrefix(p)));
    Rows(ParameterList::Subnets).rows.push_back(std::to_string(subnets));
    Rows(ParameterList::Hosts).rows.push_back(std::to_string(hosts));
  }
  for (ParameterRows& l : m_lists) l.nSelected = classfulRow;
}

void CSubnetCalcEngine::SelectParameterRow(ParameterList list, int row) {
  Rows(list).nSelected = row;
}

void CSubnetCalcEngine::SyncParameterLists(ParameterList source, const OctetEntry& entry) {
  if (!entry.bAllValid) return;
  const int row = List(source).nSelected;
  for (ParameterRows& l : m_lists) l.nSelected = row;
  ComputeNetworkLine(entry);
  ComputeBroadcastLine(entry);
}

void CSubnetCalcEngine::ClearParameterLists() {
  EmptyLists();
  m_nClass = AddressClass::None;
}

uint32_t CSubnetCalcEngine::ComputeNetworkLine(const OctetEntry& entry) {
  if (!HasSelectedMask()) {
    m_strNetworkLine = kNoResult;
    m_bSupernetting = false;
    m_bNetworkLegal = false;
    return kIllegalAddress;
  }
  const uint32_t network =
      TypedAddress(entry) & ParseDottedQuad(*SelectedText(ParameterList::Mask));
  std::string text = FormatDottedQuad(network);
  m_bSupernetting =
      ParseDecimalToken(*SelectedText(ParameterList::Prefix)) < ClassfulPrefix(m_nClass);
  if (m_bSupernetting) text += kSupernetMark;
  m_bNetworkLegal = network != 0;
  m_strNetworkLine = m_bNetworkLegal ? text : kNoBitsToSupernet;
  return m_bNetworkLegal ? network : kIllegalAddress;
}

uint32_t CSubnetCalcEngine::ComputeBroadcastLine(const OctetEntry& entry) {
  if (!HasSelectedMask()) {
    m_strBroadcastLine = kNoResult;
    return kIllegalAddress;
  }
  if (m_bSupernetting && !m_bNetworkLegal) {
    m_strBroadcastLine = kNoBitsToSupernet;
    return kIllegalAddress;
  }
  const uint32_t broadcast =
      TypedAddress(entry) | ~ParseDottedQuad(*SelectedText(ParameterList::Mask));
  m_strBroadcastLine =
      broadcast == kIllegalAddress ? kBroadcastAllOnes : FormatDottedQuad(broadcast);
  return broadcast;
}
