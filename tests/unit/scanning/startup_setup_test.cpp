#include "scanning/startup_setup.h"

#include <gtest/gtest.h>

#include "device/scan_status.h"
#include "tests/unit/device/fake_platform.h"
#include "tests/unit/device/frames_inquiry.h"
#include "tests/unit/device/frames_status.h"
#include "tests/unit/device/golden.h"
#include "tests/unit/device/scripted_serial_device.h"

namespace z8 {
namespace {

namespace frames = test::frames;

StartupAnswers Answers(uint8_t feeder, uint8_t flatbed, std::optional<uint8_t> status = {}) {
    StartupAnswers answers;
    answers.abilities = std::array<uint8_t, 2>{feeder, flatbed};
    answers.status = status;
    return answers;
}

TEST(StartupRuleTest, EveryAbilityCombinationGivesItsSupportAndSource) {
    for (uint8_t feeder = 0; feeder <= 2; ++feeder) {
        for (uint8_t flatbed = 0; flatbed <= 2; ++flatbed) {
            const DeviceSetup setup = ApplyStartupAnswers(Answers(feeder, flatbed), {});
            SCOPED_TRACE(testing::Message()
                         << "feeder " << int{feeder} << " flatbed " << int{flatbed});
            EXPECT_EQ(setup.flatbedSupport, flatbed);
            EXPECT_EQ(setup.feederSupport, 3 + feeder);
            const uint16_t source = flatbed != 0 ? 2 : feeder != 0 ? 1 : 0;
            EXPECT_EQ(setup.documentSource, source);
            EXPECT_EQ(setup.paperLoaded, 0);
        }
    }
}

TEST(StartupRuleTest, ColourFlatbedWithoutFeederChoosesTheFlatbed) {
    const DeviceSetup setup = ApplyStartupAnswers(Answers(0x00, 0x02), {});
    EXPECT_EQ(setup, (DeviceSetup{2, 3, 2, 0}));
}

TEST(StartupRuleTest, UnknownAbilityBytesLeaveTheirFieldsAndAFailedInquiryLeavesAll) {
    const DeviceSetup before{1, 5, 1, 0};
    EXPECT_EQ(ApplyStartupAnswers(Answers(7, 0xFF), before), (DeviceSetup{1, 5, 2, 0}));
    EXPECT_EQ(ApplyStartupAnswers(StartupAnswers{}, before), before);
}

TEST(StartupRuleTest, PaperIsLoadedOnlyWithAFeederReportingASheetReady) {
    EXPECT_EQ(ApplyStartupAnswers(Answers(1, 0, SCAN_FEUILLE_PRETE), {}).paperLoaded, 1);
    EXPECT_EQ(ApplyStartupAnswers(Answers(1, 0, SCAN_ATTENTE_FEUILLE), {}).paperLoaded, 0);
    EXPECT_EQ(ApplyStartupAnswers(Answers(0, 2, SCAN_FEUILLE_PRETE), {}).paperLoaded, 0);
    // A field set before stays set: only initialisation clears it.
    DeviceSetup loaded;
    loaded.paperLoaded = 1;
    EXPECT_EQ(ApplyStartupAnswers(Answers(1, 0, ST_OK), loaded).paperLoaded, 1);
}

class StartupQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry.SetNumber(kPortKeyNt, kPortValue, 1);
        ASSERT_TRUE(port.FindComPort());
        ASSERT_TRUE(port.Open());
    }

    // The query as the main dialog runs it at start-up.
    DeviceSetup Run() {
        const DeviceSetup initial;
        return ApplyStartupAnswers(QueryScanner(port, initial.feederSupport != kFeederAbsent),
                                   initial);
    }

    test::FakeClock clock;
    test::FakeRegistry registry;
    test::ScriptedSerialDevice device{clock};
    CSerialPort port{device, registry, nullptr};
};

