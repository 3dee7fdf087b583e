#include "ZoomEditor.h"

#include <cstdio>

#include "AudioEffectX.h"
#include "Bitmap.h"
#include "EditorFrame.h"
#include "FullTurnKnob.h"
#include "LinearSlider.h"
#include "SplashOverlay.h"
#include "ValueDisplay.h"
#include "ZoomPlugin.h"

namespace {

enum BitmapId { kBackgroundId = 128, kFaderTrackId = 129, kFaderHandleId = 130, kKnobId = 132, kSplashId = 133 };

constexpr Rect kSplashClickArea(50, 0, 136, 15);
constexpr Rect kAzimuthKnobRect(22, 56, 70, 104);
constexpr Rect kElevationKnobRect(118, 56, 166, 104);
constexpr float kAzimuthDefault = 0.0f;     // points up
constexpr float kElevationDefault = 0.25f;  // points right: elevation 0
// The handle's left edge runs from 17 (1.0) to 163 (0.0); style 16 puts 1.0 on the left.
constexpr Rect kZoomFaderRect(12, 144, 172, 160);
constexpr int kFaderMinimumPosition = 17;
constexpr int kFaderMaximumPosition = 163;
constexpr int kFaderStyle = 16;
constexpr float kZoomDefault = 0.5f;  // no zoom

constexpr Rect kDisplayRects[ZoomEditor::kParamCount] = {Rect(25, 110, 65, 124), Rect(121, 110, 161, 124),
                                                         Rect(71, 164, 111, 178)};
constexpr int kDisplayStyle = 1;
constexpr int kDisplayFontId = 4;
constexpr ValueDisplay::ValueToText kDisplayTexts[ZoomEditor::kParamCount] = {
    ZoomEditor::azimuthText, ZoomEditor::elevationText, ZoomEditor::zoomText};

constexpr std::size_t kDisplayTextBytes = 256;

}  // namespace

void ZoomEditor::azimuthText(float value, char* text) {
    std::snprintf(text, kDisplayTextBytes, "%.2f", (1.0 - value) * 360.0);
}

void ZoomEditor::elevationText(float value, char* text) {
    std::snprintf(text, kDisplayTextBytes, "%.2f", double(float((0.25 - value) * 360.0)));
}

void ZoomEditor::zoomText(float value, char* text) {
    std::snprintf(text, kDisplayTextBytes, "%.2f", (0.5 - value) * 2.0);
}

ZoomEditor::ZoomEditor(AudioEffectX* effect)
    : GuiEditor(effect),
      background(new Bitmap(kBackgroundId)),
      splash(new Bitmap(kSplashId)),
      knobStrip(new Bitmap(kKnobId)),
      faderTrack(new Bitmap(kFaderTrackId)),
      faderHandle(new Bitmap(kFaderHandleId)) {
    sizeToBitmap(*background);
}

ZoomEditor::~ZoomEditor() {
    close();
    for (Bitmap* bitmap : {background, splash, knobStrip, faderTrack, faderHandle}) bitmap->release();
}

std::int32_t ZoomEditor::open(void* parent) {
    openFrame(parent, background);

    frame->addView(
        new SplashOverlay(kSplashClickArea, this, kSplashTag, splash, Rect(0, 0, rect.right, rect.bottom), Point()));
    Control* azimuth = bformat::newFullTurnKnob(kAzimuthKnobRect, this, ZoomPlugin::kAzimuth, knobStrip);
    azimuth->setDefaultValue(kAzimuthDefault);
    Control* elevation = bformat::newFullTurnKnob(kElevationKnobRect, this, ZoomPlugin::kElevation, knobStrip);
    elevation->setDefaultValue(kElevationDefault);
    Control* zoom = new HorizontalFader(kZoomFaderRect, this, ZoomPlugin::kZoom, kFaderMinimumPosition,
                                        kFaderMaximumPosition, faderHandle, faderTrack, Point(), kFaderStyle);
    zoom->setDefaultValue(kZoomDefault);
    paramControls[ZoomPlugin::kAzimuth] = azimuth;
    paramControls[ZoomPlugin::kElevation] = elevation;
    paramControls[ZoomPlugin::kZoom] = zoom;
    for (Control* control : paramControls) {
        control->setValue(effect->getParameter(control->getTag()));
        frame->addView(control);
    }

    for (std::int32_t param = 0; param < kParamCount; ++param) {
        auto* display = new ValueDisplay(kDisplayRects[param], nullptr, kDisplayStyle);
        display->setFont(kDisplayFontId);
        display->setFontColour(colours::white);
        display->setBackColour(colours::black);
        display->setFrameColour(colours::blue);
        display->setValueToText(kDisplayTexts[param]);
        display->setValue(effect->getParameter(param));
        displays[param] = display;
        frame->addView(display);
    }
    openControls();
    return 1;
}

void ZoomEditor::close() {
    deleteFrame();  // releases the controls and destroys the window
    for (Control*& control : paramControls) control = nullptr;
    for (ValueDisplay*& display : displays) display = nullptr;
}

void ZoomEditor::parameterChanged(std::int32_t index, float) {
    const ControlsPass pass = enterControls();
    if (!pass) return;
    if (index >= 0 && index < kParamCount) {
        const float stored = effect->getParameter(index);
        paramControls[index]->setValue(stored);
        displays[index]->setValue(stored);
    }
    markForRefresh();
}

void ZoomEditor::controlChanged(DrawContext* context, Control* control) {
    const std::int32_t tag = control ? control->getTag() : -1;
    if (tag < 0 || tag >= kParamCount || control != paramControls[tag]) return;  // the splash area
    effect->setParameterAutomated(tag, control->getValue());
    if (control->needsRedraw()) control->draw(context);
    markForRefresh();
}
