// How the rig decoder shows a problem with its test tone file to the user. On Windows a
// message box (caption "Halvane", OK button, no owner) that blocks until closed; elsewhere
// the text on standard error, prefixed "Halvane: ", so headless scanners never block.
// The sink can be replaced (per library) so a test build can record the messages.
#pragma once

namespace rig {

using ToneMessageSink = void (*)(const char* text);

void showToneMessage(const char* text);
// The platform's way of showing it (the default sink).
void showPlatformMessage(const char* text);
// Replaces the sink; null restores the platform's.
void setToneMessageSink(ToneMessageSink sink);

}  // namespace rig
