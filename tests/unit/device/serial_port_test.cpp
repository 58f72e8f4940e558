#include "device/serial_port.h"

#include <gtest/gtest.h>

#include "tests/unit/device/fake_platform.h"
#include "tests/unit/device/scripted_serial_device.h"

namespace z8 {
namespace {

using test::Bytes;

class SerialPortTest : public ::testing::Test {
protected:
    test::FakeClock clock;
    test::FakeRegistry registry;
    test::CountingPump pump;
    test::ScriptedSerialDevice device{clock};
    CSerialPort port{device, registry, &pump};

    void OpenNtPort(uint32_t number = 1) {
        registry.SetNumber(kPortKeyNt, kPortValue, number);
        ASSERT_TRUE(port.FindComPort());
        ASSERT_TRUE(port.Open());
    }
};

TEST_F(SerialPortTest, FindComPortTriesThe9xKeyFirstThenTheNtKey) {
    EXPECT_FALSE(port.FindComPort());
    EXPECT_EQ(port.PortName(), "");

    registry.SetNumber(kPortKeyNt, kPortValue, 3);
    EXPECT_TRUE(port.FindComPort());
    EXPECT_EQ(port.PortName(), "\\\\.\\COM3");

    registry.SetNumber(kPortKey9x, kPortValue, 12);
    EXPECT_TRUE(port.FindComPort());
    EXPECT_EQ(port.PortName(), "COM12");
}

TEST_F(SerialPortTest, FindComPortRefusesPortZeroEvenWithTheOtherKeyPresent) {
    registry.SetNumber(kPortKey9x, kPortValue, 0);
    registry.SetNumber(kPortKeyNt, kPortValue, 3);
    EXPECT_FALSE(port.FindComPort());
    EXPECT_EQ(port.PortName(), "");
    EXPECT_FALSE(port.Open());

    test::FakeRegistry ntZero;
    ntZero.SetNumber(kPortKeyNt, kPortValue, 0);
    CSerialPort other(device, ntZero, nullptr);
    EXPECT_FALSE(other.FindComPort());
}

TEST_F(SerialPortTest, FindComPortReadsFourBytesWhateverTheirType) {
    // A shorter value fills the low bytes; a longer one cannot be read.
    registry.Set(kPortKeyNt, kPortValue, {0x07});
    EXPECT_TRUE(port.FindComPort());
    EXPECT_EQ(port.PortName(), "\\\\.\\COM7");
    test::FakeRegistry longValue;
    longValue.Set(kPortKeyNt, kPortValue, {1, 0, 0, 0, 0});
    CSerialPort other(device, longValue, nullptr);
    EXPECT_FALSE(other.FindComPort());
}

TEST_F(SerialPortTest, OpenAppliesTheNormalProfileAndPurgesOnlyOnce) {
    OpenNtPort(4);
    EXPECT_EQ(device.openedName, "\\\\.\\COM4");
    EXPECT_EQ(device.purges, 1);
    EXPECT_EQ(device.timeouts.readIntervalTimeout, 0u);
    EXPECT_EQ(device.timeouts.readTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(device.timeouts.readTotalTimeoutConstant, 50u);
    EXPECT_EQ(device.timeouts.writeTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(device.timeouts.writeTotalTimeoutConstant, 50u);
    EXPECT_EQ(port.Attempts(), 50u);

    // A second Open fails without touching the open port.
    EXPECT_FALSE(port.Open());
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(device.opens, 1);
    EXPECT_EQ(device.purges, 1);

    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.Close());
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(SerialPortTest, FailedOpenLeavesThePortClosed) {
    registry.SetNumber(kPortKeyNt, kPortValue, 1);
    ASSERT_TRUE(port.FindComPort());
    device.RefuseOpen();
    EXPECT_FALSE(port.Open());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(device.purges, 0);
}

TEST_F(SerialPortTest, ProfilesApplyOnlyToAnOpenPort) {
    port.SetLongTimeouts();
    EXPECT_EQ(device.timeoutSets, 0);
    EXPECT_EQ(port.Attempts(), 50u);

    OpenNtPort();
    port.SetLongTimeouts();
    EXPECT_EQ(device.timeouts.readTotalTimeoutConstant, 150u);
    EXPECT_EQ(device.timeouts.writeTotalTimeoutConstant, 50u);
    EXPECT_EQ(port.Attempts(), 200u);
    port.SetNormalTimeouts();
    EXPECT_EQ(device.timeouts.readTotalTimeoutConstant, 50u);
    EXPECT_EQ(port.Attempts(), 50u);
}

TEST_F(SerialPortTest, ReadOfNothingGivesUpAfterTheProfilesBound) {
    OpenNtPort();
    uint8_t buffer[6];
    uint32_t received = 99;
    const uint32_t start = clock.TickCount();
    EXPECT_FALSE(port.Read(buffer, 6, received));
    EXPECT_EQ(received, 0u);
    EXPECT_EQ(device.readCalls, 50);
    EXPECT_EQ(clock.TickCount() - start, 2500u);

    port.SetLongTimeouts();
    EXPECT_FALSE(port.Read(buffer, 6, received));
    EXPECT_EQ(device.readCalls, 50 + 200);
    EXPECT_EQ(clock.TickCount() - start, 2500u + 30000u);
}

TEST_F(SerialPortTest, ReadOfZeroBytesMakesNoCall) {
    OpenNtPort();
    uint32_t received = 99;
    EXPECT_TRUE(port.Read(nullptr, 0, received));
    EXPECT_EQ(received, 0u);
    EXPECT_EQ(device.readCalls, 0);
}

TEST_F(SerialPortTest, ShortReadsKeepTheirBytesAndContinueAtTheOffsetReached) {
    OpenNtPort();
    const Bytes stream = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    device.Send(stream);
    device.SetReadChunk(3);
    Bytes buffer(10, 0);
    uint32_t received = 0;
    EXPECT_TRUE(port.Read(buffer.data(), 10, received));
    EXPECT_EQ(received, 10u);
    EXPECT_EQ(buffer, stream);
    EXPECT_EQ(device.readCalls, 4);
}

TEST_F(SerialPortTest, ReadThatRunsOutOfCallsReportsWhatArrived) {
    OpenNtPort();
    device.Send({1, 2, 3, 4});
    device.SetReadChunk(1);
    Bytes buffer(100, 0);
    uint32_t received = 0;
    EXPECT_FALSE(port.Read(buffer.data(), 100, received));
    EXPECT_EQ(received, 4u);
    EXPECT_EQ(device.readCalls, 50);
}

TEST_F(SerialPortTest, ShortWritesContinueWithTheRemainder) {
    const Bytes block(26, 0x5A);
    device.Expect(block, {});
    OpenNtPort();
    device.SetWriteChunk(4);
    uint32_t sent = 0;
    EXPECT_TRUE(port.Write(block.data(), 26, sent));
    EXPECT_EQ(sent, 26u);
    EXPECT_EQ(device.writeCalls, 7);
}

TEST_F(SerialPortTest, WriteOnADeadLineFailsWithinTheBound) {
    OpenNtPort();
    device.HangUp();
    const uint8_t header[6] = {0x30, 0, 0, 0, 0, 0};
    uint32_t sent = 0;
    // A failed call means the port has gone: no call after it.
    EXPECT_FALSE(port.Write(header, 6, sent));
    EXPECT_EQ(sent, 0u);
    EXPECT_EQ(device.writeCalls, 1);
    uint8_t reply[6];
    uint32_t received = 0;
    EXPECT_FALSE(port.Read(reply, 6, received));
    EXPECT_EQ(device.readCalls, 1);
}

TEST_F(SerialPortTest, MessagesOfThePumpWindowAreDispatchedBetweenShortCalls) {
    OpenNtPort();
    uint8_t buffer[6];
    uint32_t received = 0;
    EXPECT_FALSE(port.Read(buffer, 6, received));
    EXPECT_TRUE(pump.dispatches.empty());

    int window = 0;
    port.SetPumpWindow(&window);
    EXPECT_FALSE(port.Read(buffer, 6, received));
    EXPECT_EQ(pump.dispatches[&window], 50);

    // A read that completes in its first call does not pump.
    device.Send({1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(port.Read(buffer, 6, received));
    EXPECT_EQ(pump.dispatches[&window], 50);
}

TEST_F(SerialPortTest, DiscardStopsAtTheCountOrWhenTheLineIsQuiet) {
    OpenNtPort();
    device.Send(Bytes(10000, 0xEE));
    EXPECT_EQ(port.Discard(6000), 6000u);
    EXPECT_EQ(device.Unread(), 4000u);
    const int callsBefore = device.readCalls;
    EXPECT_EQ(port.Discard(70000), 4000u);
    EXPECT_EQ(device.readCalls - callsBefore, 2);  // one piece, then one quiet call
}

}  // namespace
}  // namespace z8
