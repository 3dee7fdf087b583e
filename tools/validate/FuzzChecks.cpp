// Group 5: the dispatcher under every opcode with empty pointers, zeroed buffers and random
// arguments, and canDo with strange strings. The instance must still process afterwards.
#include <climits>
#include <string>

#include "Check.h"
#include "Plugin.h"

namespace validate {

namespace {

constexpr std::int32_t kFrames = 256;
constexpr std::size_t kBufferBytes = 64 * 1024;
constexpr std::int32_t kGetSpeakerArrangement = 69;  // a later opcode whose value is a pointer too

// Opcodes left out: effClose ends the instance and effEditOpen opens a window (group 9).
bool leftOut(std::int32_t opcode) { return opcode == effClose || opcode == effEditOpen; }

// Opcodes whose `value` is a pointer (speaker arrangements) or a byte count of `ptr`.
std::intptr_t valueFor(std::int32_t opcode, std::intptr_t random, void* buffer) {
    if (opcode == effSetSpeakerArrangement || opcode == kGetSpeakerArrangement)
        return reinterpret_cast<std::intptr_t>(buffer);
    if (opcode == effSetChunk) return static_cast<std::intptr_t>(static_cast<std::uintptr_t>(random) % kBufferBytes);
    return random;
}

Outcome stillWorks(Plugin& p, const std::string& what) {
    p.host.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    p.host.dispatch(effSetBlockSize, 0, kFrames);
    p.host.dispatch(effMainsChanged, 0, 1);
    Noise noise;
    p.fillInputs(kFrames, noise);
    p.processReplacing(kFrames);
    return p.outputsFinite(kFrames) ? pass(what) : fail("non-finite output after " + what);
}

Outcome everyOpcodeNull(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    for (std::int32_t op = 0; op <= 200; ++op)
        if (!leftOut(op)) p.host.dispatch(op, 0, 0, nullptr, 0.0f);
    return stillWorks(p, "opcodes 0..200 with null pointers");
}

Outcome everyOpcodeZeroed(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    std::vector<unsigned char> buffer(kBufferBytes, 0);
    for (std::int32_t op = 0; op <= 200; ++op)
        if (!leftOut(op)) {
            std::fill(buffer.begin(), buffer.end(), 0);
            p.host.dispatch(op, 0, valueFor(op, 0, buffer.data()), buffer.data(), 0.0f);
        }
    return stillWorks(p, "opcodes 0..200 with zeroed buffers");
}

Outcome randomCalls(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    std::vector<unsigned char> buffer(kBufferBytes, 0);
    Noise random(17);
    std::mt19937& engine = random.engine();
    for (int i = 0; i < 5000; ++i) {
        const auto op = static_cast<std::int32_t>(engine() % 2001);
        if (leftOut(op)) continue;
        std::fill(buffer.begin(), buffer.begin() + 1024, 0);
        const auto index = static_cast<std::int32_t>(engine());
        const auto value = static_cast<std::intptr_t>(static_cast<std::int32_t>(engine()));
        const float opt = static_cast<float>(static_cast<std::int32_t>(engine())) / 65536.0f;
        p.host.dispatch(op, index % 4 == 0 ? index : index % 64, valueFor(op, value, buffer.data()), buffer.data(),
                        opt);
    }
    return stillWorks(p, "5000 random calls to opcodes 0..2000");
}

Outcome strangeCanDo(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    std::vector<std::string> texts = {"", std::string(10000, 'x'), "receiveVstEvents\n", "bypass ", "BYPASS"};
    Noise random(19);
    for (int i = 0; i < 200; ++i) {
        std::string s;
        const auto len = random.engine()() % 300;
        for (unsigned k = 0; k < len; ++k) s += static_cast<char>(1 + random.engine()() % 255);
        texts.push_back(s);
    }
    for (auto& t : texts) {
        const auto answer = p.host.dispatch(effCanDo, 0, 0, &t[0]);
        if (answer < -1 || answer > 1) return fail("canDo answered " + std::to_string(answer) + " (not -1, 0 or 1)");
    }
    p.host.dispatch(effCanDo, 0, 0, nullptr);
    return stillWorks(p, "205 strings and a null pointer");
}

}  // namespace

void addFuzzChecks(std::vector<Check>& checks) {
    checks.push_back({5, "every opcode 0..200 with null pointers", everyOpcodeNull});
    checks.push_back({5, "every opcode 0..200 with zeroed buffers", everyOpcodeZeroed});
    checks.push_back({5, "random calls to opcodes up to 2000", randomCalls});
    checks.push_back({5, "long and random canDo strings", strangeCanDo});
}

}  // namespace validate
