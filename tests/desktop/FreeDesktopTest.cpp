// What a freedesktop tells of the pupil's language: the first of the locale variables that is set.
#include "toolkit/desktop/Desktop.h"

#include <gtest/gtest.h>

#include <array>

namespace {

class LocaleVariables : public testing::Test {
  protected:
    void TearDown() override {
        for (const auto& [variable, value] : kept) {
            if (value.isNull()) {
                qunsetenv(variable);
            } else {
                qputenv(variable, value);
            }
        }
    }
    void set(const char* lcAll, const char* lcMessages, const char* lang) {
        const std::array<std::pair<const char*, const char*>, 3> values = {
            {{"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}}};
        for (const auto& [variable, value] : values) {
            if (*value) {
                qputenv(variable, value);
            } else {
                qunsetenv(variable);
            }
        }
    }

  private:
    const std::array<std::pair<const char*, QByteArray>, 3> kept = {
        {{"LC_ALL", qgetenv("LC_ALL")}, {"LC_MESSAGES", qgetenv("LC_MESSAGES")}, {"LANG", qgetenv("LANG")}}};
};

TEST_F(LocaleVariables, TheFirstThatIsSetIsTheLanguage) {
    const struct {
        const char *lcAll, *lcMessages, *lang;
        QStringList languages;
    } rows[] = {
        {"", "", "sr_RS.UTF-8", {QStringLiteral("sr_RS.UTF-8")}},
        {"sr_RS@latin", "", "sr_RS.UTF-8", {QStringLiteral("sr_RS@latin")}},
        {"", "en_GB.UTF-8", "sr_RS.UTF-8", {QStringLiteral("en_GB.UTF-8")}},
        {"sr_RS.UTF-8", "en_GB.UTF-8", "", {QStringLiteral("sr_RS.UTF-8")}},
        {"", "", "", {}},
    };
    for (const auto& row : rows) {
        set(row.lcAll, row.lcMessages, row.lang);
        EXPECT_EQ(toolkit::desktop::languages(), row.languages)
            << row.lcAll << "/" << row.lcMessages << "/" << row.lang;
    }
}

} // namespace
