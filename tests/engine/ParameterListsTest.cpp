#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "SubnetCalcEngine.h"

namespace {

constexpr ParameterList kAllLists[] = {ParameterList::Prefix, ParameterList::Mask,
                                       ParameterList::Subnets, ParameterList::Hosts};

// The texts of one row in the four lists: prefix, mask, subnets, hosts.
using RowTexts = std::array<std::string, 4>;

RowTexts RowAt(const CSubnetCalcEngine& engine, int row) {
  RowTexts texts;
  for (ParameterList list : kAllLists) {
    texts[static_cast<std::size_t>(list)] =
        engine.List(list).rows.at(static_cast<std::size_t>(row));
  }
  return texts;
}

// Every list has `row` selected, whose texts are `want`.
void ExpectAllOnRow(const CSubnetCalcEngine& engine, int row, const RowTexts& want) {
  for (ParameterList list : kAllLists) {
    EXPECT_EQ(engine.List(list).nSelected, row) << "list " << static_cast<int>(list);
  }
  EXPECT_EQ(RowAt(engine, row), want);
}

void ExpectListsEmpty(const CSubnetCalcEngine& engine) {
  for (ParameterList list : kAllLists) {
    EXPECT_TRUE(engine.List(list).rows.empty()) << "list " << static_cast<int>(list);
    EXPECT_EQ(engine.List(list).nSelected, -1) << "list " << static_cast<int>(list);
  }
}

TEST(CalculatorState, StartsWithTheTemplateTextsAndEmptyLists) {
  const CSubnetCalcEngine engine;
  EXPECT_EQ(engine.m_nClass, AddressClass::None);
  EXPECT_EQ(engine.m_strClassLine, "Unknown Class");
  EXPECT_EQ(engine.m_strNetworkLine, "0.0.0.0");
  EXPECT_EQ(engine.m_strBroadcastLine, "0.0.0.0");
  EXPECT_FALSE(engine.m_bSupernetting);
  EXPECT_FALSE(engine.m_bNetworkLegal);
  ExpectListsEmpty(engine);
}

struct TellingRow {
  int row;
  RowTexts a, b, c;
};

const TellingRow kTellingRows[] = {
    {0,
     {"2", "192.0.0.0", "1", "1073741822"},
     {"2", "192.0.0.0", "1", "1073741822"},
     {"2", "192.0.0.0", "1", "1073741822"}},
    {6,
     {"8", "255.0.0.0", "1", "16777214"},
     {"8", "255.0.0.0", "1", "16777214"},
     {"8", "255.0.0.0", "1", "16777214"}},
    {7,
     {"9", "255.128.0.0", "2", "8388606"},
     {"9", "255.128.0.0", "1", "8388606"},
     {"9", "255.128.0.0", "1", "8388606"}},
    {14,
     {"16", "255.255.0.0", "256", "65534"},
     {"16", "255.255.0.0", "1", "65534"},
     {"16", "255.255.0.0", "1", "65534"}},
    {18,
     {"20", "255.255.240.0", "4096", "4094"},
     {"20", "255.255.240.0", "16", "4094"},
     {"20", "255.255.240.0", "1", "4094"}},
    {22,
     {"24", "255.255.255.0", "65536", "254"},
     {"24", "255.255.255.0", "256", "254"},
     {"24", "255.255.255.0", "1", "254"}},
    {23,
     {"25", "255.255.255.128", "131072", "126"},
     {"25", "255.255.255.128", "512", "126"},
     {"25", "255.255.255.128", "2", "126"}},
    {28,
     {"30", "255.255.255.252", "4194304", "2"},
     {"30", "255.255.255.252", "16384", "2"},
     {"30", "255.255.255.252", "64", "2"}},
};

TEST(FillParameterLists, OffersPrefixesTwoToThirtySeenFromFourSides) {
  for (AddressClass c : {AddressClass::A, AddressClass::B, AddressClass::C}) {
    CSubnetCalcEngine engine;
    engine.FillParameterLists(c, true);
    for (ParameterList list : kAllLists) ASSERT_EQ(engine.List(list).rows.size(), 29u);
    for (const auto& t : kTellingRows) {
      const RowTexts& want = c == AddressClass::A ? t.a : c == AddressClass::B ? t.b : t.c;
      EXPECT_EQ(RowAt(engine, t.row), want) << "class " << static_cast<int>(c) << " row " << t.row;
    }
  }
}

TEST(FillParameterLists, LeavesTheListsEmptyForAnInvalidFirstOctet) {
  CSubnetCalcEngine engine;
  engine.FillParameterLists(AddressClass::B, true);
  engine.FillParameterLists(AddressClass::C, false);
  ExpectListsEmpty(engine);
}

struct DetectCase {
  const char* firstOctet;
  AddressClass wantClass;
  const char* wantLine;
  int wantRow;
  RowTexts wantTexts;
};

const DetectCase kDetect[] = {
    {"172", AddressClass::B, "Class B Address", 14, {"16", "255.255.0.0", "1", "65534"}},
    {"10", AddressClass::A, "Class A Address", 6, {"8", "255.0.0.0", "1", "16777214"}},
    {"223", AddressClass::C, "Class C Address", 22, {"24", "255.255.255.0", "1", "254"}},
    {"1925", AddressClass::C, "Class C Address", 22, {"24", "255.255.255.0", "1", "254"}},
};

TEST(UpdateAddressClass, DetectsTheClassAndSelectsTheClassfulRow) {
  for (const auto& c : kDetect) {
    CSubnetCalcEngine engine;
    engine.UpdateAddressClass(TypedAddress(std::string(c.firstOctet) + ".16.5.4"));
    EXPECT_EQ(engine.m_nClass, c.wantClass) << c.firstOctet;
    EXPECT_EQ(engine.m_strClassLine, c.wantLine) << c.firstOctet;
    ExpectAllOnRow(engine, c.wantRow, c.wantTexts);
  }
}

TEST(UpdateAddressClass, ComputesTheLinesOnlyWhenAllFieldsAreValid) {
  CSubnetCalcEngine engine;
  engine.UpdateAddressClass(TypedAddress("172.16.5.", true, false));
  EXPECT_EQ(engine.m_strNetworkLine, "0.0.0.0");
  engine.UpdateAddressClass(TypedAddress("172.16.5.4"));
  EXPECT_EQ(engine.m_strNetworkLine, "172.16.0.0");
  EXPECT_EQ(engine.m_strBroadcastLine, "172.16.255.255");
}

TEST(UpdateAddressClass, KeepsTheRowsWhileTheClassStaysTheSame) {
  CSubnetCalcEngine engine = CalculatorOn("172.16.5.4", 20);
  engine.UpdateAddressClass(TypedAddress("150.16.5.4"));
  ExpectAllOnRow(engine, 18, {"20", "255.255.240.0", "16", "4094"});
  EXPECT_EQ(engine.m_strNetworkLine, "150.16.0.0");
  EXPECT_EQ(engine.m_strBroadcastLine, "150.16.15.255");

  engine.UpdateAddressClass(TypedAddress("10.16.5.4"));
  EXPECT_EQ(engine.m_strClassLine, "Class A Address");
  ExpectAllOnRow(engine, 6, {"8", "255.0.0.0", "1", "16777214"});
}

TEST(UpdateAddressClass, IgnoresAnEmptyFieldAndOctetsAboveClassC) {
  for (const char* first : {"", "224", "255", "999", "2245"}) {
    CSubnetCalcEngine engine = CalculatorOn("172.16.5.4", 20);
    engine.m_strNetworkLine = "untouched";
    // With the other fields valid a wrongly accepted first octet would recompute the line.
    engine.UpdateAddressClass(TypedAddress(std::string(first) + ".16.5.4", false, true));
    EXPECT_EQ(engine.m_nClass, AddressClass::B) << first;
    EXPECT_EQ(engine.m_strClassLine, "Class B Address") << first;
    EXPECT_EQ(engine.m_strNetworkLine, "untouched") << first;
    ExpectAllOnRow(engine, 18, {"20", "255.255.240.0", "16", "4094"});
  }
}

TEST(UpdateAddressClass, StoresTheClassOfAnOutOfRangeOctetButFillsNothing) {
  CSubnetCalcEngine engine;
  engine.UpdateAddressClass(TypedAddress("0.16.5.4", false, false));
  EXPECT_EQ(engine.m_strClassLine, "Class A Address");
  EXPECT_EQ(engine.m_nClass, AddressClass::A);
  ExpectListsEmpty(engine);
}

TEST(UpdateAddressClass, FillsTheListsOnceTheOctetIsCorrectedWithinItsClass) {
  CSubnetCalcEngine engine;
  engine.UpdateAddressClass(TypedAddress("0.16.5.4", false, false));
  engine.UpdateAddressClass(TypedAddress("10.16.5.4"));
  ExpectAllOnRow(engine, 6, {"8", "255.0.0.0", "1", "16777214"});
  EXPECT_EQ(engine.m_strNetworkLine, "10.0.0.0");
}

TEST(SyncParameterLists, MovesTheOtherListsToThePickedRow) {
  for (ParameterList source : kAllLists) {
    CSubnetCalcEngine engine = CalculatorOn("172.16.5.4", 16);
    engine.SelectParameterRow(source, 18);
    engine.SyncParameterLists(source, TypedAddress("172.16.5.4"));
    ExpectAllOnRow(engine, 18, {"20", "255.255.240.0", "16", "4094"});
    EXPECT_EQ(engine.m_strNetworkLine, "172.16.0.0") << static_cast<int>(source);
    EXPECT_EQ(engine.m_strBroadcastLine, "172.16.15.255") << static_cast<int>(source);
  }
}

TEST(SyncParameterLists, DoesNothingWhileAFieldIsInvalid) {
  CSubnetCalcEngine engine = CalculatorOn("172.16.5.4", 16);
  engine.SelectParameterRow(ParameterList::Mask, 18);
  engine.SyncParameterLists(ParameterList::Mask, TypedAddress("172.16.5.", true, false));
  EXPECT_EQ(engine.List(ParameterList::Mask).nSelected, 18);
  for (ParameterList list : {ParameterList::Prefix, ParameterList::Subnets, ParameterList::Hosts}) {
    EXPECT_EQ(engine.List(list).nSelected, 14) << static_cast<int>(list);
  }
  EXPECT_EQ(engine.m_strBroadcastLine, "172.16.255.255");
}

TEST(ClearParameterLists, ForgetsTheClassButKeepsTheLines) {
  CSubnetCalcEngine engine = CalculatorOn("172.16.5.4", 20);
  engine.ClearParameterLists();
  EXPECT_EQ(engine.m_nClass, AddressClass::None);
  ExpectListsEmpty(engine);
  EXPECT_EQ(engine.m_strClassLine, "Class B Address");
  EXPECT_EQ(engine.m_strNetworkLine, "172.16.0.0");
  EXPECT_EQ(engine.m_strBroadcastLine, "172.16.15.255");

  engine.UpdateAddressClass(TypedAddress("172.16.5.4"));
  ExpectAllOnRow(engine, 14, {"16", "255.255.0.0", "1", "65534"});
}

}  // namespace
