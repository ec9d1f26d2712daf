#pragma once

#include <string>

#include "SubnetCalcEngine.h"

// A typed address split into its four fields; the fields are within their ranges
// unless stated otherwise.
inline OctetEntry TypedAddress(const std::string& dotted, bool firstValid = true,
                               bool allValid = true) {
  OctetEntry entry;
  std::size_t start = 0;
  for (std::string& octet : entry.strOctet) {
    const std::size_t dot = dotted.find('.', start);
    octet = dotted.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    start = dot == std::string::npos ? dotted.size() : dot + 1;
  }
  entry.bFirstValid = firstValid;
  entry.bAllValid = allValid;
  return entry;
}

// The calculator after the address was typed and a prefix picked in the prefix list.
inline CSubnetCalcEngine CalculatorOn(const std::string& dotted, int prefix) {
  CSubnetCalcEngine engine;
  const OctetEntry entry = TypedAddress(dotted);
  engine.UpdateAddressClass(entry);
  engine.SelectParameterRow(ParameterList::Prefix, prefix - 2);
  engine.SyncParameterLists(ParameterList::Prefix, entry);
  return engine;
}

inline std::string SelectedText(const CSubnetCalcEngine& engine, ParameterList list) {
  const ParameterRows& rows = engine.List(list);
  return rows.rows.at(static_cast<std::size_t>(rows.nSelected));
}
