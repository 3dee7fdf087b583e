#include "GalleryEditor.h"

#include "AudioEffectX.h"
#include "Bitmap.h"
#include "EditorFrame.h"
#include "GalleryPlugin.h"
#include "GalleryViews.h"

namespace {
bool overlaps(const Rect& a, const Rect& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}
}  // namespace

GalleryEditor::GalleryEditor(AudioEffectX* effect)
    : GuiEditor(effect), background(new Bitmap(128)), strip(new Bitmap(129)), toggle(new Bitmap(130)) {
    sizeToBitmap(*background);
}

GalleryEditor::~GalleryEditor() {
    close();
    background->release();
    strip->release();
    toggle->release();
}

std::int32_t GalleryEditor::open(void* parent) {
    openFrame(parent, background);

    views[0] = new StripView(Rect(16, 16, 48, 48), kStripFrame, strip);
    views[0]->setTransparent(true);
    views[1] = new ToggleView(Rect(64, 16, 104, 36), kToggle, toggle);
    views[2] = new OutlineView(Rect(60, 12, 108, 40), -1, colours::yellow);
    views[2]->setMouseEnabled(false);
    views[3] = new SwatchView(Rect(120, 16, 200, 56), kSwatchClicks);
    views[4] = new OutlineView(Rect(180, 40, 220, 70), kCornerClicks, colours::magenta);
    views[5] = new LabelView(Rect(16, 64, 224, 88), kStripFrame);
    for (GalleryView* view : views) {
        if (view->getTag() >= 0) view->setValue(effect->getParameter(view->getTag()));
        frame->addView(view);
    }
    controls.build(*frame, *this, *effect);
    return 1;
}

void GalleryEditor::close() {
    delete frame;
    frame = nullptr;
    for (GalleryView*& view : views) view = nullptr;
    controls.forget();
}

void GalleryEditor::parameterChanged(std::int32_t index, float) {
    if (!frame) return;
    for (GalleryView* view : views)
        if (view && view->getTag() == index) view->setValue(effect->getParameter(index));
    controls.parameterChanged(index, effect->getParameter(index));
    markForRefresh();
}

void GalleryEditor::viewChanged(GalleryView& view, float value) {
    const std::int32_t tag = view.getTag();
    if (tag < 0) return;
    frame->beginEdit(tag);
    effect->setParameterAutomated(tag, value);
    frame->endEdit(tag);
    // Views added later lie over this one: they draw again at the next idle.
    bool later = false;
    for (GalleryView* other : views) {
        if (later && other && overlaps(other->getSize(), view.getSize())) other->markDirty(true);
        later = later || other == &view;
    }
    markForRefresh();
}

void GalleryEditor::controlChanged(DrawContext* context, Control* control) {
    controls.controlChanged(context, control, *effect);
    markForRefresh();
}
