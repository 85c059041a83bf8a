#include "app/uptime_report.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tests/datetext/english_settings.hpp"

namespace bootspan {
namespace {

class UptimeReportTest : public testing::EnglishSettingsTest {
 protected:
  ~UptimeReportTest() override { bootStamp = savedStamp_; }

  // Runs the report for `ticks` under `pattern`; returns the one box shown.
  FakePlatform::Box reportFor(ULONGLONG ticks, const char* pattern) {
    fake.tickCount = ticks;
    fake.boxes.clear();
    localeFormats.longTimePattern = pattern;
    runUptimeReport();
    EXPECT_EQ(fake.boxes.size(), 1u);
    return fake.boxes.empty() ? FakePlatform::Box{} : fake.boxes.back();
  }

 private:
  TDayStamp savedStamp_ = bootStamp;
};

struct UptimeRow {
  ULONGLONG ticks;
  const char* times[3];  // under h:mm:ss AMPM, hh:mm:ss, AMPM h:mm:ss
};

constexpr const char* kPatterns[3] = {"h:mm:ss AMPM", "hh:mm:ss", "AMPM h:mm:ss"};

TEST_F(UptimeReportTest, ShowsTheTimeOfDayOfTheUptimeInTheSentence) {
  const UptimeRow rows[] = {
      {0, {"12:00:00 AM", "00:00:00", "AM 12:00:00"}},
      {86400000, {"12:00:00 AM", "00:00:00", "AM 12:00:00"}},  // whole days are dropped
      {12310500, {"3:25:10 AM", "03:25:10", "AM 3:25:10"}},    // 3 h 25 min 10.5 s
      {54000000, {"3:00:00 PM", "15:00:00", "PM 3:00:00"}},    // 15 h
      {93605000, {"2:00:05 AM", "02:00:05", "AM 2:00:05"}},    // 26 h 0 min 5 s
      {86399999, {"11:59:59 PM", "23:59:59", "PM 11:59:59"}},
      {4294967295, {"5:02:47 PM", "17:02:47", "PM 5:02:47"}},  // 49 days 17:02:47.295
      // The count is 64 bits wide: past 49.7 days the time of day goes on.
      {4294967296, {"5:02:47 PM", "17:02:47", "PM 5:02:47"}},
      {4294972296, {"5:02:52 PM", "17:02:52", "PM 5:02:52"}},
      {8650800000, {"3:00:00 AM", "03:00:00", "AM 3:00:00"}},  // 100 days 3 h
  };
  for (const auto& row : rows) {
    for (int i = 0; i < 3; ++i) {
      const FakePlatform::Box box = reportFor(row.ticks, kPatterns[i]);
      EXPECT_EQ(box.text, std::string("Your computer was started ") + row.times[i] + " ago")
          << row.ticks << " " << kPatterns[i];
      EXPECT_EQ(box.caption, "Bootspan v1.0");
      EXPECT_EQ(box.style, 0u);
      EXPECT_EQ(bootStamp.msOfDay, static_cast<std::int32_t>(row.ticks % 86400000));
      EXPECT_EQ(bootStamp.dayNumber, 1);
    }
  }
}

TEST_F(UptimeReportTest, TheRenderedTimeIsInsertedUnchanged) {
  localeFormats.amDesignator = "%s%d%%";  // not a template: shown as it stands
  EXPECT_EQ(reportFor(12310500, "h:mm:ss AMPM").text,
            "Your computer was started 3:25:10 %s%d%% ago");
  localeFormats.timeSeparator = '.';
  EXPECT_EQ(reportFor(54000000, "H:mm:ss").text, "Your computer was started 15.00.00 ago");
}

TEST_F(UptimeReportTest, PatternsThatRenderNothingLeaveTwoBlanks) {
  EXPECT_EQ(reportFor(54000000, "tt").text, "Your computer was started  ago");
  // An empty long-time pattern renders the short date of day 1.
  EXPECT_EQ(reportFor(0, "").text, "Your computer was started 1/1/0001 ago");
  EXPECT_EQ(reportFor(1000, "").text, "Your computer was started 1/1/0001  ago");
}

}  // namespace
}  // namespace bootspan
