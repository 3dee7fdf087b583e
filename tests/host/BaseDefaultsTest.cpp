// What the plug-in base does for a plug-in that overrides nothing about programs: the
// host's texts are input only, and reported program names never exceed 24 bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "AudioEffect.h"
#include "ProgramName.h"

namespace {

class BarePlugin : public AudioEffect {
public:
    BarePlugin() : AudioEffect(nullptr, 1, 1) {}
    void process(float**, float**, std::int32_t) override {}
};

TEST(BaseDefaults, SetProgramNameLeavesTheHostTextAlone) {
    BarePlugin plugin;
    AEffect* effect = plugin.getAeffect();
    char name[] = "Hall";
    effect->dispatcher(effect, effSetProgramName, 0, 0, name, 0.0f);
    EXPECT_STREQ(name, "Hall");
    // A host may pass a string constant, which lives in read-only memory.
    static const char kConstantName[] = "Room";
    effect->dispatcher(effect, effSetProgramName, 0, 0, const_cast<char*>(kConstantName), 0.0f);
    EXPECT_STREQ(kConstantName, "Room");
}

TEST(BaseDefaults, ReportedProgramNamesFitTheHostsTwentyFourBytes) {
    struct Case {
        std::string stored;
        std::int32_t program;
        std::string reported;
    } cases[] = {
        {std::string(27, 'p'), 0, std::string(23, 'p')},
        {std::string(23, 'q'), 0, std::string(23, 'q')},
        {"Init", 99999998, "Init 99999999"},
        {"Short", 3, "Short"},
    };
    for (const auto& c : cases) {
        char text[64];
        std::memset(text, 0x5A, sizeof text);
        reportProgramName(c.stored.c_str(), c.program, text);
        EXPECT_EQ(std::string(text), c.reported);
        for (std::size_t i = kHostProgramNameSize; i < sizeof text; ++i) ASSERT_EQ(text[i], 0x5A) << c.stored;
    }
}

}  // namespace
