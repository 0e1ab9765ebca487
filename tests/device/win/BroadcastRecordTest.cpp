// The system's WM_DEVICECHANGE record, cut to its own size field before the
// arrival handler reads the interface name from it.
#include "device/win/BroadcastRecord.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <dbt.h>

#include <cstring>
#include <string>
#include <vector>

#include "device/DeviceBroadcast.h"

namespace q5 {
namespace {

// A record in a buffer of `capacity` bytes whose size field says `declared`.
std::vector<std::uint8_t> Record(std::u16string_view name, std::uint32_t declared,
                                 std::size_t capacity) {
    std::vector<std::uint8_t> bytes = MakeInterfaceBroadcast(kUsbDeviceInterfaceClass, name);
    bytes.resize(std::max(capacity, bytes.size()), 0);
    std::memcpy(bytes.data(), &declared, sizeof declared);
    return bytes;
}

std::intptr_t PointerTo(const std::vector<std::uint8_t>& bytes) {
    return reinterpret_cast<std::intptr_t>(bytes.data());
}

// What the arrival handler is given for an arrival that points to `bytes`.
std::span<const std::uint8_t> ArrivalRecord(const std::vector<std::uint8_t>& bytes) {
    return win::BroadcastRecord(DBT_DEVICEARRIVAL, PointerTo(bytes));
}

TEST(BroadcastRecord, NullGivesNoRecord) {
    EXPECT_TRUE(win::BroadcastRecord(DBT_DEVICEARRIVAL, 0).empty());
}

TEST(BroadcastRecord, ARecordShorterThanItsHeaderIsRefused) {
    const auto bytes = Record(u"USB#Vid_5A1C", sizeof(DEV_BROADCAST_HDR) - 1, 64);
    EXPECT_TRUE(ArrivalRecord(bytes).empty());
    EXPECT_FALSE(InterfaceNameOfBroadcast(ArrivalRecord(bytes)));
}

TEST(BroadcastRecord, AHeaderOnlyRecordHasNoName) {
    const auto bytes = Record(u"USB#Vid_5A1C", sizeof(DEV_BROADCAST_HDR), 64);
    EXPECT_EQ(ArrivalRecord(bytes).size(), sizeof(DEV_BROADCAST_HDR));
    EXPECT_FALSE(InterfaceNameOfBroadcast(ArrivalRecord(bytes)));
}

TEST(BroadcastRecord, ALongNameIsReadWhole) {
    std::u16string name = u"\\\\?\\USB#VID_5A1C&PID_1801#";
    name.append(600, u'7');
    const auto record = MakeInterfaceBroadcast(kUsbDeviceInterfaceClass, name);
    const auto span = ArrivalRecord(record);
    EXPECT_EQ(span.size(), record.size());
    EXPECT_EQ(InterfaceNameOfBroadcast(span), name);
}

TEST(BroadcastRecord, ASizeFieldShorterThanTheNameCutsTheName) {
    // The name and its terminator lie beyond the size the record gives.
    const auto bytes = Record(u"ABCDEFGH", 28 + 2 * 3, 128);
    const auto span = ArrivalRecord(bytes);
    EXPECT_EQ(span.size(), 28u + 6u);
    EXPECT_EQ(InterfaceNameOfBroadcast(span), u"ABC");
}

TEST(BroadcastRecord, EventsWithoutARecordNeverReadLParam) {
    // Not a pointer to anything: reading it would fault.
    constexpr std::intptr_t kNoRecord = 0x10;
    for (const WPARAM event : {DBT_DEVNODES_CHANGED, DBT_QUERYCHANGECONFIG, DBT_CONFIGCHANGED,
                               DBT_CONFIGCHANGECANCELED}) {
        EXPECT_TRUE(win::BroadcastRecord(event, kNoRecord).empty()) << event;
    }
}

TEST(BroadcastRecord, EveryDeviceEventReadsItsRecord) {
    const auto bytes = MakeInterfaceBroadcast(kUsbDeviceInterfaceClass, u"USB#Vid_5A1C");
    for (const WPARAM event : {DBT_DEVICEARRIVAL, DBT_DEVICEQUERYREMOVE, DBT_DEVICEREMOVECOMPLETE,
                               DBT_CUSTOMEVENT, DBT_USERDEFINED}) {
        EXPECT_EQ(win::BroadcastRecord(event, PointerTo(bytes)).size(), bytes.size()) << event;
    }
}

TEST(BroadcastRecord, TheRealStructureAgreesWithTheOffsets) {
    EXPECT_EQ(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_size), kBroadcastSizeOffset);
    EXPECT_EQ(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_devicetype), kBroadcastTypeOffset);
    EXPECT_EQ(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_classguid), kBroadcastClassOffset);
    EXPECT_EQ(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name), kBroadcastNameOffset);
}

}  // namespace
}  // namespace q5
