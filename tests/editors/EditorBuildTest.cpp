// The editor builds' plug-in classes in-process: every setParameter reaches the editor's
// parameterChanged with the same index and value, a program change replays every stored
// value through it (the master panner finally index 3 with the pan angle), and the
// constructor binds the editor and the editor build's unique ID.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "FieldPluginWithEditor.h"
#include "ModuleState.h"
#include "PanPluginWithEditor.h"
#include "PluginEditor.h"
#include "ZoomPluginWithEditor.h"

namespace {
// When at 0 or above: the number of allocations that still succeed before one fails.
int allocationsBeforeFailure = -1;
}  // namespace

void* operator new(std::size_t size) {
    if (allocationsBeforeFailure == 0) {
        allocationsBeforeFailure = -1;
        throw std::bad_alloc();
    }
    if (allocationsBeforeFailure > 0) --allocationsBeforeFailure;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

constexpr double kPi = 3.141592653589793;

std::intptr_t quietHost(AEffect*, std::int32_t opcode, std::int32_t, std::intptr_t, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

// Records what the plug-in passes on.
class ProbeEditor : public PluginEditor {
   public:
    using PluginEditor::PluginEditor;
    void parameterChanged(std::int32_t index, float value) override { received.emplace_back(index, value); }
    std::vector<std::pair<std::int32_t, float>> received;
};

// Replaces the editor the constructor made with a probe (the plug-in deletes it).
ProbeEditor* probe(AudioEffectX& plugin) {
    delete plugin.getEditorPointer();
    auto* editor = new ProbeEditor(&plugin);
    plugin.setEditor(editor);
    return editor;
}

std::vector<std::int32_t> indicesOf(const ProbeEditor& editor) {
    std::vector<std::int32_t> out;
    for (const auto& r : editor.received) out.push_back(r.first);
    return out;
}

struct Build {
    const char* name;
    std::function<std::unique_ptr<AudioEffectX>()> make;
    std::int32_t uniqueId;
    std::vector<std::int32_t> programReplay;  // indices parameterChanged sees on setProgram
};

const std::vector<Build>& builds() {
    static const std::vector<Build> all = {
        {"panner master",
         [] { return std::make_unique<PanPluginWithEditor>(quietHost, PanVariant::Master); },
         fourCharCode('O', 'V', 'm', 'g'),
         {4, 5, 7, 8, 6, 9, 10, 11, 12, 13, 14, 15, 17, 16, 18, 19, 0, 1, 2, 3}},
        {"panner effect",
         [] { return std::make_unique<PanPluginWithEditor>(quietHost, PanVariant::Effect); },
         fourCharCode('O', 'V', 'e', 'g'),
         {0, 1, 3, 4, 2, 5, 6, 7, 8, 9, 10, 11, 13, 12, 14, 15}},
        {"field",
         [] { return std::make_unique<FieldPluginWithEditor>(quietHost); },
         fourCharCode('O', 'V', 'f', 'g'),
         {0, 1, 2, 3}},
        {"zoom",
         [] { return std::make_unique<ZoomPluginWithEditor>(quietHost); },
         fourCharCode('O', 'V', 'z', 'g'),
         {0, 1, 2}},
    };
    return all;
}

TEST(EditorBuilds, ConstructorBindsTheEditorAndSetsTheUniqueId) {
    for (const Build& b : builds()) {
        auto plugin = b.make();
        EXPECT_NE(plugin->getEditorPointer(), nullptr) << b.name;
        EXPECT_EQ(plugin->getAeffect()->flags & effFlagsHasEditor, effFlagsHasEditor) << b.name;
        EXPECT_EQ(plugin->getAeffect()->uniqueID, b.uniqueId) << b.name;
    }
}

TEST(EditorBuilds, EverySetParameterReachesTheEditor) {
    for (const Build& b : builds()) {
        auto plugin = b.make();
        ProbeEditor* editor = probe(*plugin);
        plugin->setParameter(1, 0.3f);
        plugin->setParameter(99, 0.7f);  // outside the table: stored nowhere, still passed on
        ASSERT_EQ(editor->received.size(), 2u) << b.name;
        EXPECT_EQ(editor->received[0], std::make_pair(std::int32_t(1), 0.3f)) << b.name;
        EXPECT_EQ(editor->received[1], std::make_pair(std::int32_t(99), 0.7f)) << b.name;
    }
}

TEST(EditorBuilds, ProgramChangeReplaysEveryValueThroughTheEditor) {
    for (const Build& b : builds()) {
        auto plugin = b.make();
        plugin->setProgram(2);
        plugin->setParameter(0, 0.25f);
        plugin->setProgram(0);
        ProbeEditor* editor = probe(*plugin);
        plugin->setProgram(2);
        EXPECT_EQ(indicesOf(*editor), b.programReplay) << b.name;
        for (const auto& [index, value] : editor->received) {
            if (index == 0) {
                EXPECT_FLOAT_EQ(value, 0.25f) << b.name;
            }
        }
    }
}

TEST(EditorBuilds, MasterPannerEndsAProgramChangeWithThePanAngle) {
    PanPluginWithEditor plugin(quietHost, PanVariant::Master);
    plugin.setParameter(0, 1.0f);  // "L_R Pan" right, "F_B Pan" centre: 270 degrees displayed
    plugin.setParameter(1, 0.5f);
    ProbeEditor* editor = probe(plugin);
    plugin.setProgram(0);
    ASSERT_FALSE(editor->received.empty());
    const auto [index, angle] = editor->received.back();
    EXPECT_EQ(index, 3);
    EXPECT_NEAR(angle, -kPi / 2, 1e-5);
    EXPECT_GE(angle, -2 * kPi);
    EXPECT_LE(angle, 0.0);
}

// No memory for the editor (or for its bitmaps part way through its constructor): the
// plug-in is left without an editor and the library refuses further instances.
TEST(EditorBuilds, EditorThatCannotBeCreatedMarksTheModuleOutOfMemory) {
    for (const Build& b : builds()) {
        for (int succeeding : {1, 2, 3}) {
            moduleOutOfMemory = false;
            allocationsBeforeFailure = succeeding;  // the plug-in object itself comes first
            auto plugin = b.make();
            allocationsBeforeFailure = -1;
            EXPECT_TRUE(moduleOutOfMemory) << b.name << " " << succeeding;
            EXPECT_EQ(plugin->getEditorPointer(), nullptr) << b.name << " " << succeeding;
            EXPECT_EQ(plugin->getAeffect()->flags & effFlagsHasEditor, 0) << b.name << " " << succeeding;
            plugin->setParameter(0, 0.5f);  // no editor to pass it to
        }
    }
    moduleOutOfMemory = false;
}

}  // namespace
