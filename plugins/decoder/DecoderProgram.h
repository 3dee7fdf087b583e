// The decoder's single program record: the stored "Layout" value and the program name.
#pragma once

struct DecoderProgram {
    static constexpr int kNameSize = 25;  // 24 characters and the terminating NUL
    float layout = 0.0f;
    char name[kNameSize] = "Ambisonic Decoder";
};
