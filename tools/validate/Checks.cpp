#include "Check.h"

namespace validate {

const char* groupTitle(int group) {
    static const char* const kTitles[] = {"",
                                          "lifecycle",
                                          "call order and buffers",
                                          "numbers",
                                          "parameters and programs",
                                          "dispatcher fuzz",
                                          "state",
                                          "threads",
                                          "real time",
                                          "editors",
                                          "binary hygiene"};
    return group >= 1 && group <= 10 ? kTitles[group] : "";
}

const std::vector<Check>& allChecks() {
    static const std::vector<Check> checks = [] {
        std::vector<Check> all;
        addLifecycleChecks(all);
        addBufferChecks(all);
        addNumberChecks(all);
        addParameterChecks(all);
        addFuzzChecks(all);
        addStateChecks(all);
        addThreadChecks(all);
        addRealtimeChecks(all);
        addEditorChecks(all);
        addBinaryChecks(all);
        return all;
    }();
    return checks;
}

}  // namespace validate
