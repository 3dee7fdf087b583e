#include "PngWriter.h"

std::string capturePath(const std::string& name) { return std::string(ORVA_CAPTURE_DIR) + "/" + name + ".png"; }
