#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string_view>

#include "device/DeviceBroadcast.h"
#include "device/DeviceEvent.h"
#include "device/DriverCommand.h"

namespace q5 {
namespace {

constexpr std::string_view kName = "Korvo 5G Wirless Touch Mouse";

// Every byte outside [begin, end) and outside the name field is zero.
void ExpectZeroOutside(std::span<const std::uint8_t> bytes, std::size_t nameOffset,
                       std::initializer_list<std::pair<std::size_t, std::size_t>> used) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bool inUse = i >= nameOffset && i < nameOffset + kName.size();
        for (const auto& [begin, end] : used) {
            inUse = inUse || (i >= begin && i < end);
        }
        if (!inUse) {
            EXPECT_EQ(bytes[i], 0) << "byte " << i;
        }
    }
}

void ExpectName(std::span<const std::uint8_t> bytes, std::size_t offset) {
    EXPECT_EQ(0, std::memcmp(&bytes[offset], kName.data(), kName.size()));
    EXPECT_EQ(bytes[offset + kName.size()], 0);
}

TEST(DriverCommandLayout, ButtonMask0x181MatchesTheDriverRecordByteForByte) {
    const DriverCommand command = DriverCommand::ButtonMask(0x181);
    const auto bytes = command.bytes();
    ASSERT_EQ(bytes.size(), 216u);

    const std::uint8_t head[] = {0x14, 0x00, 0x00, 0x00, 0x81, 0x01,
                                 0x00, 0x00, 0x01, 0x06, 0x07, 0x00};
    EXPECT_EQ(0, std::memcmp(bytes.data(), head, sizeof head));
    ExpectName(bytes, 156);
    ExpectZeroOutside(bytes, 156, {{0, 12}});
}

TEST(DriverCommandLayout, RegisterCarriesTheSemaphoreValueAt208) {
    const DriverCommand command = DriverCommand::Register(0x12345678);
    const auto bytes = command.bytes();
    const std::uint8_t code[] = {0x01, 0x00, 0x00, 0x00};
    const std::uint8_t semaphore[] = {0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(0, std::memcmp(bytes.data(), code, 4));
    EXPECT_EQ(0, std::memcmp(&bytes[208], semaphore, 4));
    ExpectName(bytes, 156);
    ExpectZeroOutside(bytes, 156, {{0, 4}, {208, 212}});
    EXPECT_EQ(command.semaphoreValue(), 0x12345678u);
}

TEST(DriverCommandLayout, KeyListCarriesTagAndEntriesInListOrder) {
    KeyList::Entries keys{};
    keys[0] = 0x00000708;
    keys[1] = 0x0000720C;
    keys[23] = 0xAABBCCDD;
    const DriverCommand command = DriverCommand::KeyListCommand(keys);
    const auto bytes = command.bytes();

    const std::uint8_t code[] = {0x80, 0x00, 0x00, 0x00};
    const std::uint8_t tag[] = {0x00, 0x02, 0x00, 0x00};
    const std::uint8_t first[] = {0x08, 0x07, 0x00, 0x00, 0x0C, 0x72, 0x00, 0x00};
    const std::uint8_t last[] = {0xDD, 0xCC, 0xBB, 0xAA};
    EXPECT_EQ(0, std::memcmp(bytes.data(), code, 4));
    EXPECT_EQ(0, std::memcmp(&bytes[56], tag, 4));
    EXPECT_EQ(0, std::memcmp(&bytes[60], first, sizeof first));
    EXPECT_EQ(0, std::memcmp(&bytes[60 + 4 * 23], last, 4));
    ExpectName(bytes, 156);
    ExpectZeroOutside(bytes, 156, {{0, 4}, {56, 68}, {152, 156}});
    EXPECT_EQ(command.keys(), keys);
}

TEST(DriverCommandLayout, ReadsBackWhatWasSent) {
    const DriverCommand sent = DriverCommand::ButtonMask(0xDEADBEEF);
    const DriverCommand received = DriverCommand::FromBytes(sent.bytes());
    EXPECT_EQ(received, sent);
    EXPECT_EQ(received.command(), kCommandButtonMask);
    EXPECT_EQ(received.mask(), 0xDEADBEEFu);
}

TEST(DeviceEventLayout, FetchBufferHoldsTheNameAfterTheCode) {
    DeviceEvent event = DeviceEvent::ForFetch();
    const auto bytes = event.bytes();
    ASSERT_EQ(bytes.size(), 56u);
    ExpectName(bytes, 4);
    ExpectZeroOutside(bytes, 4, {});

    event.setEventCode(0x80000008);
    const std::uint8_t code[] = {0x08, 0x00, 0x00, 0x80};
    EXPECT_EQ(0, std::memcmp(event.bytes().data(), code, 4));
    EXPECT_EQ(event.eventCode(), 0x80000008u);
}

TEST(DeviceNameField, IsCutTo49CharactersAndTerminated) {
    std::array<std::uint8_t, kDeviceNameFieldSize> field;
    field.fill(0xEE);
    StoreDeviceName(field);
    EXPECT_EQ(0, std::memcmp(field.data(), kName.data(), kName.size()));
    EXPECT_EQ(field[kName.size()], 0);
    EXPECT_EQ(field[kName.size() + 1], 0xEE);  // the rest of the field is left alone
}

TEST(DeviceBroadcastLayout, FilterSelectsUsbDeviceInterfaces) {
    const auto filter = UsbDeviceInterfaceFilter();
    const std::uint8_t expected[32] = {32,   0,    0,    0,    5,    0,    0,    0,
                                       0,    0,    0,    0,    0x10, 0xBF, 0xDC, 0xA5,
                                       0x30, 0x65, 0xD2, 0x11, 0x90, 0x1F, 0x00, 0xC0,
                                       0x4F, 0xB9, 0x51, 0xED, 0,    0,    0,    0};
    EXPECT_EQ(0, std::memcmp(filter.data(), expected, sizeof expected));
}

TEST(DeviceBroadcastLayout, InterfaceNameIsReadFromOffset28) {
    const auto record = MakeInterfaceBroadcast(kUsbDeviceInterfaceClass, u"\\\\?\\USB#Vid_1");
    EXPECT_EQ(InterfaceNameOfBroadcast(record), u"\\\\?\\USB#Vid_1");
}

TEST(DeviceBroadcastLayout, NameStopsAtTheEndOfTheRecordWithoutTerminator) {
    const auto record = MakeInterfaceBroadcast(kUsbDeviceInterfaceClass, u"ABCD");
    EXPECT_EQ(InterfaceNameOfBroadcast(std::span(record).first(28 + 4)), u"AB");
    EXPECT_EQ(InterfaceNameOfBroadcast(std::span(record).first(28 + 5)), u"AB");
    EXPECT_EQ(InterfaceNameOfBroadcast(std::span(record).first(28)), u"");
}

TEST(DeviceBroadcastLayout, OtherRecordsHaveNoInterfaceName) {
    auto record = MakeInterfaceBroadcast(kUsbDeviceInterfaceClass, u"USB#Vid_5A1C&Pid_1801");
    record[4] = 2;  // a volume
    EXPECT_FALSE(InterfaceNameOfBroadcast(record));
    const std::uint8_t shortRecord[12] = {12, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(InterfaceNameOfBroadcast(shortRecord));
    EXPECT_FALSE(InterfaceNameOfBroadcast({}));
}

}  // namespace
}  // namespace q5