TEST_F(StartupQueryTest, FlatbedOnlyAsksNoStatus) {
    device.Expect(frames::kInquiry, frames::InquiryReply(0, 2));
    EXPECT_EQ(Run(), (DeviceSetup{2, 3, 2, 0}));
    test::ExpectMatchesGolden("startup_flatbed", device.Transcript());
}

TEST_F(StartupQueryTest, FlatbedAndFeederWithASheetReady) {
    device.Expect(frames::kInquiry, frames::InquiryReply(2, 1));
    device.Expect(frames::kStatus, frames::StatusReply(SCAN_FEUILLE_PRETE));
    EXPECT_EQ(Run(), (DeviceSetup{1, 5, 2, 1}));
    test::ExpectMatchesGolden("startup_flatbed_feeder", device.Transcript());
}

TEST_F(StartupQueryTest, FeederOnlyWaitingForASheet) {
    device.Expect(frames::kInquiry, frames::InquiryReply(1, 0));
    device.Expect(frames::kStatus, frames::StatusReply(SCAN_ATTENTE_FEUILLE));
    const StartupAnswers answers = QueryScanner(port, {});
    EXPECT_EQ(answers.status, SCAN_ATTENTE_FEUILLE);
    EXPECT_EQ(ApplyStartupAnswers(answers, {}), (DeviceSetup{0, 4, 1, 0}));
    test::ExpectMatchesGolden("startup_feeder", device.Transcript());
}

TEST_F(StartupQueryTest, SilentScannerStopsAfterTheInquiry) {
    device.Expect(frames::kInquiry, {});
    const StartupAnswers answers = QueryScanner(port, {});
    EXPECT_FALSE(answers.abilities);
    EXPECT_FALSE(answers.status);
    EXPECT_EQ(ApplyStartupAnswers(answers, {}), DeviceSetup{});
}

TEST_F(StartupQueryTest, FailedStatusKeepsTheAbilities) {
    device.Expect(frames::kInquiry, frames::InquiryReply(2, 0));
    device.Expect(frames::kStatus, frames::EndOfPage(SCAN_FEUILLE_PRETE));
    const StartupAnswers answers = QueryScanner(port, {});
    EXPECT_FALSE(answers.status);
    EXPECT_EQ(ApplyStartupAnswers(answers, {}), (DeviceSetup{0, 5, 1, 0}));
}

TEST_F(StartupQueryTest, AnUnknownFeederByteLeavesTheStatusToWhatWasKnown) {
    device.Expect(frames::kInquiry, frames::InquiryReply(7, 2));
    device.Expect(frames::kStatus, frames::StatusReply(SCAN_FEUILLE_PRETE));
    EXPECT_EQ(QueryScanner(port, true).status, SCAN_FEUILLE_PRETE);
    device.Expect(frames::kInquiry, frames::InquiryReply(7, 2));
    EXPECT_FALSE(QueryScanner(port, false).status);
}

class FixedPaths final : public SystemPaths {
public:
    std::string WindowsDirectory() const override { return "C:\\WINDOWS"; }
};

TEST(DeviceSetupInSettings, RoundTripsAndTheFeederFollowsTheSource) {
    FixedPaths paths;
    CScanSettings settings(paths);
    EXPECT_EQ(CurrentDeviceSetup(settings), DeviceSetup{});

    StoreDeviceSetup({0, 4, kSourceFeeder, 1}, settings);
    EXPECT_EQ(CurrentDeviceSetup(settings), (DeviceSetup{0, 4, kSourceFeeder, 1}));
    EXPECT_EQ(settings.FeederSelected(), 1);
    EXPECT_TRUE(settings.FeederLoaded());

    StoreDeviceSetup({2, 5, kSourceFlatbed, 0}, settings);
    EXPECT_EQ(settings.FeederSelected(), 0);
    EXPECT_FALSE(settings.FeederLoaded());
}

}  // namespace
}  // namespace z8
