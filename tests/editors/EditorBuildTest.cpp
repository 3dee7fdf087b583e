// The editor builds' plug-in classes in-process: every setParameter reaches the editor's
// parameterChanged with the same index and value, a program change replays every stored
// value through it (the master panner finally index 3 with the pan angle), and the
// constructor binds the editor and the editor build's unique ID, or, out of memory, leaves
// no editor behind and makes the library refuse the instance.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "DecoderPluginWithEditor.h"
#include "FieldPluginWithEditor.h"
#include "ModuleState.h"
#include "PanPluginWithEditor.h"
#include "PluginEditor.h"
#include "RigDecoderPluginWithEditor.h"
#include "ToneMessage.h"
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

// Every editor build, counted allocation by allocation.
const std::vector<std::pair<const char*, std::function<std::unique_ptr<AudioEffectX>()>>>& everyEditorBuild() {
    static const std::vector<std::pair<const char*, std::function<std::unique_ptr<AudioEffectX>()>>> all = [] {
        std::vector<std::pair<const char*, std::function<std::unique_ptr<AudioEffectX>()>>> out;
        for (const Build& b : builds()) out.emplace_back(b.name, b.make);
        out.emplace_back("decoder", [] { return std::make_unique<DecoderPluginWithEditor>(quietHost); });
        out.emplace_back("rig decoder", [] { return std::make_unique<RigDecoderPluginWithEditor>(quietHost); });
        return out;
    }();
    return all;
}

int allocationsToConstruct(const std::function<std::unique_ptr<AudioEffectX>()>& make) {
    allocationsBeforeFailure = 1 << 30;
    make();
    const int count = (1 << 30) - allocationsBeforeFailure;
    allocationsBeforeFailure = -1;
    return count;
}

// Whichever allocation fails while a plug-in and its editor are made, the entry point gets
// either the exception (no instance) or a plug-in without an editor and the module marked
// out of memory, so it refuses the instance. Never a half-made editor left bound.
TEST(EditorBuilds, EveryFailedAllocationDuringConstructionIsRefusedCleanly) {
    rig::setToneMessageSink([](const char*) {});
    for (const auto& [name, make] : everyEditorBuild()) {
        const int total = allocationsToConstruct(make);
        ASSERT_GE(total, 3) << name;  // the plug-in, its editor, the editor's first bitmap
        int absorbed = 0;
        for (int succeeding = 0; succeeding < total; ++succeeding) {
            moduleOutOfMemory = false;
            allocationsBeforeFailure = succeeding;
            std::unique_ptr<AudioEffectX> plugin;
            try {
                plugin = make();
            } catch (const std::bad_alloc&) {
            }
            allocationsBeforeFailure = -1;
            if (!plugin) continue;
            if (!moduleOutOfMemory) {  // absorbed elsewhere (the tone file): the editor is whole
                EXPECT_NE(plugin->getEditorPointer(), nullptr) << name << " " << succeeding;
                continue;
            }
            ++absorbed;
            EXPECT_EQ(plugin->getEditorPointer(), nullptr) << name << " " << succeeding;
            EXPECT_EQ(plugin->getAeffect()->flags & effFlagsHasEditor, 0) << name << " " << succeeding;
            plugin->setParameter(0, 0.5f);  // no editor to pass it to
        }
        EXPECT_GT(absorbed, 0) << name << ": no failure reached the editor's creation";
    }
    moduleOutOfMemory = false;
    rig::setToneMessageSink(nullptr);
}

}  // namespace
