// Parameter changes an editor has been told about but not yet shown. parameterChanged may
// run on the host's audio thread while the UI thread opens or closes the editor, so it only
// marks the index here (one relaxed atomic); the UI thread takes the marks at its next idle
// (or at once after its own control change) and sets the controls from the plug-in.
#pragma once

#include <atomic>
#include <cstdint>

namespace bformat {

class PendingParameters {
   public:
    static constexpr std::int32_t kMaxParams = 32;

    // [any thread] Indices outside 0..31 are no parameter of these editors.
    void mark(std::int32_t index) {
        if (index >= 0 && index < kMaxParams) bits.fetch_or(std::uint32_t(1) << index, std::memory_order_relaxed);
    }
    // [ui-thread] Calls apply(index) once for each marked index and clears the marks.
    template <class Apply>
    void take(Apply apply) {
        std::uint32_t marked = bits.exchange(0, std::memory_order_relaxed);
        for (std::int32_t index = 0; marked != 0; ++index, marked >>= 1)
            if (marked & 1u) apply(index);
    }
    void clear() { bits.store(0, std::memory_order_relaxed); }

   private:
    std::atomic<std::uint32_t> bits{0};
};

}  // namespace bformat
